// The program's command line, read before the application object exists, and the saved
// characters it and the options window open in the results window.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sstream>

#include "commandline.h"
#include "messagereporter.h"
#include "savepathchooser.h"
#include "schedule.h"
#include "startup.h"

using namespace tavrel;

namespace {

struct Outcome {
    CommandLine line;
    std::string out;
    std::string err;
};

Outcome readArgs(std::vector<std::string> words) {
    char program[] = "tavrel";
    std::vector<char*> argv{program};
    for (std::string& w : words)
        argv.push_back(w.data());
    std::ostringstream out;
    std::ostringstream err;
    CommandLine line = readCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    return {std::move(line), out.str(), err.str()};
}

class OpenOnly final : public SavePathChooser {
public:
    std::optional<QString> chooseSavePath(QWidget*) override { return std::nullopt; }
    std::optional<QString> chooseOpenPath(QWidget*) override { return path; }
    std::optional<QString> path;
};

class Errors final : public MessageReporter {
public:
    void reportError(QWidget*, const QString& text) override { texts << text; }
    QStringList texts;
};

SavedCharacter generated() {
    CharacterOptions o;
    o.race = Gnome;
    o.thief = true;
    VirtualSchedule schedule(11, 3'600'000);
    schedule.generate(o);
    return {o, schedule.character(), std::nullopt};
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString saved(const QString& name, const std::string& bytes) {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

private slots:
    void commandLineAnswersWithoutADisplay() {
        const SavedCharacter character = generated();
        const std::string good = saved("good.json", characterJson(character)).toStdString();
        std::string damaged = characterJson(character);
        damaged.replace(damaged.find("\"level\":"), 8, "\"level\":-");
        const std::string bad = saved("bad.json", damaged).toStdString();

        const Outcome help = readArgs({"--help"});
        QCOMPARE(help.line.exitStatus, std::optional(0));
        QVERIFY(help.out.find("Usage: tavrel") == 0);
        const Outcome version = readArgs({"-v"});
        QCOMPARE(version.line.exitStatus, std::optional(0));
        QCOMPARE(version.out, std::string("tavrel ") +
                                  QCoreApplication::applicationVersion().toStdString() + "\n");

        // Refused with one line on stderr and status 2: no window may open.
        for (const auto& [args, named] :
             std::vector<std::pair<std::vector<std::string>, std::string>>{
                 {{"--frobnicate"}, "frobnicate"},
                 {{bad}, "bad.json: member \"level\""},
                 {{m_dir.filePath("none.json").toStdString()}, "none.json"},
                 {{good, good}, "one character file at most"},
             }) {
            const Outcome r = readArgs(args);
            QCOMPARE(r.line.exitStatus, std::optional(2));
            QVERIFY(!r.line.character);
            QVERIFY2(r.err.find(named) != std::string::npos, r.err.c_str());
            QCOMPARE(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        }

        // Qt's own options are left for the application object.
        const Outcome qt = readArgs({"-platform", "offscreen", "-style", "fusion", "--reverse",
                                     "-qwindowtitle", "T", good});
        QVERIFY2(!qt.line.exitStatus, qt.err.c_str());
        QVERIFY(qt.line.character && *qt.line.character == character);
    }

    void savedCharactersOpenInTheResultsWindow() {
        ProgramWindows windows;
        auto chooser = std::make_unique<OpenOnly>();
        auto errors = std::make_unique<Errors>();
        OpenOnly* open = chooser.get();
        Errors* reported = errors.get();
        windows.results.setSavePathChooser(std::move(chooser));
        windows.results.setMessageReporter(std::move(errors));
        const SavedCharacter character = generated();

        // As `tavrel FILE.json` starts: the results window shows the character, not a new one.
        bool shown = false;
        QTimer::singleShot(100, &windows.results, [&] {
            shown = windows.results.isVisible() && windows.options.isHidden() &&
                    windows.generator.character() == character.character &&
                    !windows.generator.revealRunning() && !windows.generator.fillRunning();
            windows.results.close();
        });
        windows.showAtStart(character);
        QTRY_VERIFY(windows.options.isVisible());
        QVERIFY(shown);

        // Ctrl+O in the options window: a bad file is reported and the options window stays.
        std::string damaged = characterJson(character);
        damaged.replace(damaged.find("\"gender\":"), 9, "\"gender\":7,\"x\":");
        open->path = saved("bad.json", damaged);
        windows.options.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&windows.options));
        QTest::keyClick(&windows.options, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(reported->texts.size(), 1);
        QVERIFY(windows.options.isVisible());
        QCOMPARE(windows.results.history().size(), std::size_t{1});

        SavedCharacter other = character;
        other.character.name = "Opened from the options window";
        open->path = saved("other.json", characterJson(other));
        shown = false;
        QTimer::singleShot(100, &windows.results, [&] {
            shown = windows.results.isVisible() && windows.generator.character() == other.character;
            windows.results.close();
        });
        QTest::keyClick(&windows.options, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(shown);
        QCOMPARE(windows.results.history().size(), std::size_t{2});
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setApplicationIdentity();
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
