#include "optionswindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include "appinfo.h"
#include "fontscale.h"
#include "radiogroup.h"

namespace tavrel {

namespace {

void showPlainMessage(QWidget* parent, const QString& message) {
    QMessageBox box(parent);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    // Plain text keeps the blanks that pad the message.
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace

TForm1::TForm1(QWidget* parent, qreal scale)
    : QWidget(parent, Qt::Window), m_reporter(showPlainMessage) {
    setWindowTitle(QString::fromUtf8(appinfo::kName));
    // Fixed border, system menu and minimise box, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // At its final size from the start: every caption is measured once, in the font it keeps.
    setFont(designFont(scale));

    m_ui.setupUi(this);
    // Both alignment groups have a "Neutral" button; heard alone, each must still say which
    // axis it is on. The groups make their buttons from their items, so the form cannot name
    // them.
    m_ui.lawcaosradio->button(1)->setAccessibleName(
        QStringLiteral("Neutral, between law and chaos"));
    m_ui.goodevilradio->button(1)->setAccessibleName(
        QStringLiteral("Neutral, between good and evil"));
    scaleGeometry(this, scale);
    connectControls();
    // The model has run FormShow already; the widgets start from that state.
    mirrorModel();

    if (QScreen* s = screen()) {
        move(s->availableGeometry().center() - rect().center());
    }
}

TForm1::~TForm1() = default;

void TForm1::connectControls() {
    // Opening a saved character comes through a shortcut and the context menu, so that no
    // control moves.
    auto* open = new QAction(QStringLiteral("Open character..."), this);
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &TForm1::openRequested);
    addAction(open);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Each radio group hands its selection to the model's setter for it.
    const std::pair<RadioGroup*, bool (EligibilityModel::*)(int)> groups[] = {
        {m_ui.RadioGroup1, &EligibilityModel::setRace},
        {m_ui.lawcaosradio, &EligibilityModel::setLawChaos},
        {m_ui.goodevilradio, &EligibilityModel::setGoodEvil},
        {m_ui.GenderRadio, &EligibilityModel::setGender},
        {m_ui.RadioGroup3, &EligibilityModel::setLevelRange},
        {m_ui.RadioGroup2, &EligibilityModel::setDiceMethod},
    };
    for (const auto& [group, set] : groups) {
        connect(group, &RadioGroup::itemSelected, this,
                [this, set](int i) { forward([this, set, i] { (m_model.*set)(i); }); });
    }

    const auto boxes = m_ui.classBoxes();
    for (int i = 0; i < kClassBoxCount; ++i) {
        // toggled fires only on a real change, which is when the rules react.
        connect(boxes[static_cast<std::size_t>(i)], &QCheckBox::toggled, this,
                [this, i](bool checked) {
                    forward([this, i, checked] {
                        m_model.setClassTicked(static_cast<ClassBox>(i), checked);
                    });
                });
    }
    m_schoolGroup = new QButtonGroup(m_ui.Panel1);
    const auto schools = m_ui.schools();
    for (int s = 0; s < kSchoolCount; ++s) {
        m_schoolGroup->addButton(schools[static_cast<std::size_t>(s)], s);
    }
    // Selecting a school reacts; the button that loses the selection does not.
    connect(m_schoolGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            forward([this, id] { m_model.selectSchool(id); });
        }
    });
    connect(m_ui.CheckBox2, &QCheckBox::toggled, this, [this](bool checked) {
        forward([this, checked] { m_model.setRestrictionsLifted(checked); });
    });

    connect(m_ui.Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(m_ui.Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(m_ui.Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
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
    m_ui.RadioGroup1->setItemIndex(m_model.race());
    m_ui.lawcaosradio->setItemIndex(m_model.lawChaos());
    m_ui.goodevilradio->setItemIndex(m_model.goodEvil());
    const CharacterOptions o = m_model.options();
    m_ui.GenderRadio->setItemIndex(o.gender);
    m_ui.RadioGroup3->setItemIndex(o.levelRange);
    m_ui.RadioGroup2->setItemIndex(o.diceMethod);

    const auto boxes = m_ui.classBoxes();
    for (int i = 0; i < kClassBoxCount; ++i) {
        QCheckBox* box = boxes[static_cast<std::size_t>(i)];
        // A withdrawn box is disabled and keeps its tick.
        box->setChecked(m_model.ticked(static_cast<ClassBox>(i)));
        box->setEnabled(m_model.offered(static_cast<ClassBox>(i)));
    }
    const auto schools = m_ui.schools();
    const std::optional<int> school = m_model.school();
    if (school) {
        schools[static_cast<std::size_t>(*school)]->setChecked(true);
    } else if (QAbstractButton* checked = m_schoolGroup->checkedButton()) {
        // An exclusive group refuses to uncheck its checked button.
        m_schoolGroup->setExclusive(false);
        checked->setChecked(false);
        m_schoolGroup->setExclusive(true);
    }
    for (int s = 0; s < kSchoolCount; ++s) {
        schools[static_cast<std::size_t>(s)]->setEnabled(m_model.schoolOffered(s));
    }
    m_ui.Panel1->setVisible(m_model.panelVisible());
    m_ui.CheckBox2->setChecked(m_model.restrictionsLifted());
    mirrorReasons();
    m_mirroring = false;
}

void TForm1::mirrorReasons() {
    // Qt shows the hint of a disabled widget too, so hovering a greyed box explains it; an
    // offered box carries no text at all, for the mouse or for a screen reader.
    const auto say = [](QWidget* control, const Reason& why) {
        const QString text = QString::fromStdString(why.text());
        if (control->toolTip() != text) {
            control->setToolTip(text);
            control->setAccessibleDescription(text);
        }
    };
    const auto boxes = m_ui.classBoxes();
    for (int i = 0; i < kClassBoxCount; ++i) {
        say(boxes[static_cast<std::size_t>(i)], m_model.reason(static_cast<ClassBox>(i)));
    }
    const auto schools = m_ui.schools();
    for (int s = 0; s < kSchoolCount; ++s) {
        say(schools[static_cast<std::size_t>(s)], m_model.schoolReason(s));
    }
}

void TForm1::FormShow() {
    m_model.FormShow();
    mirrorModel();
}

void TForm1::Button1Click() {
    if (!generateAccepted(m_model.options())) {
        m_reporter(this, noClassMessage());
        return;
    }
    showResults();
}

void TForm1::showResults() {
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
        (focused ? focused : m_ui.Button1)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tavrel
