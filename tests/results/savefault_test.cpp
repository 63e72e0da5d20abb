// Faults injected into "Save Character" of the real results window: the write failing at a
// chosen line (a file-size limit that ends the file there), a full filesystem (a tiny tmpfs in a
// mount namespace of this process, where the system allows one), a missing folder, a folder or
// a plain file where the path needs something else. Each must show one error, leave every file
// that was there byte for byte as it was and add none, and leave the program working: the next
// save writes the whole sheet, and a reroll reveals and fills a new character.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <map>

#include "filesizelimit.h"
#include "sheet.h"
#include "windowharness.h"

namespace tavrel::test {

namespace {

// The mount point of a private, tiny tmpfs, or empty when this system does not allow one.
QString g_tinyFilesystem;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every file and folder under `root`, with the bytes of each file.
std::map<QString, QByteArray> snapshot(const QString& root) {
    std::map<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries[path] = it.fileInfo().isDir() ? QByteArray("<folder>") : readAll(path);
    }
    return entries;
}

// Where line `line` (1-based) of the page starts.
qsizetype lineStart(const QByteArray& page, int line) {
    qsizetype at = 0;
    for (int i = 1; i < line; ++i) {
        at = page.indexOf("\r\n", at) + 2;
    }
    return at;
}

enum class Fault { SizeLimit, FullFilesystem, MissingFolder, FolderAsFile, FileAsFolder };

}  // namespace

class SaveFaultTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowHarness> h;

    void click(const char* name) { QTest::mouseClick(h->find<QPushButton>(name), Qt::LeftButton); }

    // A whole character: the reveal and the fill run to their ends.
    void finishGeneration() {
        h->revealToEnd();
        for (int i = 0; i < 1000 && h->generator.fillRunning(); ++i) {
            h->window->Timer2Timer();
        }
        QVERIFY(!h->generator.fillRunning());
    }

private slots:
    void cleanup() {
        if (h) {
            QVERIFY2(!h->watchdog->tripped(), "a dialog opened that the test did not expect");
        }
        h.reset();
    }

    void failedSaveKeepsEveryFileAndTheProgramWorking_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("line");  // for a size limit: the line the write fails in
        QTest::addColumn<QString>("expectedError");
        const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
        QTest::newRow("write fails in line 1") << Fault::SizeLimit << 1 << tooLarge;
        QTest::newRow("write fails in line 13, the name") << Fault::SizeLimit << 13 << tooLarge;
        QTest::newRow("write fails in line 31, strength") << Fault::SizeLimit << 31 << tooLarge;
        QTest::newRow("write fails in line 53, the proficiencies")
            << Fault::SizeLimit << 53 << tooLarge;
        QTest::newRow("write fails in the last line") << Fault::SizeLimit << -1 << tooLarge;
        QTest::newRow("filesystem full")
            << Fault::FullFilesystem << 0 << QString::fromLocal8Bit(std::strerror(ENOSPC));
        QTest::newRow("folder missing") << Fault::MissingFolder << 0 << QString();
        QTest::newRow("path is a folder") << Fault::FolderAsFile << 0 << QString();
        QTest::newRow("a file stands where a folder should")
            << Fault::FileAsFolder << 0 << QString();
    }

    void failedSaveKeepsEveryFileAndTheProgramWorking() {
        QFETCH(Fault, fault);
        QFETCH(int, line);
        QFETCH(QString, expectedError);

        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        QString root = scratch.path();
        if (fault == Fault::FullFilesystem) {
            if (g_tinyFilesystem.isEmpty()) {
                QSKIP("no private tmpfs can be mounted here (needs a mount namespace)");
            }
            root = g_tinyFilesystem;
        }
        const QDir dir(root);
        // The sheet saved last time, which a failed save must leave as it was.
        const QString existing = dir.filePath(QStringLiteral("hero.htm"));
        const QByteArray oldSheet = "<html>\r\nthe sheet saved last time\r\n</html>\r\n";

        h = std::make_unique<WindowHarness>(optionsFor(HalfElf, {"fighter", "thief", "mage"}));
        h->question->answer = true;  // the faults are met while replacing the file
        h->open();
        h->find<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("Ærin <Swift> & \u65e5"));
        finishGeneration();
        const QByteArray page = QByteArray::fromStdString(characterSheet(h->generator.character()));

        QString target;
        rlim_t limit = RLIM_INFINITY;
        const QString filler = dir.filePath(QStringLiteral("filler"));
        switch (fault) {
            case Fault::SizeLimit: {
                QVERIFY(writeFile(existing, oldSheet));
                target = existing;
                const int lines = static_cast<int>(page.count("\r\n"));
                const int chosen = line > 0 ? line : lines;
                const qsizetype start = lineStart(page, chosen);
                const qsizetype length = lineStart(page, chosen + 1) - start;
                limit = static_cast<rlim_t>(start + length / 2);
                break;
            }
            case Fault::FullFilesystem: {
                QVERIFY(writeFile(existing, oldSheet));
                target = existing;
                // Fill every block that is left.
                QFile fill(filler);
                QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
                const QByteArray block(4096, 'x');
                while (fill.write(block) == block.size()) {
                }
                break;
            }
            case Fault::MissingFolder:
                QVERIFY(writeFile(existing, oldSheet));
                target = dir.filePath(QStringLiteral("missing/hero.htm"));
                break;
            case Fault::FolderAsFile:
                QVERIFY(dir.mkdir(QStringLiteral("hero.htm")));
                QVERIFY(writeFile(dir.filePath(QStringLiteral("hero.htm/inside.htm")), oldSheet));
                target = existing;
                break;
            case Fault::FileAsFolder:
                QVERIFY(writeFile(existing, oldSheet));
                target = dir.filePath(QStringLiteral("hero.htm/sheet.htm"));
                break;
        }

        const auto before = snapshot(root);
        h->chooser->answer = target;
        {
            const FileSizeLimit scope(limit);
            click("Savebtn");
        }
        QCOMPARE(h->reporter->errors.size(), 1);
        if (!expectedError.isEmpty()) {
            QCOMPARE(h->reporter->errors.first(), expectedError);
        }
        QVERIFY(!h->reporter->errors.first().trimmed().isEmpty());
        QVERIFY(snapshot(root) == before);
        QVERIFY(h->window->isVisible());
        QVERIFY(h->window->isEnabled());

        // The fault gone, the program goes on: the same save writes the whole sheet (or, where
        // the path itself was wrong, a save under a good name does), and a reroll works.
        QFile::remove(filler);
        if (fault == Fault::SizeLimit || fault == Fault::FullFilesystem) {
            click("Savebtn");
        } else {
            h->chooser->answer = dir.filePath(QStringLiteral("good.htm"));
            click("Savebtn");
        }
        QCOMPARE(h->reporter->errors.size(), 1);
        QCOMPARE(readAll(*h->chooser->answer), page);

        click("Button4");
        finishGeneration();
        for (int score : h->generator.character().abilityScore) {
            QVERIFY(score >= 3 && score <= 19);
        }
        const QByteArray next = QByteArray::fromStdString(characterSheet(h->generator.character()));
        click("Savebtn");
        QCOMPARE(h->reporter->errors.size(), 1);
        QCOMPARE(readAll(*h->chooser->answer), next);
    }
};

}  // namespace tavrel::test

namespace {

// A tmpfs of a few blocks, private to this process: the mount goes away with the process and is
// never seen by the rest of the system. Needs the right to make a mount namespace.
QString mountTinyFilesystem() {
    if (unshare(CLONE_NEWNS) != 0)
        return {};
    // Keep what follows out of the parent namespace, whatever its propagation settings.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return {};
    char pattern[] = "/tmp/tavrel-tinyfs-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return {};
    if (mount("tmpfs", pattern, "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") != 0) {
        rmdir(pattern);
        return {};
    }
    return QString::fromLocal8Bit(pattern);
}

}  // namespace

int main(int argc, char** argv) {
    // Before any thread starts: the mount namespace belongs to the thread that makes it.
    tavrel::test::g_tinyFilesystem = mountTinyFilesystem();
    int status = 0;
    {
        QApplication app(argc, argv);
        tavrel::test::SaveFaultTest test;
        status = QTest::qExec(&test, argc, argv);
    }
    if (!tavrel::test::g_tinyFilesystem.isEmpty()) {
        const QByteArray path = tavrel::test::g_tinyFilesystem.toLocal8Bit();
        umount2(path.constData(), MNT_DETACH);
        rmdir(path.constData());
    }
    return status;
}

#include "savefault_test.moc"
