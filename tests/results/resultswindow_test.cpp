#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "characterjson.h"
#include "intervaltimer.h"
#include "qtsuites.h"
#include "sheet.h"
#include "windowharness.h"

namespace tavrel::test {

namespace {

constexpr std::array<const char*, 6> kScoreFields{"Edit2", "Edit3", "Edit4",
                                                  "Edit5", "Edit6", "Edit7"};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Finds a time of day at which a generation's first seven reveal ticks (the six scores and
// exceptional strength) give a character that `wanted` accepts. Every score roll reseeds from
// the clock, so with the clock held still the outcome depends on the time alone.
std::uint32_t clockWhere(const CharacterOptions& o, bool (*wanted)(const Character&)) {
    for (std::uint32_t ms = 0; ms < 5'000'000; ms += 7) {
        Random random;
        SettableClock clock(ms);
        Generator g(random, clock);
        g.FormShow(o);
        for (int tick = 0; tick < 7; ++tick) {
            g.Timer1Timer();
        }
        if (wanted(g.character())) {
            return ms;
        }
    }
    qFatal("no time of day gives the wanted character");
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowHarness> h;

private slots:
    void cleanup() {
        if (h) {
            QVERIFY2(!h->watchdog->tripped(), "a dialog opened that the test did not expect");
        }
        h.reset();
    }

    void startsHiddenAndDisabledWithBothTimersRunning() {
        h = std::make_unique<WindowHarness>();
        TForm2& w = *h->window;
        QVERIFY(!w.isVisible());
        QVERIFY(!w.isEnabled());
        QCOMPARE(
            w.windowTitle(),
            QStringLiteral("Tavrel Second Edition Character Generator - = Results Screen = -"));
        QCOMPARE(w.size(), QSize(585, 338));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.revealTimer().interval(), 200);
        QVERIFY(w.revealTimer().isActive());
        QCOMPARE(w.fillTimer().interval(), 10);
        QVERIFY(w.fillTimer().isActive());
        QVERIFY(h->find<QPushButton>("Button4")->isDefault());

        // Only the Druid list shows at first; it and the typed lists have no selection, the
        // proficiency groups stand on their blank entry.
        QVERIFY(!h->find<QComboBox>("druidweaponbox")->isHidden());
        QCOMPARE(h->find<QComboBox>("druidweaponbox")->currentIndex(), -1);
        for (const char* name :
             {"warriorweaponbox", "mageweaponbox", "Theifweaponbox", "priestweaponbox"}) {
            const QComboBox* box = h->find<QComboBox>(name);
            QVERIFY2(box->isHidden() && box->isEditable(), name);
            QCOMPARE(box->currentText(), QString());
        }
        for (const char* name : {"ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6"}) {
            const QComboBox* box = h->find<QComboBox>(name);
            QVERIFY2(!box->isEditable(), name);
            QCOMPARE(box->currentIndex(), 0);
            QCOMPARE(box->currentText(), QString());
        }
    }

    // The controls are built when first needed, so that start-up does not wait for them; engine
    // calls made before that change nothing on screen, and the controls, once built, show the
    // record as it stands then.
    void controlsBuiltLateShowTheRecordAsItStands() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter", "thief"}));
        TForm2& w = *h->window;
        w.FormShow();
        h->revealToEnd();
        w.Button9Click();  // a new name
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("classname")) == nullptr);

        const Character& c = h->generator.character();
        QVERIFY(!c.classLine.empty());
        QCOMPARE(h->find<QLabel>("classname")->text(), text(c.classLine));
        QCOMPARE(h->find<QLabel>("Thieflab")->text(), text(c.thiefLine));
        QCOMPARE(h->find<QPlainTextEdit>("Memo1")->toPlainText(), text(c.name));
        for (std::size_t i = 0; i < kScoreFields.size(); ++i) {
            QCOMPARE(h->find<QLineEdit>(kScoreFields[i])->text(),
                     QString::number(c.abilityScore[i]));
        }
        QCOMPARE(h->find<QListWidget>("weaponlist")->count(), static_cast<int>(c.weapons.size()));
    }

    void hiddenStartUpRunReseedsBeforeTheFirstGeneration() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter"}), 45'296'789);
        QCOMPARE(h->random.seed(), 0u);
        QTRY_VERIFY_WITH_TIMEOUT(!h->window->revealTimer().isActive(), 4000);
        QVERIFY(!h->window->isVisible());
        QCOMPARE(h->generator.character().revealTick, 6);
        QVERIFY(h->random.seed() != 0u);
        // Nothing was generated: no generation start has written a class line.
        QCOMPARE(h->generator.character().classLine, std::string());
        QVERIFY(h->window->fillTimer().isActive());
    }

    void revealShowsOneScorePerTickThenEveryLine() {
        h = std::make_unique<WindowHarness>(optionsFor(Dwarf, {"fighter", "thief"}));
        h->options.levelRange = 2;
        h->open();
        const Character& c = h->generator.character();
        QCOMPARE(h->find<QLabel>("classname")->text(), QStringLiteral("Class: Fighter Thief "));
        QCOMPARE(h->find<QLabel>("RaceLabel")->text(), QStringLiteral("Race: Dwarf"));
        QCOMPARE(h->find<QLabel>("hplabel")->text(), QStringLiteral("Hit Points"));
        QCOMPARE(h->find<QPlainTextEdit>("Memo1")->toPlainText(), text(c.name));
        for (int tick = 0; tick < 6; ++tick) {
            for (int i = 0; i < 6; ++i) {
                const QString shown = h->find<QLineEdit>(kScoreFields[i])->text();
                QCOMPARE(shown, i < tick ? QString::number(c.abilityScore[i]) : QString());
            }
            h->clock.advance(10);
            h->window->Timer1Timer();
            QCOMPARE(h->find<QLabel>("levellabel")->text(), text(levelLineFor(c.level, 2)));
        }
        h->revealToEnd();
        QVERIFY(!h->window->revealTimer().isActive());
        QCOMPARE(h->find<QLineEdit>("Edit7")->text(), QString::number(c.abilityScore[CHA]));
        const std::pair<const char*, const std::string*> lines[] = {
            {"genderlabel", &c.genderLine},    {"hplabel", &c.hitPointsLine},
            {"RaceLabel", &c.raceLine},        {"classname", &c.classLine},
            {"levellabel", &c.levelLine},      {"algLAB", &c.alignmentLine},
            {"aclab", &c.armourLine},          {"wizspllab", &c.wizardSpellsLine},
            {"prspllab", &c.priestSpellsLine}, {"Thieflab", &c.thiefLine},
            {"Label2", &c.specialLine},        {"Label9", &c.scrollLine}};
        for (const auto& [name, line] : lines) {
            QCOMPARE(h->find<QLabel>(name)->text(), text(*line));
        }
        QVERIFY(h->find<QLabel>("hplabel")->text().startsWith(QStringLiteral("Hit Points ")));
    }

    void realTimersRevealTheCharacter() {
        h = std::make_unique<WindowHarness>(optionsFor(Elf, {"mage"}));
        h->open();
        QCOMPARE(h->window->revealTimer().interval(), 10);
        QTRY_VERIFY_WITH_TIMEOUT(!h->window->revealTimer().isActive(), 4000);
        const Character& c = h->generator.character();
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(h->find<QLineEdit>(kScoreFields[i])->text(),
                     QString::number(c.abilityScore[i]));
        }
        QCOMPARE(h->find<QLabel>("levellabel")->text(), QStringLiteral("Level: %1").arg(c.level));
        QCOMPARE(h->find<QLabel>("hplabel")->text(),
                 QStringLiteral("Hit Points %1").arg(c.hitPoints));
    }

    void rerollDuringARevealBlanksTheScoresAndStartsAtStrength() {
        h = std::make_unique<WindowHarness>();
        h->open();
        for (int tick = 0; tick < 3; ++tick) {
            h->clock.advance(10);
            h->window->Timer1Timer();
        }
        QVERIFY(!h->find<QLineEdit>("Edit4")->text().isEmpty());
        QTest::mouseClick(h->find<QPushButton>("Button4"), Qt::LeftButton);
        for (const char* field : kScoreFields) {
            QCOMPARE(h->find<QLineEdit>(field)->text(), QString());
        }
        QVERIFY(h->find<QLineEdit>("Edit8")->isHidden());
        QVERIFY(h->window->revealTimer().isActive());
        QCOMPARE(h->window->revealTimer().interval(), 10);
        h->clock.advance(10);
        h->window->Timer1Timer();
        QVERIFY(!h->find<QLineEdit>("Edit2")->text().isEmpty());
        QCOMPARE(h->find<QLineEdit>("Edit3")->text(), QString());
    }

    void enterRerollsAndEscapeDoesNothing() {
        h = std::make_unique<WindowHarness>();
        QSignalSpy hidden(h->window.get(), &TForm2::formHidden);
        h->open();
        h->revealToEnd();
        QVERIFY(!h->find<QLineEdit>("Edit2")->text().isEmpty());
        QTest::keyClick(h->window.get(), Qt::Key_Escape);
        QVERIFY(h->window->isVisible());
        QVERIFY(!h->find<QLineEdit>("Edit2")->text().isEmpty());
        QTest::keyClick(h->window.get(), Qt::Key_Return);
        QCOMPARE(h->find<QLineEdit>("Edit2")->text(), QString());
        QCOMPARE(hidden.count(), 0);
    }

    void exitAndCloseBoxHideAndHandBackToTheOptionsWindow() {
        h = std::make_unique<WindowHarness>();
        QSignalSpy hidden(h->window.get(), &TForm2::formHidden);
        h->open();
        QTest::mouseClick(h->find<QPushButton>("btclosegen"), Qt::LeftButton);
        QVERIFY(!h->window->isVisible());
        QCOMPARE(hidden.count(), 1);

        // Showing again starts a new generation from the options as they are now.
        h->options = optionsFor(Gnome, {"cleric"});
        h->open();
        QCOMPARE(h->find<QLabel>("RaceLabel")->text(), QStringLiteral("Race: Gnome"));
        h->window->close();
        QVERIFY(!h->window->isVisible());
        QCOMPARE(hidden.count(), 2);
    }

    void exceptionalStrengthDisplay_data() {
        QTest::addColumn<int>("wanted");  // -1 none, else the exceptional strength
        QTest::addColumn<QString>("shown");
        QTest::newRow("fighter 18/00") << 0 << "00";
        QTest::newRow("fighter 18/7 has no leading zero") << 7 << "7";
        QTest::newRow("fighter below 18 has none") << -1 << "";
    }
    void exceptionalStrengthDisplay() {
        QFETCH(int, wanted);
        QFETCH(QString, shown);
        CharacterOptions o = optionsFor(Human, {"fighter"});
        o.diceMethod = 1;
        static int want;
        want = wanted;
        const std::uint32_t ms = clockWhere(o, [](const Character& c) {
            return want < 0 ? c.abilityScore[STR] < 18
                            : c.abilityScore[STR] == 18 && c.exceptionalStrength == want;
        });
        h = std::make_unique<WindowHarness>(o, ms);
        h->open();
        for (int tick = 0; tick < 7; ++tick) {
            h->window->Timer1Timer();
        }
        const QLineEdit* exceptional = h->find<QLineEdit>("Edit8");
        QCOMPARE(exceptional->text(), shown);
        QCOMPARE(exceptional->isHidden(), shown.isEmpty());
        QCOMPARE(h->find<QLabel>("Label3")->text(),
                 shown.isEmpty() ? QStringLiteral("STR:       ") : QStringLiteral("STR:       /"));
        if (wanted >= 0) {
            QCOMPARE(h->find<QLineEdit>("Edit2")->text(), QStringLiteral("18"));
        }
        // A new generation takes the second field away at once.
        QTest::mouseClick(h->find<QPushButton>("Button4"), Qt::LeftButton);
        QVERIFY(exceptional->isHidden());
        QCOMPARE(h->find<QLabel>("Label3")->text(), QStringLiteral("STR:       "));
    }

    void longLinesGrowTheirLabelsWithoutClippingOrOverlap() {
        // Every class at the highest levels gives the longest class, level, thief and spell
        // lines, and a dwarf the longest name.
        h = std::make_unique<WindowHarness>(optionsFromMask(Dwarf, 511, Transmuter));
        h->options.levelRange = 2;
        h->open();
        h->revealToEnd();
        QVERIFY(h->find<QLabel>("classname")->text().endsWith(QStringLiteral("Transmuter")));
        for (const char* groupName : {"GroupBox1", "GroupBox5"}) {
            const QWidget* group = h->find<QWidget>(groupName);
            QList<const QLabel*> labels;
            for (const QLabel* l : group->findChildren<QLabel*>()) {
                if (!l->isHidden() && !l->text().isEmpty()) {
                    labels.append(l);
                }
            }
            for (const QLabel* l : labels) {
                const QString what = QStringLiteral("%1 \"%2\"").arg(l->objectName(), l->text());
                QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(what));
                QVERIFY2(l->x() >= 0 && l->geometry().right() < group->width(), qPrintable(what));
                for (const QLabel* other : labels) {
                    QVERIFY2(other == l || !l->geometry().intersects(other->geometry()),
                             qPrintable(what + QStringLiteral(" overlaps ") + other->objectName()));
                }
            }
        }
    }

    void typedNameIsWhatTheSheetWrites() {
        QTemporaryDir dir;
        h = std::make_unique<WindowHarness>();
        h->open();
        auto* memo = h->find<QPlainTextEdit>("Memo1");
        memo->selectAll();
        QTest::keyClicks(memo, QStringLiteral("Bob <b>& Caf"));
        memo->insertPlainText(QStringLiteral("\u00e9"));  // typed with a compose key
        QCOMPARE(h->generator.character().name, std::string("Bob <b>& Caf\xc3\xa9"));
        h->revealToEnd();
        h->chooser->answer = dir.filePath(QStringLiteral("bob.htm"));
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        QCOMPARE(h->reporter->errors, QStringList());
        QVERIFY(readAll(*h->chooser->answer).contains("<td>Bob &lt;b&gt;&amp; Caf\xe9</td>\r\n"));
        // The memo keeps what was typed; only the page escapes it.
        QCOMPARE(memo->toPlainText(), QStringLiteral("Bob <b>& Caf\u00e9"));
    }

    // The typed extension decides the format, whatever filter is chosen; any other name gets
    // the chosen filter's format and its extension after it.
    void saveFormatFollowsTheTypedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");  // SaveFormat
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("format");
        const int sheet = int(SaveFormat::Sheet);
        const int json = int(SaveFormat::Character);
        QTest::newRow(".htm under the JSON filter") << "uni.htm" << json << "uni.htm" << sheet;
        QTest::newRow(".HTML under the JSON filter") << "uni.HTML" << json << "uni.HTML" << sheet;
        QTest::newRow(".json under the HTML filter") << "hero.json" << sheet << "hero.json" << json;
        QTest::newRow("no extension") << "hero" << json << "hero.json" << json;
        QTest::newRow("another extension") << "hero.txt" << sheet << "hero.txt.htm" << sheet;
        QTest::newRow("a dot in the name") << "Sir.Bob" << json << "Sir.Bob.json" << json;
    }
    void saveFormatFollowsTheTypedName() {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(int, format);
        QTemporaryDir dir;
        h = std::make_unique<WindowHarness>();
        h->open();
        h->complete();
        h->chooser->answer = dir.filePath(typed);
        h->chooser->format = SaveFormat(filter);
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        QCOMPARE(h->reporter->errors, QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
        const QByteArray bytes = readAll(dir.filePath(written));
        if (SaveFormat(format) == SaveFormat::Sheet) {
            QCOMPARE(bytes.toStdString(), characterSheet(h->generator.character()));
        } else {
            const CharacterReadResult read = readCharacterJson(bytes.toStdString());
            QVERIFY2(read.character, read.error.c_str());
            QVERIFY(read.character->character == h->generator.character());
        }
    }

    // Replacing a file asks first, and No (the default) keeps it; a file that already holds
    // what the save would write loses nothing, so no question is asked for it.
    void replacingAFileAsksFirst() {
        QTemporaryDir dir;
        h = std::make_unique<WindowHarness>();
        h->open();
        h->complete();
        auto* memo = h->find<QPlainTextEdit>("Memo1");
        h->chooser->answer = dir.filePath(QStringLiteral("a.htm"));
        memo->setPlainText(QStringLiteral("First Hero"));
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        const QByteArray first = readAll(*h->chooser->answer);
        QVERIFY(first.contains("<td>First Hero</td>\r\n"));
        QCOMPARE(h->question->asked, QStringList());

        memo->setPlainText(QStringLiteral("Second"));
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        QCOMPARE(h->question->asked.size(), 1);
        QVERIFY2(h->question->asked.first().contains(*h->chooser->answer),
                 qPrintable(h->question->asked.first()));
        QCOMPARE(readAll(*h->chooser->answer), first);

        h->question->answer = true;
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        QCOMPARE(h->question->asked.size(), 2);
        QCOMPARE(readAll(*h->chooser->answer).toStdString(),
                 characterSheet(h->generator.character()));

        h->question->answer = false;
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        QCOMPARE(h->question->asked.size(), 2);
        QCOMPARE(h->chooser->calls, 4);
        QCOMPARE(h->reporter->errors, QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.htm"});
    }

    void saveIntoAMissingFolderShowsTheErrorAndKeepsTheWindow() {
        QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("hero.htm"));
        {
            QFile f(existing);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("saved before");
        }
        h = std::make_unique<WindowHarness>();
        h->open();
        h->chooser->answer = dir.filePath(QStringLiteral("missing/hero.htm"));
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        QCOMPARE(h->reporter->errors.size(), 1);
        QVERIFY(!h->reporter->errors.first().isEmpty());
        QVERIFY(h->window->isVisible());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
        QCOMPARE(readAll(existing), QByteArray("saved before"));
    }

    void cancelledSaveWritesAndReportsNothing() {
        QTemporaryDir dir;
        h = std::make_unique<WindowHarness>();
        h->open();
        h->chooser->answer.reset();
        QTest::mouseClick(h->find<QPushButton>("Savebtn"), Qt::LeftButton);
        QCOMPARE(h->chooser->calls, 1);
        QCOMPARE(h->reporter->errors, QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    // Every entry a proficiency list can hold reads whole beside the list's scroll bar, in
    // either font set: filled with all of them, the list scrolls, and no entry runs under it.
    void listEntriesFitBesideTheScrollBar() {
        h = std::make_unique<WindowHarness>();
        h->open();
        const auto fill = [](QListWidget* list, const auto& boxes) {
            list->clear();
            for (const QComboBox* box : boxes) {
                for (int i = 0; i < box->count(); ++i) {
                    list->addItem(box->itemText(i));
                }
            }
            QCoreApplication::processEvents();
            QVERIFY(list->verticalScrollBar()->isVisible());
            for (int i = 0; i < list->count(); ++i) {
                const QRect shown = list->visualItemRect(list->item(i));
                QVERIFY2(shown.right() < list->viewport()->width(),
                         qPrintable(QStringLiteral("%1: %2 of %3 pixels")
                                        .arg(list->item(i)->text())
                                        .arg(shown.width())
                                        .arg(list->viewport()->width())));
            }
        };
        const ResultsControls& ui = h->window->controls();
        fill(ui.Nonweaponlist, ui.groupBoxes());
        fill(ui.weaponlist, ui.weaponBoxes());
    }
};

QObject* makeResultsWindowSuite() {
    return new ResultsWindowTest;
}

}  // namespace tavrel::test

#include "resultswindow_test.moc"
