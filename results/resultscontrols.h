#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

#include "driverstate.h"
#include "groupframe.h"
#include "labelrow.h"
#include "strengthlabel.h"

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tavrel {

// The results window's controls, each in the field of its object name. All are children of the
// window and live as long as it does.
struct ResultsControls {
    // General
    GroupFrame* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;  // "Name:"
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button9 = nullptr;  // "New name"
    QLabel* genderlabel = nullptr;
    QLabel* hplabel = nullptr;
    QLabel* RaceLabel = nullptr;
    QLabel* classname = nullptr;
    QLabel* levellabel = nullptr;
    QLabel* algLAB = nullptr;
    QLabel* aclab = nullptr;
    QListWidget* armorlist = nullptr;

    // Ability Scores: strength, constitution, dexterity, intelligence, wisdom, charisma, and the
    // exceptional strength beside strength.
    GroupFrame* GroupBox2 = nullptr;
    StrengthLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;

    // Special Abilities
    GroupFrame* GroupBox5 = nullptr;
    QLabel* wizspllab = nullptr;
    QLabel* prspllab = nullptr;
    QLabel* Thieflab = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label9 = nullptr;

    // Non-Weapon Proficiencies: the group lists General, Priest, Rogue, Warrior, Wizard.
    GroupFrame* GroupBox4 = nullptr;
    QListWidget* Nonweaponlist = nullptr;
    QLabel* Label10 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label11 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label12 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QLabel* Label13 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QLabel* Label14 = nullptr;
    QComboBox* ComboBox6 = nullptr;
    QPushButton* Button1 = nullptr;  // "Clear list"
    QPushButton* Button7 = nullptr;  // "Delete from list"
    QPushButton* Button2 = nullptr;  // "Add to list"

    // Weapon Proficiencies: the class weapon boxes lie on top of each other.
    GroupFrame* GroupBox3 = nullptr;
    QListWidget* weaponlist = nullptr;
    QComboBox* warriorweaponbox = nullptr;
    QComboBox* mageweaponbox = nullptr;
    QComboBox* Theifweaponbox = nullptr;
    QComboBox* priestweaponbox = nullptr;
    QComboBox* druidweaponbox = nullptr;
    QPushButton* btclearweponslist = nullptr;
    QPushButton* Button6 = nullptr;  // "Remove Weapon"
    QPushButton* Button3 = nullptr;  // "Add Weapon"
    QPushButton* Button8 = nullptr;  // "Specialize in"

    QPushButton* Button4 = nullptr;  // "ReRoll"
    QPushButton* Savebtn = nullptr;
    QPushButton* btclosegen = nullptr;  // "Exit"

    // Rows of labels that grow with their text.
    std::vector<LabelRow> rows;

    // The ability labels and fields in the ability order (Character::abilities).
    std::array<QLabel*, 6> abilityLabels() const {
        return {Label3, Label5, Label4, Label6, Label7, Label8};
    }
    std::array<QLineEdit*, 6> abilityFields() const {
        return {Edit2, Edit3, Edit4, Edit5, Edit6, Edit7};
    }
    // The non-weapon group lists in the order of kNonWeaponGroups.
    std::array<QComboBox*, 5> groupBoxes() const {
        return {ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6};
    }
    // The class weapon boxes indexed by WeaponList.
    std::array<QComboBox*, 5> weaponBoxes() const {
        return {warriorweaponbox, mageweaponbox, Theifweaponbox, priestweaponbox, druidweaponbox};
    }
    QComboBox* weaponBox(WeaponList list) const { return weaponBoxes()[static_cast<int>(list)]; }
};

// Creates every control of the results window with its name, place, caption and hint, the
// places enlarged by `scale` for a larger desktop font (the window's font and size are already
// enlarged).
ResultsControls buildResultsControls(QDialog* window, qreal scale = 1.0);

// Rearranges the growing labels after their texts changed.
void relayoutLabels(ResultsControls& controls);

}  // namespace tavrel
