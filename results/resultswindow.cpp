#include "resultswindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <array>
#include <optional>

#include "appinfo.h"
#include "characterfile.h"
#include "checkedfile.h"
#include "fontscale.h"
#include "intervaltimer.h"
#include "namebox.h"
#include "nonweapons.h"
#include "sheet.h"
#include "weapons.h"

namespace tavrel {

namespace {

bool setTextIfChanged(QLabel* label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (label->text() == shown) {
        return false;
    }
    label->setText(shown);
    label->adjustSize();
    return true;
}

void setTextIfChanged(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
}

int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace

TForm2::TForm2(Generator& generator, OptionsCapture captureOptions, QWidget* parent, qreal scale)
    : QDialog(parent),
      m_generator(generator),
      m_captureOptions(std::move(captureOptions)),
      m_scale(scale),
      m_chooser(std::make_unique<FileDialogSavePathChooser>()),
      m_reporter(std::make_unique<MessageBoxReporter>()),
      m_question(std::make_unique<MessageBoxQuestion>()) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(appinfo::kName) + QStringLiteral(" - = Results Screen = -"));
    // A fixed single border with the system menu and the minimise box, and no maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(designFont(scale));
    setFixedSize(585, 338);
    scaleGeometry(this, scale);
    move(244, 187);
    setSizeGripEnabled(false);

    // Both timers run from creation with the intervals the engine starts with.
    m_revealTimer =
        new IntervalTimer(QStringLiteral("Timer1"), m_generator.state().revealInterval, this);
    m_fillTimer =
        new IntervalTimer(QStringLiteral("Timer2"), m_generator.state().fillInterval, this);
    connect(m_revealTimer, &IntervalTimer::timeout, this, &TForm2::Timer1Timer);
    connect(m_fillTimer, &IntervalTimer::timeout, this, &TForm2::Timer2Timer);

    // The new actions come through shortcuts and the window's context menu, so that no control
    // moves. Built with the window (not its controls), so that the shortcuts work at once.
    const auto action = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* a = new QAction(text, this);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    m_undoAction =
        action(QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), &TForm2::undoEdit);
    m_redoAction = action(QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                          &TForm2::redoEdit);
    m_previousAction = action(QStringLiteral("Previous character"),
                              QKeySequence(Qt::ALT | Qt::Key_Left), &TForm2::previousCharacter);
    m_nextAction = action(QStringLiteral("Next character"), QKeySequence(Qt::ALT | Qt::Key_Right),
                          &TForm2::nextCharacter);
    action(QStringLiteral("Open character..."), QKeySequence::Open,
           [this] { openCharacterFile(); });
    action(QStringLiteral("Save character..."), QKeySequence::Save, &TForm2::SavebtnClick);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    updateActions();

    // Hidden and disabled until the options window hands over.
    setEnabled(false);
}

TForm2::~TForm2() {
    // QDialog's destructor hides the window, which takes the focus from the Name box and ends
    // its typing; by then this window is no longer a TForm2, so nothing of it may answer.
    if (m_built) {
        m_ui.Memo1->disconnect(this);
    }
}

// The window is created with the program but seldom needed at once: its hundred controls and
// their fonts are built when it first shows, so the options window comes up without waiting
// for them.
void TForm2::buildControls() {
    m_built = true;
    buildResultsControls(m_ui, this, m_scale);
    connect(m_ui.Memo1, &QPlainTextEdit::textChanged, this, &TForm2::nameTyped);
    connect(m_ui.Memo1, &NameBox::typingEnded, this, [this] { m_generator.endTyping(); });
    connect(m_ui.Button9, &QPushButton::clicked, this, &TForm2::Button9Click);
    connect(m_ui.Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(m_ui.Button6, &QPushButton::clicked, this, &TForm2::Button6Click);
    connect(m_ui.btclearweponslist, &QPushButton::clicked, this, &TForm2::btclearweponslistClick);
    connect(m_ui.Button8, &QPushButton::clicked, this, &TForm2::Button8Click);
    connect(m_ui.Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(m_ui.Button7, &QPushButton::clicked, this, &TForm2::Button7Click);
    connect(m_ui.Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(m_ui.Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
    connect(m_ui.Savebtn, &QPushButton::clicked, this, &TForm2::SavebtnClick);
    connect(m_ui.btclosegen, &QPushButton::clicked, this, &TForm2::btclosegenClick);
    render();
}

const ResultsControls& TForm2::controls() {
    return ui();
}

ResultsControls& TForm2::ui() {
    if (!m_built) {
        buildControls();
    }
    return m_ui;
}

void TForm2::setVisible(bool visible) {
    if (visible) {
        ui();
    }
    QDialog::setVisible(visible);
}

void TForm2::setSavePathChooser(std::unique_ptr<SavePathChooser> chooser) {
    m_chooser = std::move(chooser);
}

void TForm2::setMessageReporter(std::unique_ptr<MessageReporter> reporter) {
    m_reporter = std::move(reporter);
}

void TForm2::setQuestion(std::unique_ptr<Question> question) {
    m_question = std::move(question);
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring the minimised window is a spontaneous show and must not reroll.
    if (event->spontaneous()) {
        return;
    }
    if (m_opened) {
        m_opened = false;
    } else {
        FormShow();
    }
    // The window would give focus back to the control that had it when it closed ("Exit");
    // a new character starts with focus on the default button, so that Enter rerolls.
    ui().Button4->setFocus(Qt::OtherFocusReason);
}

void TForm2::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        FormHide();
    }
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // Only "Exit" and the close box leave the window; Esc does nothing.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::FormShow() {
    generate(m_captureOptions());
}

void TForm2::Button4Click() {
    // The options of the character on screen: after stepping back to an earlier character, or
    // opening one, a reroll keeps its race and classes rather than the options window's.
    generate(m_generator.options());
}

void TForm2::generate(CharacterOptions options) {
    m_history.appendNew(shownEntry());
    m_generator.FormShow(options);
    afterEngineCall();
}

void TForm2::FormHide() {
    emit formHidden();
}

void TForm2::Timer1Timer() {
    m_generator.Timer1Timer();
    afterEngineCall();
}

void TForm2::Timer2Timer() {
    m_generator.Timer2Timer();
    afterEngineCall();
}

void TForm2::Button9Click() {
    // The character with its old name keeps its entry; the renamed one is a new entry.
    m_history.appendNew(shownEntry());
    m_generator.newName();
    afterEngineCall();
}

void TForm2::Button3Click() {
    const QComboBox* offered = ui().weaponBox(m_generator.state().offeredList);
    m_generator.addWeapon(offered->currentText().toStdString());
    afterEngineCall();
}

void TForm2::Button6Click() {
    const int row = selectedRow(ui().weaponlist);
    if (row < 0) {
        return;
    }
    m_generator.removeWeapon(row);
    afterEngineCall();
}

void TForm2::btclearweponslistClick() {
    m_generator.clearWeapons();
    afterEngineCall();
}

void TForm2::Button8Click() {
    // Only a weapon of the Warrior list can be a specialization; typed free text is ignored.
    const std::string text = ui().weaponBox(WeaponList::Warrior)->currentText().toStdString();
    if (const std::optional<int> entry = warriorEntryIndex(text)) {
        m_generator.specializeIn(*entry);
        afterEngineCall();
    }
}

void TForm2::Button2Click() {
    std::array<std::string, kNonWeaponGroups.size()> texts;
    std::array<std::string_view, kNonWeaponGroups.size()> choices;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = ui().groupBoxes()[i]->currentText().toStdString();
        choices[i] = texts[i];
    }
    m_generator.addNonWeapons(choices);
    for (QComboBox* box : ui().groupBoxes()) {
        box->setCurrentIndex(0);
    }
    afterEngineCall();
}

void TForm2::Button7Click() {
    const int row = selectedRow(ui().Nonweaponlist);
    if (row < 0) {
        return;
    }
    m_generator.deleteNonWeapon(row);
    afterEngineCall();
}

void TForm2::Button1Click() {
    m_generator.clearNonWeapons();
    afterEngineCall();
}

void TForm2::SavebtnClick() {
    const std::optional<QString> typed = m_chooser->chooseSavePath(this);
    if (!typed) {
        return;
    }
    const SaveTarget target = saveTarget(*typed, m_chooser->chosenFormat());
    // Formed only now, after the dialog has closed, from the record as it stands.
    std::optional<std::string> bytes = savedBytes(target.format);
    if (!bytes) {
        return;
    }
    if (QFileInfo::exists(target.path)) {
        // A file that holds exactly these bytes already loses nothing; any other is replaced
        // only when the user says so.
        if (fileHolds(target.path, *bytes)) {
            return;
        }
        const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(target.path));
        if (!m_question->ask(this, question)) {
            return;
        }
        // The reveal and the fill go on while the question is open: the file gets the
        // character as it stands once the user has answered.
        bytes = savedBytes(target.format);
        if (!bytes) {
            return;
        }
    }
    if (const std::optional<QString> error = writeCheckedFile(target.path, *bytes)) {
        m_reporter->reportError(this, *error);
    }
}

std::optional<std::string> TForm2::savedBytes(SaveFormat format) {
    if (format == SaveFormat::Sheet) {
        return characterSheet(m_generator.character());
    }
    // The window's dice follow real timers, so nothing reproduces the character: no origin.
    std::string json =
        characterJson({m_generator.options(), m_generator.character(), std::nullopt}) + '\n';
    // A typed name or a list grown by hand may pass what any reader accepts; such a file would
    // never open again, so it is not written.
    if (const CharacterReadResult check = readCharacterJson(json); !check.character) {
        m_reporter->reportError(
            this, QStringLiteral("Not saved: ") + QString::fromStdString(check.error));
        return std::nullopt;
    }
    return json;
}

bool TForm2::openCharacterFile(QWidget* dialogParent) {
    QWidget* parent = dialogParent != nullptr ? dialogParent : this;
    const std::optional<QString> path = m_chooser->chooseOpenPath(parent);
    if (!path) {
        return false;
    }
    const CharacterReadResult read = readCharacterFile(*path);
    if (!read.character) {
        m_reporter->reportError(parent, QString::fromStdString(read.error));
        return false;
    }
    showCharacter(*read.character);
    return true;
}

void TForm2::showCharacter(const SavedCharacter& saved) {
    if (m_history.empty() && m_generator.revealRunning()) {
        // The hidden start-up run of the reveal has not reseeded the dice yet; it would have,
        // before anything this character leads to (a new name, a reroll) draws from them.
        m_generator.random().reseedFromClock(m_generator.clock());
    }
    m_history.appendNew(shownEntry());
    m_generator.restore(saved.options, saved.character,
                        restoredState(saved.options, saved.character));
    m_opened = isHidden();
    afterEngineCall();
    if (m_built) {
        for (QListWidget* list : {ui().weaponlist, ui().Nonweaponlist}) {
            list->clearSelection();
        }
    }
}

void TForm2::previousCharacter() {
    if (m_generator.revealRunning() || m_generator.fillRunning() || !m_history.hasPrevious()) {
        return;
    }
    showEntry(*m_history.previous(shownEntry()));
}

void TForm2::nextCharacter() {
    if (m_generator.revealRunning() || m_generator.fillRunning() || !m_history.hasNext()) {
        return;
    }
    showEntry(*m_history.next(shownEntry()));
}

void TForm2::undoEdit() {
    if (!m_generator.revealRunning() && !m_generator.fillRunning() && m_generator.undo()) {
        afterEngineCall();
    }
}

void TForm2::redoEdit() {
    if (!m_generator.revealRunning() && !m_generator.fillRunning() && m_generator.redo()) {
        afterEngineCall();
    }
}

HistoryEntry TForm2::shownEntry() {
    HistoryEntry entry{m_generator.options(),
                       m_generator.character(),
                       m_generator.state(),
                       {},
                       m_generator.edits()};
    if (m_built) {
        Selections& s = entry.selections;
        s.weaponRow = selectedRow(ui().weaponlist);
        s.nonWeaponRow = selectedRow(ui().Nonweaponlist);
        for (std::size_t i = 0; i < s.groupChoice.size(); ++i) {
            s.groupChoice[i] = ui().groupBoxes()[i]->currentIndex();
            s.weaponChoice[i] = ui().weaponBoxes()[i]->currentText().toStdString();
        }
    }
    return entry;
}

void TForm2::showEntry(const HistoryEntry& entry) {
    m_generator.restore(entry.options, entry.character, entry.state, entry.edits);
    afterEngineCall();
    if (!m_built) {
        return;
    }
    const Selections& s = entry.selections;
    const auto select = [](QListWidget* list, int row) {
        list->clearSelection();
        if (row >= 0 && row < list->count()) {
            list->setCurrentRow(row);
        }
    };
    select(ui().weaponlist, s.weaponRow);
    select(ui().Nonweaponlist, s.nonWeaponRow);
    for (std::size_t i = 0; i < s.groupChoice.size(); ++i) {
        ui().groupBoxes()[i]->setCurrentIndex(s.groupChoice[i]);
        ui().weaponBoxes()[i]->setCurrentText(QString::fromStdString(s.weaponChoice[i]));
    }
}

void TForm2::updateActions() {
    const bool idle = !m_generator.revealRunning() && !m_generator.fillRunning();
    m_previousAction->setEnabled(idle && m_history.hasPrevious());
    m_nextAction->setEnabled(idle && m_history.hasNext());
    m_undoAction->setEnabled(idle && m_generator.edits().canUndo());
    m_redoAction->setEnabled(idle && m_generator.edits().canRedo());
}

void TForm2::btclosegenClick() {
    close();
}

void TForm2::nameTyped() {
    m_generator.setName(ui().Memo1->toPlainText().toStdString());
    updateActions();
}

void TForm2::afterEngineCall() {
    const DriverState& state = m_generator.state();
    m_revealTimer->setInterval(state.revealInterval);
    m_fillTimer->setInterval(state.fillInterval);
    updateActions();
    render();
}

void TForm2::render() {
    if (!m_built) {
        return;
    }
    const Character& c = m_generator.character();
    const QString name = QString::fromStdString(c.name);
    if (ui().Memo1->toPlainText() != name) {
        // The record already holds the name; the memo only has to show it.
        const QSignalBlocker blocker(ui().Memo1);
        ui().Memo1->setPlainText(name);
    }
    if (renderLabels()) {
        relayoutLabels(ui());
    }
    renderScores();
    renderList(ui().weaponlist, m_shownWeapons, c.weapons);
    renderList(ui().Nonweaponlist, m_shownNonWeapons, c.nonWeapons);
    renderOffered();
}

bool TForm2::renderLabels() {
    const Character& c = m_generator.character();
    bool changed = false;
    changed |= setTextIfChanged(ui().genderlabel, c.genderLine);
    changed |= setTextIfChanged(ui().hplabel, c.hitPointsLine);
    changed |= setTextIfChanged(ui().RaceLabel, c.raceLine);
    changed |= setTextIfChanged(ui().classname, c.classLine);
    changed |= setTextIfChanged(ui().levellabel, c.levelLine);
    changed |= setTextIfChanged(ui().algLAB, c.alignmentLine);
    changed |= setTextIfChanged(ui().aclab, c.armourLine);
    changed |= setTextIfChanged(ui().wizspllab, c.wizardSpellsLine);
    changed |= setTextIfChanged(ui().prspllab, c.priestSpellsLine);
    changed |= setTextIfChanged(ui().Thieflab, c.thiefLine);
    changed |= setTextIfChanged(ui().Label2, c.specialLine);
    changed |= setTextIfChanged(ui().Label9, c.scrollLine);
    return changed;
}

void TForm2::renderScores() {
    const Character& c = m_generator.character();
    for (std::size_t i = 0; i < ui().abilityFields().size(); ++i) {
        setTextIfChanged(ui().abilityFields()[i],
                         QString::fromStdString(scoreText(c.abilityScore[i])));
    }
    const QString text = QString::fromStdString(exceptionalStrengthText(c.exceptionalStrength));
    setTextIfChanged(ui().Edit8, text);
    ui().Edit8->setHidden(text.isEmpty());
    // The strength label keeps the size that leaves room for its slash; its text never grows.
    const QString strength =
        text.isEmpty() ? QStringLiteral("STR:       ") : QStringLiteral("STR:       /");
    if (ui().Label3->text() != strength) {
        ui().Label3->setText(strength);
    }
}

void TForm2::renderList(QListWidget* list, std::vector<std::string>& shown,
                        const std::vector<std::string>& entries) {
    const bool onlyAppended =
        shown.size() <= entries.size() && std::equal(shown.begin(), shown.end(), entries.begin());
    if (onlyAppended && shown.size() == entries.size()) {
        return;
    }
    if (!onlyAppended) {
        // Something was removed or the list started over: the old selection means nothing now.
        list->clear();
        shown.clear();
    }
    for (std::size_t i = shown.size(); i < entries.size(); ++i) {
        list->addItem(QString::fromStdString(entries[i]));
        shown.push_back(entries[i]);
    }
}

void TForm2::renderOffered() {
    const DriverState& state = m_generator.state();
    for (std::size_t i = 0; i < ui().weaponBoxes().size(); ++i) {
        const bool offered = static_cast<WeaponList>(i) == state.offeredList;
        if (ui().weaponBoxes()[i]->isHidden() == offered) {
            ui().weaponBoxes()[i]->setHidden(!offered);
        }
    }
    if (ui().Button8->isHidden() == state.specializeVisible) {
        ui().Button8->setHidden(!state.specializeVisible);
    }
}

}  // namespace tavrel
