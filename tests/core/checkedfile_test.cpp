#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "checkedfile.h"
#include "filesizelimit.h"

namespace tavrel::test {

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A page big enough to need more than one write, with CR LF line ends and 8-bit bytes.
QByteArray page() {
    QByteArray bytes;
    for (int i = 0; i < 200; ++i) {
        bytes += "<td>Caf\xe9 line " + QByteArray::number(i) + "</td>\r\n";
    }
    return bytes;
}

}  // namespace

class CheckedFileTest : public QObject {
    Q_OBJECT
private slots:
    void writesExactBytesAndReplacesAnOldSheet() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hero.htm"));
        writeFile(path, "an older, longer sheet that must not survive in part");
        QCOMPARE(writeCheckedFile(path, page().toStdString()), std::nullopt);
        QCOMPARE(readAll(path), page());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"hero.htm"});
    }

    void missingFolderNamesTheErrorAndCreatesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/hero.htm"));
        const std::optional<QString> error = writeCheckedFile(path, page().toStdString());
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
        QVERIFY2(*error != QLatin1String("File access denied"), qPrintable(*error));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
    }

    void failedWriteLeavesTheOldSheetIntact() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hero.htm"));
        const QByteArray old = "the sheet saved last time\r\n";
        writeFile(path, old);
        std::optional<QString> error;
        {
            const FileSizeLimit limit(1000);
            error = writeCheckedFile(path, page().toStdString());
        }
        QVERIFY(error.has_value());
        QCOMPARE(*error, QString::fromLocal8Bit(strerror(EFBIG)));
        QCOMPARE(readAll(path), old);
        // No partial page is left behind under another name either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"hero.htm"});
    }

    void folderInThePlaceOfTheFileIsReportedAndKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hero.htm"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("hero.htm")));
        writeFile(path + QStringLiteral("/inside.txt"), "kept");
        const std::optional<QString> error = writeCheckedFile(path, page().toStdString());
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
        QCOMPARE(readAll(path + QStringLiteral("/inside.txt")), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    // Renaming a finished file over a FIFO (or a device, as the superuser may) would replace it
    // with a plain file: such a target is written directly and stays what it was.
    void fifoIsWrittenDirectlyAndKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pipe"));
        const QByteArray local = QFile::encodeName(path);
        QCOMPARE(mkfifo(local.constData(), 0600), 0);
        // A reader first, so that opening the FIFO for writing does not wait for one.
        const int reader = ::open(local.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        CheckedFile file(path);
        QVERIFY(file.open());
        QVERIFY(file.write("first,"));
        QVERIFY(file.write("second"));
        QVERIFY2(file.commit(), qPrintable(file.errorText()));
        char bytes[64] = {};
        QCOMPARE(::read(reader, bytes, sizeof bytes), qsizetype(12));
        ::close(reader);
        QCOMPARE(QByteArray(bytes), QByteArray("first,second"));
        struct stat status {};
        QCOMPARE(::stat(local.constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
        QCOMPARE(QDir(dir.path()).entryList(QDir::System | QDir::Hidden | QDir::Files),
                 QStringList{"pipe"});
    }

    void readOnlyFolderIsAccessDenied() {
        if (geteuid() == 0) {
            QSKIP("the superuser may write into any folder");
        }
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const std::optional<QString> error =
            writeCheckedFile(folder + QStringLiteral("/hero.htm"), page().toStdString());
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(error, std::optional<QString>(QStringLiteral("File access denied")));
    }
};

}  // namespace tavrel::test

QTEST_GUILESS_MAIN(tavrel::test::CheckedFileTest)
#include "checkedfile_test.moc"
