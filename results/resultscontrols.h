#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

#include "driverstate.h"
#include "labelrow.h"

class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tavrel {

// The results window's controls, by their names. All are children of the window and live as
// long as it does.
struct ResultsControls {
    // General
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button9 = nullptr;
    QLabel* genderlabel = nullptr;
    QLabel* hplabel = nullptr;
    QLabel* RaceLabel = nullptr;
    QLabel* classname = nullptr;
    QLabel* levellabel = nullptr;
    QLabel* algLAB = nullptr;
    QLabel* aclab = nullptr;
    QListWidget* armorlist = nullptr;

    // Ability Scores: labels and fields in the ability order, then exceptional strength.
    QGroupBox* GroupBox2 = nullptr;
    std::array<QLabel*, 6> abilityLabels{};
    std::array<QLineEdit*, 6> abilityFields{};
    QLineEdit* Edit8 = nullptr;

    // Special Abilities
    QGroupBox* GroupBox5 = nullptr;
    QLabel* wizspllab = nullptr;
    QLabel* prspllab = nullptr;
    QLabel* Thieflab = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label9 = nullptr;

    // Non-Weapon Proficiencies: the group lists General, Priest, Rogue, Warrior, Wizard.
    QGroupBox* GroupBox4 = nullptr;
    QListWidget* Nonweaponlist = nullptr;
    std::array<QLabel*, 5> groupLabels{};
    std::array<QComboBox*, 5> groupBoxes{};
    QPushButton* Button1 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button2 = nullptr;

    // Weapon Proficiencies: the class weapon boxes indexed by WeaponList.
    QGroupBox* GroupBox3 = nullptr;
    QListWidget* weaponlist = nullptr;
    std::array<QComboBox*, 5> weaponBoxes{};
    QPushButton* btclearweponslist = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button8 = nullptr;

    QPushButton* Button4 = nullptr;
    QPushButton* Savebtn = nullptr;
    QPushButton* btclosegen = nullptr;

    // Rows of labels that grow with their text.
    std::vector<LabelRow> rows;

    QLabel* strengthLabel() const { return abilityLabels[0]; }
    QComboBox* weaponBox(WeaponList list) const { return weaponBoxes[static_cast<int>(list)]; }
};

// Creates every control of the results window with its name, place, caption and hint, the
// places enlarged by `scale` for a larger desktop font (the window's font and size are already
// enlarged).
ResultsControls buildResultsControls(QDialog* window, qreal scale = 1.0);

// Rearranges the growing labels after their texts changed.
void relayoutLabels(ResultsControls& controls);

}  // namespace tavrel
