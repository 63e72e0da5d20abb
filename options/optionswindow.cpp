#include "optionswindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include "fontscale.h"
#include "radiogroup.h"

using tavrel::ClassBox;
using tavrel::kClassBoxCount;
using tavrel::kSchoolCount;

namespace {

template <std::size_t N>
QStringList itemsOf(const std::array<std::string_view, N>& captions) {
    QStringList items;
    for (std::string_view c : captions) {
        items << QString::fromUtf8(c.data(), static_cast<qsizetype>(c.size()));
    }
    return items;
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void showPlainMessage(QWidget* parent, const QString& message) {
    QMessageBox box(parent);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    // Plain text keeps the blanks that pad the message.
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// Where each class box stands in the "Character Class" group: three rows of boxes, the panel
// of schools below them.
struct BoxPlace {
    ClassBox box;
    int x, y, width;
};
constexpr BoxPlace kBoxPlaces[] = {
    {ClassBox::Fighter, 8, 18, 66},     {ClassBox::Ranger, 74, 18, 66},
    {ClassBox::Paladin, 140, 18, 64},   {ClassBox::Cleric, 8, 36, 66},
    {ClassBox::Druid, 74, 36, 66},      {ClassBox::Thief, 8, 54, 66},
    {ClassBox::Bard, 74, 54, 66},       {ClassBox::Mage, 8, 72, 66},
    {ClassBox::Specialist, 74, 72, 80},
};

}  // namespace

TForm1::TForm1(QWidget* parent, qreal scale)
    : QWidget(parent, Qt::Window), m_reporter(showPlainMessage) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tavrel Second Edition Character Generator"));
    // Fixed border, system menu and minimise box, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // At its final size from the start: every caption is measured once, in the font it keeps.
    setFont(tavrel::designFont(scale));
    setFixedSize(429, 333);

    createControls();
    tavrel::scaleGeometry(this, scale);
    connectControls();
    // The model has run FormShow already; the widgets start from that state.
    mirrorModel();

    if (QScreen* s = screen()) {
        move(s->availableGeometry().center() - rect().center());
    }
}

TForm1::~TForm1() = default;

void TForm1::createControls() {
    m_race = new RadioGroup(QStringLiteral("Race:"), itemsOf(tavrel::kRaceCaptions), this);
    m_race->setObjectName(QStringLiteral("RadioGroup1"));
    m_race->setGeometry(8, 8, 92, 188);

    m_gender = new RadioGroup(QStringLiteral("Gender"), itemsOf(tavrel::kGenderCaptions), this);
    m_gender->setObjectName(QStringLiteral("GenderRadio"));
    m_gender->setGeometry(106, 8, 102, 62);

    m_levelRange =
        new RadioGroup(QStringLiteral("Level Range"), itemsOf(tavrel::kLevelRangeCaptions), this);
    m_levelRange->setObjectName(QStringLiteral("RadioGroup3"));
    m_levelRange->setGeometry(106, 76, 102, 120);

    m_classBox = new QGroupBox(QStringLiteral("Character Class"), this);
    m_classBox->setObjectName(QStringLiteral("ClassBox"));
    m_classBox->setGeometry(214, 8, 207, 188);
    for (const BoxPlace& place : kBoxPlaces) {
        const int i = static_cast<int>(place.box);
        auto* box = new QCheckBox(text(tavrel::kClassBoxCaptions[i]), m_classBox);
        box->setObjectName(text(tavrel::kClassBoxObjectNames[i]));
        box->setGeometry(place.x, place.y, place.width, 17);
        // A tab stop, so that a keyboard-only user can choose classes too.
        box->setFocusPolicy(Qt::StrongFocus);
        m_classBoxes[static_cast<std::size_t>(i)] = box;
    }

    m_panel = new QFrame(m_classBox);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Box | QFrame::Sunken);  // lowered outside, raised inside
    m_panel->setAccessibleName(QStringLiteral("Specialist school"));
    m_panel->setGeometry(18, 94, 184, 86);
    m_schoolGroup = new QButtonGroup(m_panel);
    for (int s = 0; s < kSchoolCount; ++s) {
        auto* button = new QRadioButton(text(tavrel::kSchoolCaptions[s]), m_panel);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(s + 1));
        // Abjurer to Enchanter down the left column, Illusionist to Transmuter down the right.
        button->setGeometry(s < 4 ? 4 : 88, 3 + (s % 4) * 20, s < 4 ? 82 : 94, 18);
        m_schoolGroup->addButton(button, s);
        m_schools[static_cast<std::size_t>(s)] = button;
    }

    auto* alignment = new QGroupBox(QStringLiteral("Alignment"), this);
    alignment->setObjectName(QStringLiteral("AlignmentBox2"));
    alignment->setGeometry(8, 202, 156, 98);
    m_lawChaos = new RadioGroup(QString(), itemsOf(tavrel::kLawChaosCaptions), alignment);
    m_lawChaos->setObjectName(QStringLiteral("lawcaosradio"));
    // Two pixels wider than drawn, up to its neighbour: "Chaotic" needs them in wider faces.
    m_lawChaos->setGeometry(4, 18, 75, 74);
    // The two groups have no caption of their own; screen readers need a name for each.
    m_lawChaos->setAccessibleName(QStringLiteral("Alignment: law or chaos"));
    m_goodEvil = new RadioGroup(QString(), itemsOf(tavrel::kGoodEvilCaptions), alignment);
    m_goodEvil->setObjectName(QStringLiteral("goodevilradio"));
    m_goodEvil->setGeometry(79, 18, 73, 74);
    m_goodEvil->setAccessibleName(QStringLiteral("Alignment: good or evil"));
    // Both groups have a "Neutral" button; heard alone, each must still say which axis it is on.
    m_lawChaos->button(1)->setAccessibleName(QStringLiteral("Neutral, between law and chaos"));
    m_goodEvil->button(1)->setAccessibleName(QStringLiteral("Neutral, between good and evil"));

    m_diceMethod =
        new RadioGroup(QStringLiteral("Dice method"), itemsOf(tavrel::kDiceMethodCaptions), this);
    m_diceMethod->setObjectName(QStringLiteral("RadioGroup2"));
    m_diceMethod->setGeometry(168, 202, 184, 98);

    m_generate = new QPushButton(QStringLiteral("Generate!"), this);
    m_generate->setObjectName(QStringLiteral("Button1"));
    m_generate->setGeometry(358, 208, 63, 44);
    m_generate->setDefault(true);
    m_aboutButton = new QPushButton(QStringLiteral("About"), this);
    m_aboutButton->setObjectName(QStringLiteral("Button4"));
    m_aboutButton->setGeometry(358, 255, 63, 22);
    m_exit = new QPushButton(QStringLiteral("Exit"), this);
    m_exit->setObjectName(QStringLiteral("Button3"));
    m_exit->setGeometry(358, 279, 63, 22);

    m_lift = new QCheckBox(QStringLiteral("Lift all Character Combination Restrictions"), this);
    m_lift->setObjectName(QStringLiteral("CheckBox2"));
    m_lift->setGeometry(8, 309, 330, 18);
}

void TForm1::connectControls() {
    connect(m_race, &RadioGroup::itemSelected, this,
            [this](int i) { forward([this, i] { m_model.setRace(i); }); });
    connect(m_lawChaos, &RadioGroup::itemSelected, this,
            [this](int i) { forward([this, i] { m_model.setLawChaos(i); }); });
    connect(m_goodEvil, &RadioGroup::itemSelected, this,
            [this](int i) { forward([this, i] { m_model.setGoodEvil(i); }); });
    connect(m_gender, &RadioGroup::itemSelected, this,
            [this](int i) { forward([this, i] { m_model.setGender(i); }); });
    connect(m_levelRange, &RadioGroup::itemSelected, this,
            [this](int i) { forward([this, i] { m_model.setLevelRange(i); }); });
    connect(m_diceMethod, &RadioGroup::itemSelected, this,
            [this](int i) { forward([this, i] { m_model.setDiceMethod(i); }); });

    for (int i = 0; i < kClassBoxCount; ++i) {
        // toggled fires only on a real change, which is when the rules react.
        connect(m_classBoxes[static_cast<std::size_t>(i)], &QCheckBox::toggled, this,
                [this, i](bool checked) {
                    forward([this, i, checked] {
                        m_model.setClassTicked(static_cast<ClassBox>(i), checked);
                    });
                });
    }
    // Selecting a school reacts; the button that loses the selection does not.
    connect(m_schoolGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            forward([this, id] { m_model.selectSchool(id); });
        }
    });
    connect(m_lift, &QCheckBox::toggled, this, [this](bool checked) {
        forward([this, checked] { m_model.setRestrictionsLifted(checked); });
    });

    connect(m_generate, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(m_aboutButton, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(m_exit, &QPushButton::clicked, this, &TForm1::Button3Click);
}

void TForm1::setResultsWindow(QDialog* results) {
    m_results = results;
}

void TForm1::setAboutWindow(QDialog* about) {
    m_about = about;
}

void TForm1::setMessageReporter(MessageReporter reporter) {
    m_reporter = reporter ? std::move(reporter) : MessageReporter(showPlainMessage);
}

QString TForm1::noClassMessage() {
    return QStringLiteral("       There is no Class selected!       ");
}

void TForm1::forward(const std::function<void()>& action) {
    // Changes that the mirror itself makes to the widgets are not the user's.
    if (m_mirroring) {
        return;
    }
    action();
    mirrorModel();
}

void TForm1::mirrorModel() {
    m_mirroring = true;
    m_race->setItemIndex(m_model.race());
    m_lawChaos->setItemIndex(m_model.lawChaos());
    m_goodEvil->setItemIndex(m_model.goodEvil());
    const tavrel::CharacterOptions o = m_model.options();
    m_gender->setItemIndex(o.gender);
    m_levelRange->setItemIndex(o.levelRange);
    m_diceMethod->setItemIndex(o.diceMethod);

    for (int i = 0; i < kClassBoxCount; ++i) {
        QCheckBox* box = m_classBoxes[static_cast<std::size_t>(i)];
        // A withdrawn box is disabled and keeps its tick.
        box->setChecked(m_model.ticked(static_cast<ClassBox>(i)));
        box->setEnabled(m_model.offered(static_cast<ClassBox>(i)));
    }
    const std::optional<int> school = m_model.school();
    if (school) {
        m_schools[static_cast<std::size_t>(*school)]->setChecked(true);
    } else if (QAbstractButton* checked = m_schoolGroup->checkedButton()) {
        // An exclusive group refuses to uncheck its checked button.
        m_schoolGroup->setExclusive(false);
        checked->setChecked(false);
        m_schoolGroup->setExclusive(true);
    }
    for (int s = 0; s < kSchoolCount; ++s) {
        m_schools[static_cast<std::size_t>(s)]->setEnabled(m_model.schoolOffered(s));
    }
    m_panel->setVisible(m_model.panelVisible());
    m_lift->setChecked(m_model.restrictionsLifted());
    mirrorReasons();
    m_mirroring = false;
}

void TForm1::mirrorReasons() {
    // Qt shows the hint of a disabled widget too, so hovering a greyed box explains it; an
    // offered box carries no text at all, for the mouse or for a screen reader.
    const auto say = [](QWidget* control, const tavrel::Reason& why) {
        const QString text = QString::fromStdString(why.text());
        if (control->toolTip() != text) {
            control->setToolTip(text);
            control->setAccessibleDescription(text);
        }
    };
    for (int i = 0; i < kClassBoxCount; ++i) {
        say(m_classBoxes[static_cast<std::size_t>(i)], m_model.reason(static_cast<ClassBox>(i)));
    }
    for (int s = 0; s < kSchoolCount; ++s) {
        say(m_schools[static_cast<std::size_t>(s)], m_model.schoolReason(s));
    }
}

tavrel::CharacterOptions TForm1::captureOptions() const {
    tavrel::CharacterOptions o;
    o.race = m_race->itemIndex();
    // The ticks as the boxes show them, enabled or not.
    tavrel::ClassSet ticked = 0;
    for (int i = 0; i < kClassBoxCount; ++i) {
        if (m_classBoxes[static_cast<std::size_t>(i)]->isChecked()) {
            ticked = static_cast<tavrel::ClassSet>(ticked | (1u << i));
        }
    }
    tavrel::setClassFlags(o, ticked);
    const int school = m_schoolGroup->checkedId();
    if (school >= 0) {
        o.school = school;
    }
    o.lawChaos = m_lawChaos->itemIndex();
    o.goodEvil = m_goodEvil->itemIndex();
    o.gender = m_gender->itemIndex();
    o.levelRange = m_levelRange->itemIndex();
    o.diceMethod = m_diceMethod->itemIndex();
    o.restrictionsLifted = m_lift->isChecked();
    return o;
}

void TForm1::FormShow() {
    m_model.FormShow();
    mirrorModel();
}

void TForm1::Button1Click() {
    if (!tavrel::generateAccepted(captureOptions())) {
        m_reporter(this, noClassMessage());
        return;
    }
    hide();
    if (QDialog* results = m_results.data()) {
        results->setEnabled(true);
        results->exec();
    }
    // The results window normally shows this window again as it hides; make sure of it.
    if (isHidden()) {
        show();
    }
}

void TForm1::Button3Click() {
    close();
}

void TForm1::Button4Click() {
    if (QDialog* about = m_about.data()) {
        about->exec();
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Restoring from the task bar also delivers show events; only a real showing resets.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // A focused button takes Enter for itself; anywhere else Enter means "Generate!".
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : m_generate)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
