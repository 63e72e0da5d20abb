#pragma once

#include <array>

#include "eligibility.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tavrel {

class RadioGroup;

// The options window's controls, each in the field of its object name. All are children of the
// window and live as long as it does.
struct OptionsControls {
    RadioGroup* RadioGroup1 = nullptr;  // Race
    RadioGroup* GenderRadio = nullptr;
    RadioGroup* RadioGroup3 = nullptr;  // Level Range

    // Character Class: the class boxes, and the panel of specialist schools below them.
    QGroupBox* ClassBox = nullptr;
    QCheckBox* FighterBox = nullptr;
    QCheckBox* RangerBox = nullptr;
    QCheckBox* PaladinBox = nullptr;
    QCheckBox* ClericBox = nullptr;
    QCheckBox* DruidBox = nullptr;
    QCheckBox* ThiefBox = nullptr;
    QCheckBox* BardBox = nullptr;
    QCheckBox* MageBox = nullptr;
    QCheckBox* SpecialistBox = nullptr;
    QFrame* Panel1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;  // Abjurer
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QRadioButton* RadioButton7 = nullptr;
    QRadioButton* RadioButton8 = nullptr;  // Transmuter

    QGroupBox* AlignmentBox2 = nullptr;
    RadioGroup* lawcaosradio = nullptr;
    RadioGroup* goodevilradio = nullptr;
    RadioGroup* RadioGroup2 = nullptr;  // Dice method

    QPushButton* Button1 = nullptr;  // "Generate!"
    QPushButton* Button4 = nullptr;  // "About"
    QPushButton* Button3 = nullptr;  // "Exit"
    QCheckBox* CheckBox2 = nullptr;  // lifts the restrictions

    // The class boxes in the model's order (ClassBox), and the school buttons in school order.
    std::array<QCheckBox*, kClassBoxCount> classBoxes() const;
    std::array<QRadioButton*, kSchoolCount> schools() const;
};

// Creates every control of the options window at its design place, with its caption and hint.
OptionsControls buildOptionsControls(QWidget* window);

}  // namespace tavrel
