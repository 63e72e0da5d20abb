#include <sys/stat.h>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "characterjson.h"
#include "intervaltimer.h"
#include "qtsuites.h"
#include "sheet.h"
#include "windowharness.h"

namespace tavrel::test {

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

// Back and forward through the characters of the run, and saving and reopening them as files.
class ResultsHistoryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowHarness> h;

    void click(const char* button) {
        QTest::mouseClick(h->find<QPushButton>(button), Qt::LeftButton);
    }
    void alt(Qt::Key key) { QTest::keyClick(h->window.get(), key, Qt::AltModifier); }
    bool timersStopped() const {
        return !h->window->revealTimer().isActive() && !h->window->fillTimer().isActive() &&
               !h->generator.revealRunning() && !h->generator.fillRunning();
    }
    void openActive() {
        h->open();
        h->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h->window.get()));
    }

    // A complete fighter with every kind of edit: typed name, a hand-added weapon, a removed
    // proficiency, a specialization, and selections in both lists and in the drop-downs.
    Character editCharacter() {
        h->complete();
        h->find<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("Fos \"<b>Edited</b>\""));
        auto* warrior = h->find<QComboBox>("warriorweaponbox");
        warrior->setCurrentIndex(4);
        click("Button3");
        click("Button8");
        h->find<QListWidget>("Nonweaponlist")->setCurrentRow(0);
        click("Button7");
        h->find<QListWidget>("Nonweaponlist")->setCurrentRow(0);
        h->find<QListWidget>("weaponlist")->setCurrentRow(2);
        h->find<QComboBox>("ComboBox4")->setCurrentIndex(3);
        warrior->setCurrentIndex(7);
        return h->generator.character();
    }

private slots:
    void cleanup() {
        if (h) {
            QVERIFY2(!h->watchdog->tripped(), "a dialog opened that the test did not expect");
        }
        h.reset();
    }

    void aRerollUndoneBringsBackTheEditedCharacterExactly() {
        h = std::make_unique<WindowHarness>();
        openActive();
        const Character edited = editCharacter();
        const std::string editedSheet = characterSheet(edited);

        click("Button4");  // "ReRoll"
        QVERIFY(h->generator.revealRunning());
        alt(Qt::Key_Left);  // the reveal runs: nothing happens
        QCOMPARE(h->window->history().current(), std::size_t{1});
        QVERIFY(!(h->generator.character() == edited));
        h->complete();
        const Character rerolled = h->generator.character();
        QVERIFY(!(rerolled == edited));

        alt(Qt::Key_Left);
        QVERIFY(h->generator.character() == edited);
        QCOMPARE(characterSheet(h->generator.character()), editedSheet);
        QCOMPARE(h->find<QPlainTextEdit>("Memo1")->toPlainText(),
                 QStringLiteral("Fos \"<b>Edited</b>\""));
        QCOMPARE(h->find<QListWidget>("Nonweaponlist")->selectedItems().size(), 1);
        QCOMPARE(h->find<QListWidget>("Nonweaponlist")->currentRow(), 0);
        QCOMPARE(h->find<QListWidget>("weaponlist")->selectedItems().size(), 1);
        QCOMPARE(h->find<QListWidget>("weaponlist")->currentRow(), 2);
        QCOMPARE(h->find<QComboBox>("ComboBox4")->currentIndex(), 3);
        QCOMPARE(h->find<QComboBox>("warriorweaponbox")->currentIndex(), 7);
        QVERIFY(!h->find<QPushButton>("Button8")->isHidden());
        QVERIFY(timersStopped());
        alt(Qt::Key_Left);  // the first character: nothing before it
        QVERIFY(h->generator.character() == edited);

        // An edit to the past character stays in its entry.
        click("Button1");  // "Clear list"
        alt(Qt::Key_Right);
        QVERIFY(h->generator.character() == rerolled);
        QVERIFY(timersStopped());
        alt(Qt::Key_Left);
        QVERIFY(h->generator.character().nonWeapons.empty());

        // "New name" on a past character: the renamed one is appended and shown, and the past
        // one keeps its entry and its name; nothing is dropped.
        click("Button9");
        QCOMPARE(h->window->history().size(), std::size_t{3});
        QCOMPARE(h->window->history().current(), std::size_t{2});
        const std::string renamed = h->generator.character().name;
        QVERIFY(renamed != edited.name);
        alt(Qt::Key_Left);
        QVERIFY(h->generator.character() == rerolled);
        alt(Qt::Key_Left);
        QCOMPARE(h->generator.character().name, edited.name);
        // A reroll from a past character is appended at the end too, with that character's
        // options.
        click("Button4");
        QCOMPARE(h->window->history().size(), std::size_t{4});
        QCOMPARE(h->window->history().current(), std::size_t{3});
        QVERIFY(h->generator.options() == h->options);
    }

    void aCharacterReplacedDuringItsRevealIsKeptAsItStood() {
        h = std::make_unique<WindowHarness>();
        // No event loop runs until the step, so the real timers add no tick of their own; the
        // step is the context menu's action, which needs no active window.
        h->open();
        for (int i = 0; i < 3; ++i) {
            h->clock.advance(10);
            h->window->Timer1Timer();
        }
        const Character partial = h->generator.character();
        QVERIFY(partial.revealTick < partial.level + 6);
        click("Button4");
        h->complete();
        h->window->previousCharacter();
        QVERIFY(h->generator.character() == partial);
        QVERIFY2(timersStopped(), "stepping starts no timer, not even for an unfinished reveal");
        h->clock.advance(1000);
        QTest::qWait(30);
        QVERIFY(h->generator.character() == partial);
    }

    void exitAndGenerateKeepTheListAndFocusStartsOnReRoll() {
        h = std::make_unique<WindowHarness>();
        openActive();
        h->complete();
        const Character first = h->generator.character();
        h->find<QPushButton>("btclosegen")->setFocus();
        click("btclosegen");
        QVERIFY(h->window->isHidden());
        openActive();
        QCOMPARE(h->window->focusWidget(), h->find<QPushButton>("Button4"));
        h->complete();
        QCOMPARE(h->window->history().size(), std::size_t{2});
        alt(Qt::Key_Left);
        QVERIFY(h->generator.character() == first);
    }

    void savedCharacterFileReopensWithTheSameSheet() {
        QTemporaryDir dir;
        h = std::make_unique<WindowHarness>();
        openActive();
        const Character edited = editCharacter();
        h->chooser->answer = dir.filePath(QStringLiteral("fos.htm"));
        click("Savebtn");
        h->chooser->answer = dir.filePath(QStringLiteral("fos.json"));
        h->chooser->format = SaveFormat::Character;
        QTest::keyClick(h->window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(h->chooser->calls, 2);
        const CharacterReadResult saved =
            readCharacterJson(readAll(*h->chooser->answer).toStdString());
        QVERIFY2(saved.character.has_value(), saved.error.c_str());
        QVERIFY2(!saved.character->origin, "a window character has no seed or start time");

        click("Button4");  // the reveal of another character runs as the file is opened
        h->chooser->openAnswer = h->chooser->answer;
        QTest::keyClick(h->window.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(h->reporter->errors.isEmpty());
        QVERIFY(h->generator.character() == edited);
        QVERIFY(timersStopped());
        QCOMPARE(h->window->history().size(), std::size_t{3});

        // Edits, a new name and both saves work on it as on a generated character.
        h->chooser->format = SaveFormat::Sheet;
        h->chooser->answer = dir.filePath(QStringLiteral("again.htm"));
        click("Savebtn");
        QCOMPARE(readAll(dir.filePath(QStringLiteral("again.htm"))),
                 readAll(dir.filePath(QStringLiteral("fos.htm"))));
        click("Button9");
        QVERIFY(h->generator.character().name != edited.name);
        QVERIFY(!h->find<QPushButton>("Button8")->isHidden());
    }

    void badFilesAreRefusedAndNothingChanges() {
        QTemporaryDir dir;
        h = std::make_unique<WindowHarness>();
        openActive();
        h->complete();
        const Character shown = h->generator.character();
        std::string good = characterJson({h->generator.options(), shown, std::nullopt});
        QByteArray outOfRange = QByteArray::fromStdString(good);
        outOfRange.replace("\"race\":3", "\"race\":9");
        const QList<QPair<QByteArray, QString>> files{
            {outOfRange, QStringLiteral("options.race")},
            {QByteArray("{\"name\":"), QStringLiteral("not a character file")},
            {QByteArray(int(kCharacterFileLimit) + 1, ' '), QStringLiteral("larger than 1 MiB")},
        };
        int n = 0;
        for (const auto& [bytes, named] : files) {
            const QString path = dir.filePath(QStringLiteral("bad%1.json").arg(++n));
            writeAll(path, bytes);
            h->chooser->openAnswer = path;
            QVERIFY(!h->window->openCharacterFile());
            QCOMPARE(h->reporter->errors.size(), n);
            QVERIFY2(h->reporter->errors.last().contains(named),
                     qPrintable(h->reporter->errors.last()));
            QVERIFY(h->generator.character() == shown);
            QCOMPARE(h->window->history().size(), std::size_t{1});
        }
        // Named by the whole path; a FIFO is refused at once rather than waited on for a writer.
        const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString& path : {dir.filePath(QStringLiteral("missing.json")), fifo}) {
            h->chooser->openAnswer = path;
            QVERIFY(!h->window->openCharacterFile());
            QVERIFY2(h->reporter->errors.last().startsWith(path + QStringLiteral(": ")),
                     qPrintable(h->reporter->errors.last()));
            QVERIFY(h->generator.character() == shown);
        }
        QCOMPARE(h->reporter->errors.last(), fifo + QStringLiteral(": is not a regular file"));
    }
};

QObject* makeResultsHistorySuite() {
    return new ResultsHistoryTest;
}

}  // namespace tavrel::test

#include "resultshistory_test.moc"
