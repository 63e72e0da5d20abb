#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>

#include "armour.h"
#include "controltable.h"
#include "fontscale.h"
#include "groupframe.h"
#include "nonweapons.h"
#include "resultscontrols.h"
#include "strengthlabel.h"
#include "weapons.h"

namespace tavrel {

namespace {

using C = ResultsControls;
using Row = ControlRow<Fields<C, GroupFrame, QLabel, StrengthLabel, QPlainTextEdit, QPushButton,
                              QListWidget, QLineEdit, QComboBox>>;

constexpr const char* kStrengthHint =
    "An ability score representing a character's muscle power, endurance, and stamina.";
constexpr const char* kConstitutionHint =
    "An ability score that represents a character's general physique, hardiness, and state of "
    "health.";
constexpr const char* kDexterityHint =
    "An ability score representing a combination of a character's agility, reflexes, hand-eye "
    "coordination, and the like.";
constexpr const char* kIntelligenceHint =
    "An ability score representing a character's memory, reasoning, and learning ability.";
constexpr const char* kWisdomHint =
    "An ability score representing a composite of a character's intuition, judgment, common "
    "sense, and will power.";
constexpr const char* kCharismaHint =
    "An ability score representing a character's persuasiveness, personal magnetism, and "
    "ability to lead.";
constexpr const char* kGeneralHint = "A list of proficiencies all characters can get";
constexpr const char* kPriestHint = "A list of proficiencies cleric-oriented characters can get";
constexpr const char* kRogueHint = "A list of proficiencies Rogue-oriented characters can get";
constexpr const char* kWarriorHint = "A list of proficiencies Wariror-oriented characters can get";
constexpr const char* kWizardHint = "A list of proficiencies Wizzard-oriented characters can get";

std::span<const std::string_view> entries(NonWeaponGroup group) {
    return nonWeaponGroupEntries(group);
}
std::span<const std::string_view> entries(WeaponList list) {
    return weaponListEntries(list);
}
// A class weapon box is editable where the engine lets its list take typed text.
unsigned typing(WeaponList list) {
    return weaponListTakesTypedText(list) ? kEditable : kPlain;
}

// clang-format off
// The window's controls in the order they are created. A label given no size takes the size of
// its text; the label rows below keep the growing ones apart. The ability labels are created
// before the fields, so the fields lie above them: the blanks of "STR:       " run under the
// strength field and only the slash shows beside it. The five class weapon boxes lie on top of
// each other; each generation shows the one it offers, and which of them take typing is the
// engine's rule. The name field is six pixels narrower than drawn, and "Delete from list"
// widened to the left into the gap after "Clear list": wider faces need the room for "New name"
// and for its caption.
const auto& controlTable() {
    static const auto rows = std::to_array<Row>({
// field, object name, parent, {x, y, width, height}, caption, hint, spoken name, flags, items
    {&C::GroupBox1,         "GroupBox1",         "",          {  2,   0, 583,  79}, "General"},
    {&C::Label1,            "Label1",            "GroupBox1", {  8,  16}, "Name:"},
    {&C::Memo1,             "Memo1",             "GroupBox1", { 40,  12, 475,  21}, {}, {}, "Name"},
    {&C::Button9,           "Button9",           "GroupBox1", {516,  12,  64,  21}, "New name", "Click to genereate a new name"},
    {&C::genderlabel,       "genderlabel",       "GroupBox1", {  8,  40}, "Gender:"},
    {&C::hplabel,           "hplabel",           "GroupBox1", { 96,  40}, "Hit points:",
     "How much damage a character can suffer before being killed, determined by Hit Dice"},
    {&C::RaceLabel,         "RaceLabel",         "GroupBox1", {176,  40}, "Race:",
     "A player character's species: human, elf, dwarf, gnome, half-elf, or halfling."},
    {&C::classname,         "classname",         "GroupBox1", {248,  40}, "Class:", "A character's primary profession or career."},
    {&C::levellabel,        "levellabel",        "GroupBox1", {520,  40}, "Level",
     "A measure of the character's power, starting at the 1st level as a beginning adventurer "
     "and rising to the 20th level or higher"},
    {&C::algLAB,            "algLAB",            "GroupBox1", {  8,  56}, "",
     "A factor in defining a player character that reflects his basic attitude toward.society "
     "and the forces of the universe"},
    {&C::aclab,             "aclab",             "GroupBox1", {136,  56}, "",
     "A rating for the protective value of a type of armor, figured from 10 (no armor at all) to "
     "0 or even -10 (the best magical armor). The higher the AC, the more vulnerable the "
     "character is to attack."},
    // Never shown: it only holds the armour texts, followed by one empty item.
    {&C::armorlist,         "armorlist",         "GroupBox1", {320,  40,  65,  25}, {}, {}, "Armour types", kHidden, kArmourTexts},

    {&C::GroupBox2,         "GroupBox2",         "",          {  2,  80, 105, 161}, "Ability Scores"},
    {&C::Label3,            "Label3",            "GroupBox2", {  8,  20}, "STR:       ", kStrengthHint},
    {&C::Label5,            "Label5",            "GroupBox2", {  8,  44}, "CON:",
     kConstitutionHint},
    {&C::Label4,            "Label4",            "GroupBox2", {  8,  68}, "DEX:",
     kDexterityHint},
    {&C::Label6,            "Label6",            "GroupBox2", {  8,  92}, "INT:",
     kIntelligenceHint},
    {&C::Label7,            "Label7",            "GroupBox2", {  8, 116}, "WIS:",
     kWisdomHint},
    {&C::Label8,            "Label8",            "GroupBox2", {  8, 140}, "CHA:",
     kCharismaHint},
    {&C::Edit2,             "Edit2",             "GroupBox2", { 40,  16,  25,  21}, {}, kStrengthHint, "Strength", kReadOnly},
    {&C::Edit3,             "Edit3",             "GroupBox2", { 40,  40,  25,  21}, {},
     kConstitutionHint, "Constitution", kReadOnly},
    {&C::Edit4,             "Edit4",             "GroupBox2", { 40,  64,  25,  21}, {},
     kDexterityHint, "Dexterity", kReadOnly},
    {&C::Edit5,             "Edit5",             "GroupBox2", { 40,  88,  25,  21}, {},
     kIntelligenceHint,
     "Intelligence", kReadOnly},
    {&C::Edit6,             "Edit6",             "GroupBox2", { 40, 112,  25,  21}, {},
     kWisdomHint, "Wisdom", kReadOnly},
    {&C::Edit7,             "Edit7",             "GroupBox2", { 40, 136,  25,  21}, {},
     kCharismaHint, "Charisma", kReadOnly},
    {&C::Edit8,             "Edit8",             "GroupBox2", { 72,  16,  25,  21}, {}, kStrengthHint, "Exceptional strength", kReadOnly | kHidden},

    {&C::GroupBox5,         "GroupBox5",         "",          {112,  80, 313,  81}, "Special Abilities:", "Abilities special to this class (combination)"},
    {&C::wizspllab,         "wizspllab",         "GroupBox5", {  8,  16}},
    {&C::prspllab,          "prspllab",          "GroupBox5", {168,  16}},
    {&C::Thieflab,          "Thieflab",          "GroupBox5", {  8,  32}},
    {&C::Label2,            "Label2",            "GroupBox5", {  8,  48}},
    {&C::Label9,            "Label9",            "GroupBox5", {  8,  64}},

    {&C::GroupBox4,         "GroupBox4",         "",          {112, 160, 313, 177}, "Non-Weapon Proficiencies:"},
    {&C::Nonweaponlist,     "Nonweaponlist",     "GroupBox4", {  8,  16, 121, 121}, {},
     "A learned skill not defined class but giving a greater percentage chance to accomplish a "
     "specific task.", "Non-weapon proficiencies"},
    {&C::Label10,           "Label10",           "GroupBox4", {138,  20}, "General:", kGeneralHint},
    {&C::ComboBox2,         "ComboBox2",         "GroupBox4", {182,  15, 121,  21}, {}, kGeneralHint, "General proficiencies", kPlain, entries(NonWeaponGroup::General)},
    {&C::Label11,           "Label11",           "GroupBox4", {138,  44}, "Priest:", kPriestHint},
    {&C::ComboBox3,         "ComboBox3",         "GroupBox4", {182,  39, 121,  21}, {}, kPriestHint, "Priest proficiencies", kPlain, entries(NonWeaponGroup::Priest)},
    {&C::Label12,           "Label12",           "GroupBox4", {138,  68}, "Rogue:", kRogueHint},
    {&C::ComboBox4,         "ComboBox4",         "GroupBox4", {182,  63, 121,  21}, {}, kRogueHint, "Rogue proficiencies", kPlain, entries(NonWeaponGroup::Rogue)},
    {&C::Label13,           "Label13",           "GroupBox4", {138,  92}, "Warrior:", kWarriorHint},
    {&C::ComboBox5,         "ComboBox5",         "GroupBox4", {182,  87, 121,  21}, {}, kWarriorHint, "Warrior proficiencies", kPlain, entries(NonWeaponGroup::Warrior)},
    {&C::Label14,           "Label14",           "GroupBox4", {138, 116}, "Wizard:", kWizardHint},
    {&C::ComboBox6,         "ComboBox6",         "GroupBox4", {182, 112, 121,  21}, {}, kWizardHint, "Wizard proficiencies", kPlain, entries(NonWeaponGroup::Wizard)},
    {&C::Button1,           "Button1",           "GroupBox4", {  8, 144,  83,  25}, "Clear list", "Clears the list of non weapon proficiencies"},
    {&C::Button7,           "Button7",           "GroupBox4", {117, 144,  92,  25}, "Delete from list", "Removes proficiency from the list"},
    {&C::Button2,           "Button2",           "GroupBox4", {216, 144,  83,  25}, "Add to list", "Adds selected proficiency to the list"},

    {&C::GroupBox3,         "GroupBox3",         "",          {432,  80, 153, 257}, "Weapon Proficiencies"},
    {&C::weaponlist,        "weaponlist",        "GroupBox3", {  6,  16, 142,  89}, {},
     "Weapons this characters can use without penalties.", "Weapon proficiencies"},
    {&C::warriorweaponbox,  "warriorweaponbox",  "GroupBox3", {  6, 112, 143,  21}, {}, {}, "Weapon to add", typing(WeaponList::Warrior) | kHidden, entries(WeaponList::Warrior)},
    {&C::mageweaponbox,     "mageweaponbox",     "GroupBox3", {  6, 112, 143,  21}, {}, {}, "Weapon to add", typing(WeaponList::Mage) | kHidden, entries(WeaponList::Mage)},
    {&C::Theifweaponbox,    "Theifweaponbox",    "GroupBox3", {  6, 112, 143,  21}, {}, {}, "Weapon to add", typing(WeaponList::Thief) | kHidden, entries(WeaponList::Thief)},
    {&C::priestweaponbox,   "priestweaponbox",   "GroupBox3", {  6, 112, 143,  21}, {}, {}, "Weapon to add", typing(WeaponList::Priest) | kHidden, entries(WeaponList::Priest)},
    {&C::druidweaponbox,    "druidweaponbox",    "GroupBox3", {  6, 112, 143,  21}, {}, {}, "Weapon to add", typing(WeaponList::Druid), entries(WeaponList::Druid)},
    {&C::btclearweponslist, "btclearweponslist", "GroupBox3", {  7, 136, 141,  25}, "Clear List", "Clears the list of weapon proficiencies"},
    {&C::Button6,           "Button6",           "GroupBox3", {  7, 166, 141,  25}, "Remove Weapon", "Removes selected weapon from the list"},
    {&C::Button3,           "Button3",           "GroupBox3", {  7, 196, 141,  25}, "Add Weapon", "Adds selected weapon to the list"},
    {&C::Button8,           "Button8",           "GroupBox3", {  8, 226, 141,  25}, "Specialize in", "Changes spesialization (Single classed fighters only)", {}, kHidden},

    {&C::Button4,           "Button4",           "",          {  2, 244, 105,  25}, "ReRoll", "Generates a new character", {}, kDefault},
    {&C::Savebtn,           "Savebtn",           "",          {  2, 272, 105,  25}, "Save Character"},
    {&C::btclosegen,        "btclosegen",        "",          {  2, 312, 105,  25}, "Exit", "Duh!"},
    });
    return rows;
}

// Tab reads the window as it is laid out: the name row, then the columns from left to right,
// each from top to bottom (the exceptional strength field sits beside the strength field).
constexpr auto kTabOrder = std::to_array<std::string_view>({
    "Memo1", "Button9", "Edit2", "Edit8", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7",
    "Button4", "Savebtn", "btclosegen",
    "Nonweaponlist", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6",
    "Button1", "Button7", "Button2",
    "weaponlist", "warriorweaponbox", "mageweaponbox", "Theifweaponbox", "priestweaponbox",
    "druidweaponbox", "btclearweponslist", "Button6", "Button3", "Button8"});
// clang-format on

// Takes Enter in a typed weapon list: the list inserts nothing, and letting the key reach the
// window would press "ReRoll" and throw the character away while the user edits its weapons.
class KeepEnter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                event->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// A label's right edge may reach up to this far inside its group box's frame.
constexpr int kFrameInset = 4;

// What the table cannot say: how the growing labels share their rows, how the drop-downs and
// the name field behave, and the bold ability captions.
void finish(ResultsControls& c, QWidget* window) {
    c.Label1->setBuddy(c.Memo1);
    // One line of text in a 21 pixel box, its lines wrapping; the scroll bar reaches the rest.
    c.Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    c.Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.Memo1->setTabChangesFocus(true);
    // One line of text in a 21 pixel box leaves no room for the usual document margin.
    c.Memo1->document()->setDocumentMargin(1);
    c.armorlist->addItem(QString());

    // The slash shows centred in the gap between the strength and exceptional strength fields.
    c.Label3->setSlashCentre((c.Edit2->geometry().right() + 1 + c.Edit8->x()) / 2);
    QFont bold = window->font();
    bold.setBold(true);
    for (QLabel* l : c.abilityLabels()) {
        l->setFont(bold);
        l->adjustSize();
    }

    const auto groupLabels = std::array{c.Label10, c.Label11, c.Label12, c.Label13, c.Label14};
    const auto groupBoxes = c.groupBoxes();
    for (std::size_t i = 0; i < groupBoxes.size(); ++i) {
        // Selection-only; each list starts on its blank entry, which stands for no choice. On
        // some desktops a drop-down is announced by the label it is the buddy of.
        groupLabels[i]->setBuddy(groupBoxes[i]);
        groupBoxes[i]->setCurrentIndex(0);
    }
    for (QComboBox* box : c.weaponBoxes()) {
        box->setCurrentIndex(-1);
        // A screen reader lands in the typing field of an editable box and reads its own name.
        if (QLineEdit* field = box->lineEdit()) {
            field->setAccessibleName(box->accessibleName());
            // Enter takes the typed text as it stands; it never becomes an entry of the list.
            box->setInsertPolicy(QComboBox::NoInsert);
            box->completer()->setCaseSensitivity(Qt::CaseSensitive);
            field->installEventFilter(new KeepEnter(box));
        }
    }
    for (QComboBox* box : window->findChildren<QComboBox*>()) {
        box->setMaxVisibleItems(8);
    }
    for (QListWidget* list : {c.armorlist, c.Nonweaponlist, c.weaponlist}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }

    const int generalRight = c.GroupBox1->width() - kFrameInset;
    c.rows.emplace_back(c.Memo1->x() - 1);
    c.rows.back().add(c.Label1, 8);
    c.rows.emplace_back(generalRight);
    c.rows.back().add(c.genderlabel, 8);
    c.rows.back().add(c.hplabel, 96);
    c.rows.back().add(c.RaceLabel, 176);
    c.rows.back().add(c.classname, 248);
    c.rows.back().add(c.levellabel, 520);
    c.rows.emplace_back(generalRight);
    c.rows.back().add(c.algLAB, 8);
    c.rows.back().add(c.aclab, 136);

    const auto abilityLabels = c.abilityLabels();
    const auto abilityFields = c.abilityFields();
    for (std::size_t i = 1; i < abilityLabels.size(); ++i) {
        c.rows.emplace_back(abilityFields[i]->x() - 1);
        c.rows.back().add(abilityLabels[i], 8);
    }

    const int specialRight = c.GroupBox5->width() - kFrameInset;
    c.rows.emplace_back(specialRight);
    c.rows.back().add(c.wizspllab, 8);
    c.rows.back().add(c.prspllab, 168);
    for (QLabel* l : {c.Thieflab, c.Label2, c.Label9}) {
        c.rows.emplace_back(specialRight);
        c.rows.back().add(l, 8);
    }
    for (std::size_t i = 0; i < groupBoxes.size(); ++i) {
        c.rows.emplace_back(groupBoxes[i]->x() - 1);
        c.rows.back().add(groupLabels[i], 138);
    }
}

}  // namespace

ResultsControls buildResultsControls(QDialog* window, qreal scale) {
    ResultsControls c;
    const ControlIndex index = buildControls(window, c, controlTable());
    finish(c, window);
    setTabOrder(index, kTabOrder);

    // Built at the design's places, then enlarged with the designed edges the labels keep to;
    // the labels are arranged once, in the fonts the window already has at its final size.
    scaleControls(window, scale);
    if (scale > 1.0) {
        for (LabelRow& row : c.rows) {
            row.scale(scale);
        }
        c.Label3->scale(scale);
    }
    for (QLabel* l : c.abilityLabels()) {
        l->adjustSize();
    }
    relayoutLabels(c);
    return c;
}

void relayoutLabels(ResultsControls& controls) {
    for (LabelRow& row : controls.rows) {
        row.relayout();
    }
}

}  // namespace tavrel
