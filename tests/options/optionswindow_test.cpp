// The options window, driven as a user would, offscreen.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>
#include <span>

#include "dialogwatchdog.h"
#include "optionswindow.h"
#include "radiogroup.h"

using tavrel::CharacterOptions;
using tavrel::RadioGroup;
using tavrel::TForm1;

namespace {

// Stands in for the results and about windows: counts its showings, runs a probe while it is
// shown, and closes itself at once so that exec() returns.
class ProbeDialog : public QDialog {
public:
    std::function<void()> onShow;
    int shown = 0;

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        ++shown;
        if (onShow)
            onShow();
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};

}  // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

private:
    TForm1* form = nullptr;
    ProbeDialog* results = nullptr;
    ProbeDialog* about = nullptr;
    std::unique_ptr<tavrel::test::DialogWatchdog> watchdog;
    QStringList messages;

    template <typename T>
    T* child(const char* name) {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QCheckBox* box(const char* name) { return child<QCheckBox>(name); }
    RadioGroup* group(const char* name) { return child<RadioGroup>(name); }
    // Clicks near the left edge, on the indicator, where every button takes the click.
    static void click(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    void choose(const char* groupName, int index) { click(group(groupName)->button(index)); }
    bool panelShown() { return !child<QFrame>("Panel1")->isHidden(); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        messages.clear();
        form = new TForm1;
        results = new ProbeDialog;
        results->setEnabled(false);
        about = new ProbeDialog;
        watchdog = std::make_unique<tavrel::test::DialogWatchdog>(
            std::vector<const QWidget*>{form, results, about});
        form->setResultsWindow(results);
        form->setAboutWindow(about);
        form->setMessageReporter([this](QWidget*, const QString& text) { messages << text; });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void cleanup() {
        const QStringList unexpected = watchdog->unexpected();
        watchdog.reset();
        delete form;
        delete results;
        delete about;
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
    }

    void firstStateIsElfLawfulGood() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrel Second Edition Character Generator"));
        QCOMPARE(form->size(), QSize(429, 333));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));

        QCOMPARE(group("RadioGroup1")->itemIndex(), 0);
        QCOMPARE(group("lawcaosradio")->itemIndex(), 0);
        QCOMPARE(group("goodevilradio")->itemIndex(), 0);
        for (const char* name :
             {"FighterBox", "RangerBox", "ClericBox", "MageBox", "SpecialistBox"})
            QVERIFY2(box(name)->isEnabled(), name);
        for (const char* name : {"ThiefBox", "PaladinBox", "DruidBox", "BardBox"})
            QVERIFY2(!box(name)->isEnabled(), name);
        QVERIFY(!panelShown());
        QVERIFY(child<QRadioButton>("RadioButton3")->isEnabled());
        QVERIFY(!child<QRadioButton>("RadioButton1")->isEnabled());
        // The first dice method ends with a blank; the capture depends on the item order.
        QCOMPARE(group("RadioGroup2")->button(0)->text(), QStringLiteral("6 times 3d6 "));
        QCOMPARE(group("RadioGroup1")->button(5)->text(), QStringLiteral("Halfling"));
        QCOMPARE(child<QRadioButton>("RadioButton8")->text(), QStringLiteral("Transmuter"));
    }

    // The form spells the choices out for Designer, and the rules, the command line and the page
    // speak of them in their own words: an item edited in the form alone would offer the user a
    // word the other front ends do not know, or make an index stand for the wrong choice.
    void theFormSaysTheRulesWords() {
        const auto same = [](QAbstractButton* button, std::string_view word) {
            const QString said = QString::fromUtf8(word.data(), qsizetype(word.size()));
            QVERIFY2(
                button->text() == said,
                qPrintable(
                    QStringLiteral("\"%1\" where the rules say \"%2\"").arg(button->text(), said)));
        };
        const std::pair<const char*, std::span<const std::string_view>> groups[] = {
            {"RadioGroup1", tavrel::kRaceCaptions},
            {"GenderRadio", tavrel::kGenderCaptions},
            {"RadioGroup3", tavrel::kLevelRangeCaptions},
            {"lawcaosradio", tavrel::kLawChaosCaptions},
            {"goodevilradio", tavrel::kGoodEvilCaptions},
            {"RadioGroup2", tavrel::kDiceMethodCaptions},
        };
        for (const auto& [name, words] : groups) {
            QCOMPARE(std::size_t(group(name)->count()), words.size());
            for (std::size_t i = 0; i < words.size(); ++i)
                same(group(name)->button(int(i)), words[i]);
        }
        const auto boxes = form->controls().classBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            same(boxes[i], tavrel::kClassBoxCaptions[i]);
        const auto schools = form->controls().schools();
        for (std::size_t i = 0; i < schools.size(); ++i)
            same(schools[i], tavrel::kSchoolCaptions[i]);
    }

    void clicksNestReactions() {
        // Human Lawful Good; with the rules lifted tick Fighter and Specialist, restore the
        // rules, then pick a school: specres unticks Fighter, whose reaction resets, which
        // unticks Specialist and hides the panel, and specres then withdraws the rest.
        choose("RadioGroup1", 3);
        click(box("CheckBox2"));
        click(box("FighterBox"));
        click(box("SpecialistBox"));
        QVERIFY(panelShown());
        click(box("CheckBox2"));
        QVERIFY(box("FighterBox")->isChecked());
        QVERIFY(!box("SpecialistBox")->isEnabled());
        click(child<QRadioButton>("RadioButton1"));

        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
        QVERIFY(!panelShown());
        QVERIFY(!child<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(box("PaladinBox")->isEnabled());
        QVERIFY(box("SpecialistBox")->isEnabled());
        QVERIFY(!box("FighterBox")->isEnabled());
    }

    void withdrawnBoxKeepsItsTick() {
        choose("RadioGroup1", 1);  // Half-Elf, True Neutral
        choose("lawcaosradio", 1);
        choose("goodevilradio", 1);
        click(box("ClericBox"));
        click(box("DruidBox"));
        QVERIFY(box("ClericBox")->isChecked() && !box("ClericBox")->isEnabled());
        click(box("ClericBox"));
        QVERIFY(box("ClericBox")->isChecked());
        // A click on the race already selected is no change and resets nothing.
        choose("RadioGroup1", 1);
        QVERIFY(box("DruidBox")->isChecked());
        choose("RadioGroup1", 3);
        QVERIFY(!box("DruidBox")->isChecked());
    }

    // A greyed box or school button says why, on hover and to screen readers; an offered one
    // says nothing, and the text follows every click.
    void greyedBoxesTellWhy() {
        QCheckBox* thief = box("ThiefBox");
        QVERIFY(!thief->isEnabled());
        QCOMPARE(thief->accessibleDescription(), QStringLiteral("Thieves cannot be lawful good"));
        QCOMPARE(child<QRadioButton>("RadioButton1")->accessibleDescription(),
                 QStringLiteral("Elves cannot be abjurers"));
        // Qt shows hints only in the active window.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::mouseMove(thief, thief->rect().center());
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Thieves cannot be lawful good"));

        click(box("FighterBox"));
        QCOMPARE(box("RangerBox")->toolTip(),
                 QStringLiteral("Elf fighters cannot also be rangers"));
        QCOMPARE(box("MageBox")->toolTip(), QString());
        click(box("FighterBox"));
        for (const char* name : {"FighterBox", "RangerBox", "ClericBox", "MageBox"}) {
            QVERIFY2(box(name)->toolTip().isEmpty(), name);
            QVERIFY2(box(name)->accessibleDescription().isEmpty(), name);
        }
    }

    void generateRefusesAnIncompleteChoice() {
        click(child<QPushButton>("Button1"));
        QCOMPARE(messages, QStringList{TForm1::noClassMessage()});
        QCOMPARE(messages.first().size(), 41);
        QVERIFY(messages.first().startsWith(QStringLiteral("       T")));
        QVERIFY(messages.first().endsWith(QStringLiteral("!       ")));

        click(box("SpecialistBox"));
        click(child<QPushButton>("Button1"));
        QCOMPARE(messages.size(), 2);
        QCOMPARE(results->shown, 0);
        QVERIFY(form->isVisible());
        QVERIFY(box("SpecialistBox")->isChecked());
    }

    void enterPressesGenerateUnlessAButtonHasTheFocus() {
        QRadioButton* elf = group("RadioGroup1")->button(0);
        elf->setFocus();
        QTest::keyClick(elf, Qt::Key_Return);
        QCOMPARE(messages.size(), 1);

        click(box("FighterBox"));
        QTest::keyClick(elf, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(results->shown, 1);

        auto* aboutButton = child<QPushButton>("Button4");
        aboutButton->setFocus();
        QTest::keyClick(aboutButton, Qt::Key_Return);
        QCOMPARE(about->shown, 1);
        QCOMPARE(results->shown, 1);
    }

    void generateHandsOverAndReturningClearsTheClasses() {
        choose("RadioGroup1", 3);    // Human
        choose("lawcaosradio", 2);   // Chaotic
        choose("goodevilradio", 1);  // Neutral
        choose("GenderRadio", 1);
        choose("RadioGroup3", 2);
        choose("RadioGroup2", 2);
        click(box("ThiefBox"));

        CharacterOptions captured;
        bool optionsHidden = false;
        bool resultsEnabled = false;
        results->onShow = [&] {
            captured = form->model().options();
            optionsHidden = !form->isVisible();
            resultsEnabled = results->isEnabled();
        };
        click(child<QPushButton>("Button1"));
        QCOMPARE(results->shown, 1);
        QVERIFY(optionsHidden);
        QVERIFY(resultsEnabled);
        CharacterOptions expected;
        expected.race = tavrel::Human;
        expected.lawChaos = 2;
        expected.goodEvil = 1;
        expected.gender = 1;
        expected.levelRange = 2;
        expected.diceMethod = 2;
        expected.thief = true;
        QVERIFY(captured == expected);

        QVERIFY(form->isVisible());
        QCOMPARE(group("RadioGroup1")->itemIndex(), 3);
        QCOMPARE(group("lawcaosradio")->itemIndex(), 2);
        QCOMPARE(group("goodevilradio")->itemIndex(), 1);
        QCOMPARE(group("GenderRadio")->itemIndex(), 1);
        QCOMPARE(group("RadioGroup3")->itemIndex(), 2);
        QCOMPARE(group("RadioGroup2")->itemIndex(), 2);
        QVERIFY(!box("ThiefBox")->isChecked());
        QVERIFY(box("FighterBox")->isEnabled());
        QVERIFY(messages.isEmpty());
    }

    void captureCountsTicksOfDisabledBoxes() {
        choose("RadioGroup1", 3);
        click(box("CheckBox2"));
        click(box("FighterBox"));
        click(box("MageBox"));
        click(box("CheckBox2"));
        QVERIFY(box("MageBox")->isChecked() && !box("MageBox")->isEnabled());
        CharacterOptions o = form->model().options();
        QVERIFY(o.fighter && o.mage && !o.restrictionsLifted);

        CharacterOptions captured;
        results->onShow = [&] { captured = form->model().options(); };
        click(child<QPushButton>("Button1"));
        QCOMPARE(results->shown, 1);
        QVERIFY(captured.fighter && captured.mage);
        QVERIFY(!box("MageBox")->isChecked());
        QVERIFY(!box("CheckBox2")->isChecked());

        click(box("SpecialistBox"));
        click(child<QRadioButton>("RadioButton5"));
        o = form->model().options();
        QVERIFY(o.specialist);
        QCOMPARE(o.school, std::optional<int>(tavrel::Illusionist));
    }

    void minimisingAndRestoringKeepsTheTicks() {
        click(box("FighterBox"));
        // sendEvent would clear the spontaneous flag; notify delivers the event as it stands.
        QHideEvent hide;
        QSpontaneKeyEvent::setSpontaneous(&hide);
        qApp->notify(form, &hide);
        QShowEvent show;
        QSpontaneKeyEvent::setSpontaneous(&show);
        qApp->notify(form, &show);
        QVERIFY(box("FighterBox")->isChecked());

        form->hide();
        form->show();
        QVERIFY(!box("FighterBox")->isChecked());
    }

    void aboutLeavesTheOptionsAlone() {
        click(box("FighterBox"));
        click(child<QPushButton>("Button4"));
        QCOMPARE(about->shown, 1);
        QVERIFY(box("FighterBox")->isChecked());
        QVERIFY(form->isVisible());
    }

    void exitAndTheCloseBoxEndTheProgram() {
        QSignalSpy closed(form, &TForm1::closed);
        click(box("FighterBox"));
        click(child<QPushButton>("Button1"));
        QCOMPARE(closed.count(), 0);
        click(child<QPushButton>("Button3"));
        QCOMPARE(closed.count(), 1);
        QVERIFY(!form->isVisible());

        form->show();
        form->close();
        QCOMPARE(closed.count(), 2);
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "optionswindow_test.moc"
