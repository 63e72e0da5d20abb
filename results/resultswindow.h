#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "characterhistory.h"
#include "characterjson.h"
#include "characteroptions.h"
#include "generator.h"
#include "messagereporter.h"
#include "question.h"
#include "resultscontrols.h"
#include "savepathchooser.h"

class QAction;
class QListWidget;

namespace tavrel {

class IntervalTimer;

// The results window. It shows the one Character of the generator, realises the engine's two
// timers, and forwards the user's edits to the engine; it never changes the record itself.
// Created once, hidden and disabled; the options window enables it and runs it modally. Both
// timers run from creation, so the hidden start-up run of the reveal reseeds the random
// generator before the first character is made.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    using OptionsCapture = std::function<CharacterOptions()>;

    // `scale` enlarges the window and its font for a desktop font larger than the 8 points the
    // window was laid out for (see fontScale); 1 builds it as drawn.
    TForm2(Generator& generator, OptionsCapture captureOptions, QWidget* parent = nullptr,
           qreal scale = 1.0);
    ~TForm2() override;

    // Seams for the save dialog, the error box and the question before a file is replaced; the
    // window starts with the real ones.
    void setSavePathChooser(std::unique_ptr<SavePathChooser> chooser);
    void setMessageReporter(std::unique_ptr<MessageReporter> reporter);
    void setQuestion(std::unique_ptr<Question> question);

    // The window's controls, as the user sees them.
    const ResultsControls& controls();
    void setVisible(bool visible) override;
    IntervalTimer& revealTimer() { return *m_revealTimer; }
    IntervalTimer& fillTimer() { return *m_fillTimer; }

    // Every character shown in this run (see CharacterHistory).
    const CharacterHistory& history() const { return m_history; }
    // How many characters the history keeps; before the first character only.
    void setHistoryCapacity(std::size_t capacity) { m_history = CharacterHistory(capacity); }
    // Shows a saved character at once, with no reveal and the timers stopped, as a new entry of
    // the history. Called while the window is hidden, it is what the window shows next instead
    // of a new generation.
    void showCharacter(const SavedCharacter& saved);
    // Asks for a character file (the dialog over `dialogParent`, or this window) and shows it.
    // A file that cannot be read or is invalid is reported and changes nothing. Returns whether
    // a character was opened.
    bool openCharacterFile(QWidget* dialogParent = nullptr);

signals:
    // The window was hidden (closed by "Exit" or the close box): the options window shows again.
    void formHidden();

public slots:
    // A new character from the options as they are now: on showing the window and on "ReRoll".
    void FormShow();
    void Timer1Timer();
    void Timer2Timer();
    // "ReRoll": a new character from the options of the one shown.
    void Button4Click();
    // Alt+Left and Alt+Right, and the context menu: the character shown before or after this
    // one. Nothing happens while the reveal or the fill runs.
    void previousCharacter();
    void nextCharacter();
    // Ctrl+Z and Ctrl+Shift+Z, and the context menu: take back the last edit of the shown
    // character, or make the last one taken back again. Idle only, as above; while the Name box
    // has the focus, the keys undo and redo the typing in the box instead.
    void undoEdit();
    void redoEdit();

    void Button9Click();            // "New name"
    void Button3Click();            // "Add Weapon"
    void Button6Click();            // "Remove Weapon"
    void btclearweponslistClick();  // "Clear List"
    void Button8Click();            // "Specialize in"
    void Button2Click();            // "Add to list"
    void Button7Click();            // "Delete from list"
    void Button1Click();            // "Clear list"
    void SavebtnClick();            // "Save Character"
    void btclosegenClick();         // "Exit"

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormHide();
    // A new character from `options`; the one shown keeps its entry in the history.
    void generate(CharacterOptions options);
    void nameTyped();
    // Realises the engine's timer intervals and shows what the engine call changed.
    void afterEngineCall();
    void render();
    bool renderLabels();
    void renderScores();
    void renderList(QListWidget* list, std::vector<std::string>& shown,
                    const std::vector<std::string>& entries);
    void renderOffered();
    // Builds the controls from the form and wires them; building renders the record as it
    // stands. Only ui() calls it.
    void buildControls();
    // The controls, built on first use. Every entry point reaches them through here, so each
    // works whenever it is called, before the window first showed or after.
    ResultsControls& ui();
    // What is on screen now, for the history; and bringing an entry back onto the screen.
    HistoryEntry shownEntry();
    void showEntry(const HistoryEntry& entry);
    void updateActions();
    // What a save in `format` writes, or nullopt after telling the user why nothing can be.
    std::optional<std::string> savedBytes(SaveFormat format);

    Generator& m_generator;
    OptionsCapture m_captureOptions;
    qreal m_scale;
    ResultsControls m_ui;  // empty until built; read through ui()
    bool m_built = false;
    IntervalTimer* m_revealTimer = nullptr;
    IntervalTimer* m_fillTimer = nullptr;
    std::unique_ptr<SavePathChooser> m_chooser;
    std::unique_ptr<MessageReporter> m_reporter;
    std::unique_ptr<Question> m_question;
    // What the list boxes show, so a tick that only appends keeps the user's selection.
    std::vector<std::string> m_shownWeapons;
    std::vector<std::string> m_shownNonWeapons;
    CharacterHistory m_history;
    // Set while the window is hidden and holds an opened character: the next showing shows it
    // rather than starting a generation.
    bool m_opened = false;
    QAction* m_previousAction = nullptr;
    QAction* m_nextAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};

}  // namespace tavrel
