#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

#include "driverstate.h"
#include "labelrow.h"
#include "ui_resultswindow.h"

namespace tavrel {

// The results window's controls, as its form (resultswindow.ui) declares them, each in the field
// of its object name; all are children of the window and live as long as it does.
struct ResultsControls : Ui::TForm2 {
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

// Creates every control of the results window from its form and gives them what the form cannot
// say (the engine's lists, the bold ability captions, the rows of growing labels), the places
// enlarged by `scale` for a larger desktop font (the window's font and size are already
// enlarged).
void buildResultsControls(ResultsControls& controls, QDialog* window, qreal scale = 1.0);

// Rearranges the growing labels after their texts changed.
void relayoutLabels(ResultsControls& controls);

}  // namespace tavrel
