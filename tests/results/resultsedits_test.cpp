#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "characterjson.h"
#include "intervaltimer.h"
#include "qtsuites.h"
#include "windowharness.h"

namespace tavrel::test {

namespace {

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts.append(list->item(i)->text());
    }
    return texts;
}

QStringList entries(const std::vector<std::string>& list) {
    QStringList texts;
    for (const std::string& s : list) {
        texts.append(QString::fromStdString(s));
    }
    return texts;
}

void typeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
}

}  // namespace

// The user's edits of the proficiency lists and the name, as the window forwards them.
class ResultsEditsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowHarness> h;

    void click(const char* button) {
        QTest::mouseClick(h->find<QPushButton>(button), Qt::LeftButton);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(h->window.get(), k, modifiers);
    }
    void openActive() {
        h->open();
        h->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h->window.get()));
    }
    void fillTicks(int n) {
        for (int i = 0; i < n; ++i) {
            h->window->Timer2Timer();
        }
    }

private slots:
    void cleanup() {
        if (h) {
            QVERIFY2(!h->watchdog->tripped(), "a dialog opened that the test did not expect");
        }
        h.reset();
    }

    void offeredListFollowsTheClasses_data() {
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("specialize");
        QTest::newRow("single fighter") << QStringList{"fighter"} << "warriorweaponbox" << true;
        QTest::newRow("cleric/mage") << QStringList{"cleric", "mage"} << "priestweaponbox" << false;
        QTest::newRow("druid") << QStringList{"druid"} << "druidweaponbox" << false;
    }
    void offeredListFollowsTheClasses() {
        QFETCH(QStringList, classes);
        QFETCH(QString, shown);
        QFETCH(bool, specialize);
        CharacterOptions o;
        for (const QString& c : classes) {
            const std::string word = c.toStdString();
            const CharacterOptions one = optionsFor(Human, {word});
            o.fighter |= one.fighter;
            o.thief |= one.thief;
            o.cleric |= one.cleric;
            o.mage |= one.mage;
            o.druid |= one.druid;
        }
        o.race = Human;
        h = std::make_unique<WindowHarness>(o);
        h->open();
        int visible = 0;
        for (const char* name : {"warriorweaponbox", "mageweaponbox", "Theifweaponbox",
                                 "priestweaponbox", "druidweaponbox"}) {
            const bool isShown = !h->find<QComboBox>(name)->isHidden();
            visible += isShown ? 1 : 0;
            QCOMPARE(isShown, shown == QLatin1String(name));
        }
        QCOMPARE(visible, 1);
        QCOMPARE(!h->find<QPushButton>("Button8")->isHidden(), specialize);
    }

    void weaponEditsChangeTheListAsTyped() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter", "thief"}));
        h->open();
        auto* list = h->find<QListWidget>("weaponlist");
        auto* warrior = h->find<QComboBox>("warriorweaponbox");
        typeInto(warrior, QStringLiteral("Mithril whip"));
        click("Button3");
        click("Button3");
        QCOMPARE(items(list), (QStringList{"Mithril whip", "Mithril whip"}));
        warrior->setCurrentIndex(6);
        click("Button3");
        QCOMPARE(list->item(2)->text(), QStringLiteral("Hand crossbow "));

        // Nothing selected: nothing removed.
        list->clearSelection();
        click("Button6");
        QCOMPARE(list->count(), 3);
        list->setCurrentRow(0);
        click("Button6");
        QCOMPARE(items(list), (QStringList{"Mithril whip", "Hand crossbow "}));
        QCOMPARE(items(list), entries(h->generator.character().weapons));
        click("btclearweponslist");
        QCOMPARE(list->count(), 0);
        QVERIFY(h->generator.character().weapons.empty());
    }

    void addingFromTheDruidListWithoutAChoiceAddsAnEmptyEntry() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"druid"}));
        h->open();
        click("Button3");
        QCOMPARE(items(h->find<QListWidget>("weaponlist")), QStringList{QString()});
    }

    void enterInATypedListAddsNoEntryToIt() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter"}));
        h->open();
        auto* warrior = h->find<QComboBox>("warriorweaponbox");
        const int count = warrior->count();
        typeInto(warrior, QStringLiteral("Mithril whip"));
        h->revealToEnd();
        const Character before = h->generator.character();
        QTest::keyClick(warrior->lineEdit(), Qt::Key_Return);
        QCOMPARE(warrior->count(), count);
        QCOMPARE(warrior->currentText(), QStringLiteral("Mithril whip"));
        // Enter while editing a weapon keeps the character: it does not press "ReRoll".
        QCOMPARE(h->generator.character().name, before.name);
        QCOMPARE(h->generator.character().revealTick, before.revealTick);
        QCOMPARE(h->generator.character().weapons, before.weapons);
        QVERIFY(h->generator.character() == before);
        QVERIFY(!h->generator.revealRunning());
    }

    void specializeTakesOnlyAWarriorListEntry() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter"}));
        h->open();
        auto* warrior = h->find<QComboBox>("warriorweaponbox");
        const QLabel* special = h->find<QLabel>("Label2");
        QVERIFY(!h->find<QPushButton>("Button8")->isHidden());
        typeInto(warrior, QStringLiteral("Whip"));
        click("Button8");
        QCOMPARE(special->text(), QStringLiteral("Weapon specialization in: Whip"));
        // Not entries: another case, a missing trailing blank, free text.
        for (const QString& typed :
             {QStringLiteral("whip"), QStringLiteral("Long bow"), QStringLiteral("Mithril whip")}) {
            typeInto(warrior, typed);
            click("Button8");
            QCOMPARE(special->text(), QStringLiteral("Weapon specialization in: Whip"));
        }
        warrior->setCurrentIndex(4);
        click("Button8");
        QCOMPARE(special->text(), QStringLiteral("Weapon specialization in: Long bow "));
    }

    void nonWeaponEditsAddFromEveryGroupAndResetTheChoices() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter"}));
        h->open();
        auto* list = h->find<QListWidget>("Nonweaponlist");
        auto* general = h->find<QComboBox>("ComboBox2");
        auto* rogue = h->find<QComboBox>("ComboBox4");
        auto* wizard = h->find<QComboBox>("ComboBox6");
        general->setCurrentIndex(general->findText(QStringLiteral("Cooking")));
        rogue->setCurrentIndex(rogue->findText(QStringLiteral("Tumbling")));
        wizard->setCurrentIndex(wizard->findText(QStringLiteral("Spellcraft")));
        click("Button2");
        QCOMPARE(items(list), (QStringList{"Cooking", "Tumbling", "Spellcraft"}));
        for (const QComboBox* box : {general, rogue, wizard}) {
            QCOMPARE(box->currentIndex(), 0);
        }
        click("Button2");  // every group blank: nothing added
        QCOMPARE(list->count(), 3);

        list->clearSelection();
        click("Button7");
        QCOMPARE(list->count(), 3);
        list->setCurrentRow(1);
        click("Button7");
        QCOMPARE(items(list), (QStringList{"Cooking", "Spellcraft"}));
        click("Button1");
        QCOMPARE(list->count(), 0);
        QVERIFY(h->generator.character().nonWeapons.empty());
    }

    void fillTicksKeepTheUsersSelection() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"ranger"}));
        h->options.levelRange = 2;
        h->open();
        auto* nonWeapons = h->find<QListWidget>("Nonweaponlist");
        fillTicks(1);
        // The free entries stand in the list from the first fill tick.
        QCOMPARE(items(nonWeapons).mid(0, 2), (QStringList{"Tracking", "Languages, Modern"}));
        nonWeapons->setCurrentRow(1);
        h->revealToEnd();
        fillTicks(3);
        QVERIFY(nonWeapons->count() > 2);
        QCOMPARE(nonWeapons->currentRow(), 1);
        QVERIFY(nonWeapons->item(1)->isSelected());
        QCOMPARE(items(nonWeapons), entries(h->generator.character().nonWeapons));
    }

    void fillCompletesAndStopsItsTimer() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter"}));
        h->open();
        h->revealToEnd();
        for (int i = 0; i < 500 && h->generator.fillRunning(); ++i) {
            h->window->Timer2Timer();
        }
        QVERIFY(!h->window->fillTimer().isActive());
        const Character& c = h->generator.character();
        QCOMPARE(items(h->find<QListWidget>("weaponlist")), entries(c.weapons));
        QVERIFY(h->find<QLabel>("Label2")->text().startsWith("Weapon specialization in: "));
        // The next generation starts the stopped fill again.
        click("Button4");
        QVERIFY(h->window->fillTimer().isActive());
        QCOMPARE(h->find<QListWidget>("weaponlist")->count(), 0);
    }

    void newNameReplacesATypedName() {
        h = std::make_unique<WindowHarness>(optionsFor(Dwarf, {"fighter"}));
        h->open();
        auto* memo = h->find<QPlainTextEdit>("Memo1");
        memo->setPlainText(QStringLiteral("Typed"));
        QCOMPARE(h->generator.character().name, std::string("Typed"));
        click("Button9");
        QVERIFY(memo->toPlainText() != QStringLiteral("Typed"));
        QVERIFY(memo->toPlainText().contains(QStringLiteral(" who was in turn the son of ")));
        QCOMPARE(memo->toPlainText(), QString::fromStdString(h->generator.character().name));
    }

    // Each character keeps its own edits to undo and redo: stepping to another character and
    // back neither loses them nor lets one character's undo reach into the other's.
    void undoAndRedoAcrossAHistoryStep() {
        h = std::make_unique<WindowHarness>(optionsFor(Human, {"fighter"}));
        openActive();
        h->complete();
        const Character first = h->generator.character();
        auto* weapons = h->find<QListWidget>("weaponlist");
        auto* nonWeapons = h->find<QListWidget>("Nonweaponlist");
        click("btclearweponslist");
        nonWeapons->setCurrentRow(0);
        click("Button7");
        QCOMPARE(h->generator.character().weapons.size(), 0u);

        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character().nonWeapons, first.nonWeapons);
        QCOMPARE(h->generator.character().weapons.size(), 0u);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(items(weapons), entries(first.weapons));
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(weapons->count(), 0);

        // A new character starts with nothing to undo, and its reveal and fill cannot be undone.
        click("Button4");
        key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(h->generator.revealRunning());
        h->complete();
        const Character second = h->generator.character();
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character(), second);
        click("btclearweponslist");

        // Back on the first: its list as it was left, and its own edits to walk.
        key(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(weapons->count(), 0);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character(), first);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character(), first);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(h->generator.character().nonWeapons.size(), first.nonWeapons.size() - 1);

        // And forward again: the second's undo gives back the second's weapons.
        key(Qt::Key_Right, Qt::AltModifier);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character(), second);
        QCOMPARE(items(weapons), entries(second.weapons));
    }

    // While the Name box has the focus, Ctrl+Z undoes the typing in it, as in any text field;
    // elsewhere it undoes the last edit, and the typing taken back in the box is no edit.
    void ctrlZUndoesTypingInTheFocusedNameBox() {
        h = std::make_unique<WindowHarness>(optionsFor(Elf, {"fighter"}));
        openActive();
        h->complete();
        const Character before = h->generator.character();
        click("btclearweponslist");
        auto* memo = h->find<QPlainTextEdit>("Memo1");
        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral(" the Bold"));
        QCOMPARE(h->generator.character().name, before.name + " the Bold");

        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character().name, before.name);
        QCOMPARE(h->generator.character().weapons.size(), 0u);

        h->find<QPushButton>("Button4")->setFocus();
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character(), before);

        // Pasting stops at what a character file holds of a text, with a hint, so the name saves.
        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(QString(kCharacterTextLimit, QChar(0x00e6)));
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h->generator.character().name.size(), kCharacterTextLimit);
        QVERIFY(QToolTip::text().contains(QString::number(kCharacterTextLimit)));
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h->generator.character().name, before.name);
    }
};

QObject* makeResultsEditsSuite() {
    return new ResultsEditsTest;
}

}  // namespace tavrel::test

#include "resultsedits_test.moc"
