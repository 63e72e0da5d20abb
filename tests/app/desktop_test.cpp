// The three windows as the program creates them: names for screen readers, the order of the
// Tab key, and captions that keep their room at the desktop's font size.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "fontscale.h"
#include "startup.h"
#include "windowaudit.h"

using namespace tavrel;

namespace {

QFont desktopFont(qreal points) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    return font;
}

// The controls the Tab key visits from the window's first control, in order, as their
// descriptions; stops when the focus comes round again.
QStringList tabOrder(QWidget* window) {
    QStringList order;
    QWidget* first = window->focusWidget();
    if (first == nullptr) {
        return order;
    }
    QWidget* current = first;
    do {
        order << test::describe(current);
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    } while (current != nullptr && current != first && order.size() < 100);
    return order;
}

void showAndActivate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// The about window's hyperlink control only sends mails and never shows, nor does the results
// window's armour list. The blanks of the strength caption run under the strength field, so
// that only its slash shows beside it; the special abilities frame reaches one pixel into the
// non-weapon frame below it.
const test::LayoutExceptions kExceptions{
    {QStringLiteral("ASLink1"), QStringLiteral("armorlist")},
    {{QStringLiteral("Label3"), QStringLiteral("Edit2")},
     {QStringLiteral("GroupBox5"), QStringLiteral("GroupBox4")}}};

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private:
    QFont m_originalFont;
    std::unique_ptr<ProgramWindows> m_windows;

    // A control by its object name, or by its caption in quotes.
    template <typename T>
    static T* control(QWidget& window, const char* name) {
        for (T* w : window.findChildren<T*>()) {
            if (test::describe(w) == QLatin1String(name)) {
                return w;
            }
        }
        qFatal("no control %s", name);
    }

    // The program's windows for a desktop whose font has `points` points.
    void createWindows(qreal points) {
        QApplication::setFont(desktopFont(points));
        m_windows = std::make_unique<ProgramWindows>();
        m_windows->fitToDesktop();
    }

private slots:
    void initTestCase() {
        m_originalFont = QApplication::font();
        // Run from ctest, the windows must be drawn in the face set up for the run: a missing
        // face or a font configuration that did not load would test some other face unseen.
        const QString face = qEnvironmentVariable("TAVREL_TEST_FACE");
        if (!face.isEmpty()) {
            QCOMPARE(QFontInfo(designFont(1)).family(), face);
        }
    }

    void cleanup() {
        m_windows.reset();
        QApplication::setFont(m_originalFont);
    }

    void fontScaleFollowsOnlyLargerFonts_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<qreal>("scale");
        QFont pixels = QApplication::font();
        pixels.setPixelSize(32);  // 24 points at the offscreen screen's 96 dots per inch
        QTest::newRow("the design's 8 points") << desktopFont(8) << 1.0;
        QTest::newRow("smaller than the design") << desktopFont(6) << 1.0;
        QTest::newRow("11 points") << desktopFont(11) << 11.0 / 8.0;
        QTest::newRow("twice the design") << desktopFont(16) << 2.0;
        QTest::newRow("a font given in pixels") << pixels << 3.0;
    }

    void fontScaleFollowsOnlyLargerFonts() {
        QFETCH(QFont, font);
        QFETCH(qreal, scale);
        QCOMPARE(fontScale(font), scale);
    }

    // Every control has a name for screen readers: its caption, or a description where it has
    // none (the alignment groups without a title).
    void everyControlHasAnAccessibleName() {
        createWindows(8);
        for (QWidget* window : m_windows->all()) {
            showAndActivate(window);
            const QStringList unnamed = test::unnamedControls(window) + test::alikeControls(window);
            QVERIFY2(unnamed.isEmpty(), qPrintable(window->windowTitle() + QStringLiteral(": ") +
                                                   unnamed.join(QStringLiteral(", "))));
            window->hide();
        }
        QAccessibleInterface* lawChaos = QAccessible::queryAccessibleInterface(
            m_windows->options.findChild<QWidget*>(QStringLiteral("lawcaosradio")));
        QCOMPARE(lawChaos->text(QAccessible::Name), QStringLiteral("Alignment: law or chaos"));
        QAccessibleInterface* strength = QAccessible::queryAccessibleInterface(
            m_windows->results.findChild<QWidget*>(QStringLiteral("Edit2")));
        QCOMPARE(strength->text(QAccessible::Name), QStringLiteral("Strength"));
        QAccessibleInterface* generate = QAccessible::queryAccessibleInterface(
            m_windows->options.findChild<QWidget*>(QStringLiteral("Button1")));
        QCOMPARE(generate->text(QAccessible::Name), QStringLiteral("Generate!"));
    }

    // Tab walks the options window as it reads: the race column, gender and level range, the
    // offered class boxes row by row, the bottom band from the alignment groups over the dice
    // method to the buttons, and last the lift box along the bottom edge. Only the selected button
    // of a group takes a stop.
    void tabFollowsTheOptionsWindowsLayout() {
        createWindows(8);
        showAndActivate(&m_windows->options);
        control<QWidget>(m_windows->options, "'Elf'")->setFocus(Qt::TabFocusReason);
        QCOMPARE(tabOrder(&m_windows->options),
                 (QStringList{"'Elf'", "'Male'", "'Low (1-5)'", "FighterBox", "RangerBox",
                              "ClericBox", "MageBox", "SpecialistBox", "'Lawful'", "'Good'",
                              "'6 times 3d6 '", "Button1", "Button4", "Button3", "CheckBox2"}));
    }

    // Tab walks the results window by its columns: the name row, the ability scores (the
    // exceptional strength field right after the strength field beside it, when it shows) and
    // the buttons below them, the non-weapon group, then the weapon group with the one weapon
    // list that this character is offered.
    void tabFollowsTheResultsWindowsColumns() {
        createWindows(8);
        TForm2& results = m_windows->results;
        results.setEnabled(true);
        showAndActivate(&results);
        control<QWidget>(results, "Memo1")->setFocus(Qt::TabFocusReason);
        QStringList expected{"Memo1", "Button9", "Edit2"};
        if (control<QWidget>(results, "Edit8")->isVisible()) {
            expected << "Edit8";
        }
        expected << QStringList{
            "Edit3",     "Edit4",      "Edit5",         "Edit6",     "Edit7",     "Button4",
            "Savebtn",   "btclosegen", "Nonweaponlist", "ComboBox2", "ComboBox3", "ComboBox4",
            "ComboBox5", "ComboBox6",  "Button1",       "Button7",   "Button2",   "weaponlist"};
        for (QComboBox* box : results.findChildren<QComboBox*>()) {
            if (box->objectName().endsWith(QLatin1String("weaponbox")) && box->isVisible()) {
                expected << box->objectName();
            }
        }
        expected << QStringList{"btclearweponslist", "Button6", "Button3"};
        if (control<QWidget>(results, "Button8")->isVisible()) {
            expected << "Button8";
        }
        QCOMPARE(tabOrder(&results), expected);
    }

    // The about window opens with "OK" focused, so that Enter closes it; Tab reaches both mail
    // links, and screen readers see them as links they can press.
    void theMailLinksWorkFromTheKeyboard() {
        createWindows(8);
        TForm3& about = m_windows->about;
        showAndActivate(&about);
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(about, "Button1"));
        QCOMPARE(tabOrder(&about), (QStringList{"Button1", "Label3", "Label5"}));

        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(control<QLabel>(about, "Label3"));
        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("(mail me!)"));
        QVERIFY(iface->actionInterface() != nullptr);
        QVERIFY(iface->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    // The desktop's font size is honoured: with a font twice the design's the windows' text
    // doubles and the windows grow with it.
    void aLargerDesktopFontEnlargesTheWindows() {
        createWindows(16);
        QCOMPARE(m_windows->options.font().pixelSize(), 22);  // 8 points are 11 pixels
        QCOMPARE(m_windows->results.font(), m_windows->options.font());
        // The results window builds its controls only when first needed, enlarged all the same.
        QCOMPARE(m_windows->results.size(), QSize(1170, 676));
        QCOMPARE(m_windows->results.controls().Button4->geometry(), QRect(4, 488, 210, 50));
        QCOMPARE(m_windows->options.size(), QSize(858, 666));
        QCOMPARE(m_windows->about.size(), QSize(716, 234));
        auto* title = m_windows->about.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(title->font().pixelSize() > 24);
    }

    // The results window opens at a fixed place, which on the small offscreen screen (800 x 600)
    // reaches past the right edge; start-up moves it back. A window larger than the screen keeps
    // at least its title bar on it.
    void theWindowsStayOnTheScreen() {
        for (qreal points : {8.0, 20.0}) {
            createWindows(points);
            for (QWidget* window : m_windows->all()) {
                const QRect area = window->screen()->availableGeometry();
                QVERIFY(area.contains(window->pos()));
                if (window->width() <= area.width() && window->height() <= area.height()) {
                    QVERIFY2(area.contains(window->geometry()), qPrintable(window->windowTitle()));
                }
            }
        }
    }

    // No caption is cut off, neither at the size the windows were drawn for nor at the larger
    // sizes of desktops set up for easier reading.
    void noTextIsClipped_data() {
        QTest::addColumn<qreal>("points");
        QTest::newRow("8 points, as drawn") << 8.0;
        QTest::newRow("9 points, the X11 default") << 9.0;
        QTest::newRow("10 points") << 10.0;
        QTest::newRow("11 points") << 11.0;
        QTest::newRow("12 points") << 12.0;
        QTest::newRow("14 points") << 14.0;
        QTest::newRow("20 points") << 20.0;
    }

    void noTextIsClipped() {
        QFETCH(qreal, points);
        createWindows(points);
        QStringList clipped;
        for (QWidget* window : m_windows->all()) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            clipped << test::clippedTexts(window, kExceptions);
            window->hide();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));

        // The about window's title keeps the program's name on its first line, so that the
        // version wraps onto a line of its own.
        m_windows->about.show();
        auto* title = control<QLabel>(m_windows->about, "Label1");
        QVERIFY(title->fontMetrics().horizontalAdvance(
                    QStringLiteral("Tavrel Second Edition Character Generator")) <= title->width());
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
