#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>

#include "qtsuites.h"
#include "sheetfile.h"

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

// Limits the size of any file this process writes, as a full disk would, for one scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        // Past the limit the kernel would otherwise end the process instead of failing write().
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};

}  // namespace

class SheetFileTest : public QObject {
    Q_OBJECT
private slots:
    void writesExactBytesAndReplacesAnOldSheet() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hero.htm"));
        writeFile(path, "an older, longer sheet that must not survive in part");
        QCOMPARE(writeSheetFile(path, page()), std::nullopt);
        QCOMPARE(readAll(path), page());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"hero.htm"});
    }

    void missingFolderNamesTheErrorAndCreatesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/hero.htm"));
        const std::optional<QString> error = writeSheetFile(path, page());
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
            error = writeSheetFile(path, page());
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
        const std::optional<QString> error = writeSheetFile(path, page());
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
        QCOMPARE(readAll(path + QStringLiteral("/inside.txt")), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
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
            writeSheetFile(folder + QStringLiteral("/hero.htm"), page());
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(error, std::optional<QString>(QStringLiteral("File access denied")));
    }
};

QObject* makeSheetFileSuite() {
    return new SheetFileTest;
}

}  // namespace tavrel::test

#include "sheetfile_test.moc"
