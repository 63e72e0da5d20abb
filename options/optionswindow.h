#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "eligibility.h"
#include "ui_optionswindow.h"

class QButtonGroup;
class QDialog;

namespace tavrel {

// The options window's controls, as its form (optionswindow.ui) declares them, each in the
// field of its object name; all are children of the window and live as long as it does.
struct OptionsControls : Ui::TForm1 {
    // The class boxes in the model's order (ClassBox), and the school buttons in school order.
    std::array<QCheckBox*, kClassBoxCount> classBoxes() const {
        return {FighterBox, RangerBox, PaladinBox, MageBox, SpecialistBox,
                ClericBox,  DruidBox,  ThiefBox,   BardBox};
    }
    std::array<QRadioButton*, kSchoolCount> schools() const {
        return {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                RadioButton5, RadioButton6, RadioButton7, RadioButton8};
    }
};

// The options window: race, gender, level range, alignment, classes, specialist school and dice
// method, and "Generate!", which hands the choice to the results window. The eligibility rules
// live in the model; the window mirrors the model into its widgets and forwards every click of
// the user to it.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Shows a plain message to the user; tests put a recorder here so that nothing blocks.
    using MessageReporter = std::function<void(QWidget* parent, const QString& text)>;

    // `scale` enlarges the window and its font for a desktop font larger than the 8 points the
    // window was laid out for (see fontScale); 1 builds it as drawn.
    explicit TForm1(QWidget* parent = nullptr, qreal scale = 1.0);
    ~TForm1() override;

    // The windows that "Generate!" and "About" open modally; either may be left unset.
    void setResultsWindow(QDialog* results);
    void setAboutWindow(QDialog* about);
    void setMessageReporter(MessageReporter reporter);

    // The rules and the choices the controls show; model().options() is what "Generate!" takes.
    const EligibilityModel& model() const { return m_model; }
    // The window's controls, as the user sees them.
    const OptionsControls& controls() const { return m_ui; }

    // "       There is no Class selected!       "
    static QString noClassMessage();

public slots:
    void Button1Click();
    // Hides this window and runs the results window modally, showing this one again after it.
    void showResults();
    void Button3Click();
    void Button4Click();

signals:
    // The window was closed by "Exit" or the close box; the program ends with it.
    void closed();
    // Ctrl+O or the context menu: the user asks to open a saved character.
    void openRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectControls();
    void FormShow();
    // Runs a user action on the model and shows the outcome.
    void forward(const std::function<void()>& action);
    void mirrorModel();
    // A withdrawn class box or school button tells why, as its hint and to screen readers.
    void mirrorReasons();

    EligibilityModel m_model;
    bool m_mirroring = false;
    MessageReporter m_reporter;
    QPointer<QDialog> m_results;
    QPointer<QDialog> m_about;
    OptionsControls m_ui;
    QButtonGroup* m_schoolGroup = nullptr;
};

}  // namespace tavrel
