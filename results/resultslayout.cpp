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
#include "fontscale.h"
#include "groupframe.h"
#include "nonweapons.h"
#include "resultscontrols.h"
#include "strengthlabel.h"
#include "weapons.h"

namespace tavrel {

namespace {

// Positions and sizes are the window's design, in pixels within the parent.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

template <typename W>
W* make(QWidget* parent, const char* name, const Box& box) {
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(box.left, box.top, box.width, box.height);
    return widget;
}

QGroupBox* group(QWidget* parent, const char* name, const char* caption, const Box& box) {
    auto* g = new GroupFrame(QString::fromUtf8(caption), parent);
    g->setObjectName(QLatin1String(name));
    g->setGeometry(box.left, box.top, box.width, box.height);
    return g;
}

// A label that sizes itself to its text, like every label of the window.
QLabel* label(QWidget* parent, const char* name, int left, int top, const char* caption,
              const char* hint = nullptr) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->move(left, top);
    l->adjustSize();
    if (hint) {
        l->setToolTip(QString::fromUtf8(hint));
    }
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const Box& box, const char* caption,
                    const char* hint = nullptr) {
    auto* b = make<QPushButton>(parent, name, box);
    b->setText(QString::fromUtf8(caption));
    if (hint) {
        b->setToolTip(QString::fromUtf8(hint));
    }
    return b;
}

QListWidget* listBox(QWidget* parent, const char* name, const Box& box, const char* hint) {
    auto* l = make<QListWidget>(parent, name, box);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    if (hint) {
        l->setToolTip(QString::fromUtf8(hint));
    }
    return l;
}

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

QComboBox* dropDown(QWidget* parent, const char* name, const Box& box,
                    std::span<const std::string_view> entries, bool editable) {
    auto* c = make<QComboBox>(parent, name, box);
    for (std::string_view e : entries) {
        c->addItem(QString::fromUtf8(e.data(), static_cast<qsizetype>(e.size())));
    }
    c->setMaxVisibleItems(8);
    if (editable) {
        c->setEditable(true);
        // Enter takes the typed text as it stands; it never becomes an entry of the list.
        c->setInsertPolicy(QComboBox::NoInsert);
        c->completer()->setCaseSensitivity(Qt::CaseSensitive);
        c->lineEdit()->installEventFilter(new KeepEnter(c));
    }
    return c;
}

QLineEdit* scoreField(QWidget* parent, const char* name, int left, int top, const char* hint) {
    auto* e = make<QLineEdit>(parent, name, {left, top, 25, 21});
    e->setReadOnly(true);
    e->setToolTip(QString::fromUtf8(hint));
    return e;
}

// The text field of the one-line name memo: lines wrap, and the scroll bar reaches the rest.
QPlainTextEdit* nameMemo(QWidget* parent) {
    // Six pixels narrower than drawn: "New name" beside it needs them in wider faces.
    auto* m = make<QPlainTextEdit>(parent, "Memo1", {40, 12, 475, 21});
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setTabChangesFocus(true);
    // One line of text in a 21 pixel box leaves no room for the usual document margin.
    m->document()->setDocumentMargin(1);
    return m;
}

constexpr const char* kStrengthHint =
    "An ability score representing a character's muscle power, endurance, and stamina.";

struct AbilityRow {
    const char* label;
    const char* caption;
    const char* field;
    const char* hint;
    // What screen readers call the field, whose caption is an abbreviation beside it.
    const char* name;
};

constexpr std::array<AbilityRow, 6> kAbilityRows{{
    {"Label3", "STR:       ", "Edit2", kStrengthHint, "Strength"},
    {"Label5", "CON:", "Edit3",
     "An ability score that represents a character's general physique, hardiness, and state of "
     "health.",
     "Constitution"},
    {"Label4", "DEX:", "Edit4",
     "An ability score representing a combination of a character's agility, reflexes, hand-eye "
     "coordination, and the like.",
     "Dexterity"},
    {"Label6", "INT:", "Edit5",
     "An ability score representing a character's memory, reasoning, and learning ability.",
     "Intelligence"},
    {"Label7", "WIS:", "Edit6",
     "An ability score representing a composite of a character's intuition, judgment, common "
     "sense, and will power.",
     "Wisdom"},
    {"Label8", "CHA:", "Edit7",
     "An ability score representing a character's persuasiveness, personal magnetism, and ability "
     "to lead.",
     "Charisma"},
}};

struct GroupRow {
    const char* label;
    const char* caption;
    const char* box;
    int labelTop;
    int boxTop;
    const char* hint;
    const char* name;  // for screen readers
};

constexpr std::array<GroupRow, 5> kGroupRows{{
    {"Label10", "General:", "ComboBox2", 20, 15, "A list of proficiencies all characters can get",
     "General proficiencies"},
    {"Label11", "Priest:", "ComboBox3", 44, 39,
     "A list of proficiencies cleric-oriented characters can get", "Priest proficiencies"},
    {"Label12", "Rogue:", "ComboBox4", 68, 63,
     "A list of proficiencies Rogue-oriented characters can get", "Rogue proficiencies"},
    {"Label13", "Warrior:", "ComboBox5", 92, 87,
     "A list of proficiencies Wariror-oriented characters can get", "Warrior proficiencies"},
    {"Label14", "Wizard:", "ComboBox6", 116, 112,
     "A list of proficiencies Wizzard-oriented characters can get", "Wizard proficiencies"},
}};

// A label's right edge may reach up to this far inside its group box's frame.
constexpr int kFrameInset = 4;

void buildGeneral(ResultsControls& c, QWidget* window) {
    QGroupBox* g = c.GroupBox1 = group(window, "GroupBox1", "General", {2, 0, 583, 79});
    c.Label1 = label(g, "Label1", 8, 16, "Name:");
    c.Memo1 = nameMemo(g);
    c.Memo1->setAccessibleName(QStringLiteral("Name"));
    c.Label1->setBuddy(c.Memo1);
    c.Button9 =
        button(g, "Button9", {516, 12, 64, 21}, "New name", "Click to genereate a new name");
    c.genderlabel = label(g, "genderlabel", 8, 40, "Gender:");
    c.hplabel = label(g, "hplabel", 96, 40, "Hit points:",
                      "How much damage a character can suffer before being killed, determined by "
                      "Hit Dice");
    c.RaceLabel = label(g, "RaceLabel", 176, 40, "Race:",
                        "A player character's species: human, elf, dwarf, gnome, half-elf, or "
                        "halfling.");
    c.classname =
        label(g, "classname", 248, 40, "Class:", "A character's primary profession or career.");
    c.levellabel = label(g, "levellabel", 520, 40, "Level",
                         "A measure of the character's power, starting at the 1st level as a "
                         "beginning adventurer and rising to the 20th level or higher");
    c.algLAB = label(g, "algLAB", 8, 56, "",
                     "A factor in defining a player character that reflects his basic attitude "
                     "toward.society and the forces of the universe");
    c.aclab = label(g, "aclab", 136, 56, "",
                    "A rating for the protective value of a type of armor, figured from 10 (no "
                    "armor at all) to 0 or even -10 (the best magical armor). The higher the AC, "
                    "the more vulnerable the character is to attack.");
    // Never shown: it only holds the armour texts, followed by one empty item.
    c.armorlist = listBox(g, "armorlist", {320, 40, 65, 25}, nullptr);
    c.armorlist->setAccessibleName(QStringLiteral("Armour types"));
    for (std::string_view text : kArmourTexts) {
        c.armorlist->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    c.armorlist->addItem(QString());
    c.armorlist->hide();

    const int right = g->width() - kFrameInset;
    c.rows.emplace_back(c.Memo1->x() - 1);
    c.rows.back().add(c.Label1, 8);
    c.rows.emplace_back(right);
    c.rows.back().add(c.genderlabel, 8);
    c.rows.back().add(c.hplabel, 96);
    c.rows.back().add(c.RaceLabel, 176);
    c.rows.back().add(c.classname, 248);
    c.rows.back().add(c.levellabel, 520);
    c.rows.emplace_back(right);
    c.rows.back().add(c.algLAB, 8);
    c.rows.back().add(c.aclab, 136);
}

void buildAbilities(ResultsControls& c, QWidget* window) {
    QGroupBox* g = c.GroupBox2 = group(window, "GroupBox2", "Ability Scores", {2, 80, 105, 161});
    QFont bold = window->font();
    bold.setBold(true);
    constexpr int kFieldLeft = 40;
    constexpr int kFieldWidth = 25;
    constexpr int kExceptionalLeft = 72;
    for (std::size_t i = 0; i < kAbilityRows.size(); ++i) {
        const AbilityRow& row = kAbilityRows[i];
        const int top = 16 + 24 * static_cast<int>(i);
        // Labels are created before the fields, so the fields lie above them: the blanks of
        // "STR:       " run under the strength field and only the slash shows beside it.
        QLabel* l = nullptr;
        if (i == 0) {
            const int gapCentre = (kFieldLeft + kFieldWidth + kExceptionalLeft) / 2;
            l = new StrengthLabel(QString::fromUtf8(row.caption), gapCentre, g);
            l->setObjectName(QLatin1String(row.label));
            l->move(8, top + 4);
            l->setToolTip(QString::fromUtf8(row.hint));
        } else {
            l = label(g, row.label, 8, top + 4, row.caption, row.hint);
        }
        l->setFont(bold);
        l->adjustSize();
        c.abilityLabels[i] = l;
    }
    for (std::size_t i = 0; i < kAbilityRows.size(); ++i) {
        const int top = 16 + 24 * static_cast<int>(i);
        c.abilityFields[i] =
            scoreField(g, kAbilityRows[i].field, kFieldLeft, top, kAbilityRows[i].hint);
        c.abilityFields[i]->setAccessibleName(QString::fromUtf8(kAbilityRows[i].name));
    }
    c.Edit8 = scoreField(g, "Edit8", kExceptionalLeft, 16, kStrengthHint);
    c.Edit8->setAccessibleName(QStringLiteral("Exceptional strength"));
    c.Edit8->hide();

    for (std::size_t i = 1; i < kAbilityRows.size(); ++i) {
        c.rows.emplace_back(c.abilityFields[i]->x() - 1);
        c.rows.back().add(c.abilityLabels[i], 8);
    }
}

void buildSpecial(ResultsControls& c, QWidget* window) {
    QGroupBox* g = c.GroupBox5 =
        group(window, "GroupBox5", "Special Abilities:", {112, 80, 313, 81});
    g->setToolTip(QStringLiteral("Abilities special to this class (combination)"));
    c.wizspllab = label(g, "wizspllab", 8, 16, "");
    c.prspllab = label(g, "prspllab", 168, 16, "");
    c.Thieflab = label(g, "Thieflab", 8, 32, "");
    c.Label2 = label(g, "Label2", 8, 48, "");
    c.Label9 = label(g, "Label9", 8, 64, "");

    const int right = g->width() - kFrameInset;
    c.rows.emplace_back(right);
    c.rows.back().add(c.wizspllab, 8);
    c.rows.back().add(c.prspllab, 168);
    for (QLabel* l : {c.Thieflab, c.Label2, c.Label9}) {
        c.rows.emplace_back(right);
        c.rows.back().add(l, 8);
    }
}

void buildNonWeapons(ResultsControls& c, QWidget* window) {
    QGroupBox* g = c.GroupBox4 =
        group(window, "GroupBox4", "Non-Weapon Proficiencies:", {112, 160, 313, 177});
    c.Nonweaponlist = listBox(g, "Nonweaponlist", {8, 16, 121, 121},
                              "A learned skill not defined class but giving a greater percentage "
                              "chance to accomplish a specific task.");
    c.Nonweaponlist->setAccessibleName(QStringLiteral("Non-weapon proficiencies"));
    for (std::size_t i = 0; i < kNonWeaponGroups.size(); ++i) {
        const GroupRow& row = kGroupRows[i];
        QLabel* l = label(g, row.label, 138, row.labelTop, row.caption, row.hint);
        // Selection-only; each list starts on its blank entry, which stands for no choice.
        QComboBox* box = dropDown(g, row.box, {182, row.boxTop, 121, 21},
                                  nonWeaponGroupEntries(kNonWeaponGroups[i]), false);
        box->setToolTip(QString::fromUtf8(row.hint));
        box->setAccessibleName(QString::fromUtf8(row.name));
        // On some desktops a drop-down is announced by the label it is the buddy of.
        l->setBuddy(box);
        box->setCurrentIndex(0);
        c.groupLabels[i] = l;
        c.groupBoxes[i] = box;
        c.rows.emplace_back(box->x() - 1);
        c.rows.back().add(l, 138);
    }
    c.Button1 = button(g, "Button1", {8, 144, 83, 25}, "Clear list",
                       "Clears the list of non weapon proficiencies");
    // Widened to the left into the gap after "Clear list", which wider faces need for its caption.
    c.Button7 = button(g, "Button7", {117, 144, 92, 25}, "Delete from list",
                       "Removes proficiency from the list");
    c.Button2 = button(g, "Button2", {216, 144, 83, 25}, "Add to list",
                       "Adds selected proficiency to the list");
}

void buildWeapons(ResultsControls& c, QWidget* window) {
    QGroupBox* g = c.GroupBox3 =
        group(window, "GroupBox3", "Weapon Proficiencies", {432, 80, 153, 257});
    c.weaponlist = listBox(g, "weaponlist", {6, 16, 142, 89},
                           "Weapons this characters can use without penalties.");
    c.weaponlist->setAccessibleName(QStringLiteral("Weapon proficiencies"));
    struct Offered {
        WeaponList list;
        const char* name;
    };
    // The five boxes lie on top of each other; each generation shows the one it offers.
    constexpr std::array<Offered, 5> kOffered{{{WeaponList::Warrior, "warriorweaponbox"},
                                               {WeaponList::Mage, "mageweaponbox"},
                                               {WeaponList::Thief, "Theifweaponbox"},
                                               {WeaponList::Priest, "priestweaponbox"},
                                               {WeaponList::Druid, "druidweaponbox"}}};
    for (const Offered& o : kOffered) {
        const bool editable = o.list != WeaponList::Druid;
        QComboBox* box =
            dropDown(g, o.name, {6, 112, 143, 21}, weaponListEntries(o.list), editable);
        box->setCurrentIndex(-1);
        box->setVisible(!editable);
        box->setAccessibleName(QStringLiteral("Weapon to add"));
        // A screen reader lands in the typing field of an editable box and reads its own name.
        if (QLineEdit* field = box->lineEdit()) {
            field->setAccessibleName(box->accessibleName());
        }
        c.weaponBoxes[static_cast<std::size_t>(o.list)] = box;
    }
    c.btclearweponslist = button(g, "btclearweponslist", {7, 136, 141, 25}, "Clear List",
                                 "Clears the list of weapon proficiencies");
    c.Button6 = button(g, "Button6", {7, 166, 141, 25}, "Remove Weapon",
                       "Removes selected weapon from the list");
    c.Button3 =
        button(g, "Button3", {7, 196, 141, 25}, "Add Weapon", "Adds selected weapon to the list");
    c.Button8 = button(g, "Button8", {8, 226, 141, 25}, "Specialize in",
                       "Changes spesialization (Single classed fighters only)");
    c.Button8->hide();
}

// Tab reads the window as it is laid out: the name row, then the columns from left to right,
// each from top to bottom (the exceptional strength field sits beside the strength field).
void setTabOrder(const ResultsControls& c) {
    std::vector<QWidget*> order{c.Memo1, c.Button9, c.abilityFields[0], c.Edit8};
    // Room for every control up front: growing the vector between the inserts below made GCC 12
    // at -O3 warn of a copy out of bounds that cannot happen.
    order.reserve(64);
    order.insert(order.end(), c.abilityFields.begin() + 1, c.abilityFields.end());
    order.insert(order.end(), {c.Button4, c.Savebtn, c.btclosegen, c.Nonweaponlist});
    order.insert(order.end(), c.groupBoxes.begin(), c.groupBoxes.end());
    order.insert(order.end(), {c.Button1, c.Button7, c.Button2, c.weaponlist});
    order.insert(order.end(), c.weaponBoxes.begin(), c.weaponBoxes.end());
    order.insert(order.end(), {c.btclearweponslist, c.Button6, c.Button3, c.Button8});
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace

ResultsControls buildResultsControls(QDialog* window, qreal scale) {
    ResultsControls c;
    buildGeneral(c, window);
    buildAbilities(c, window);
    buildSpecial(c, window);
    buildNonWeapons(c, window);
    buildWeapons(c, window);
    c.Button4 = button(window, "Button4", {2, 244, 105, 25}, "ReRoll", "Generates a new character");
    c.Button4->setDefault(true);
    c.Savebtn = button(window, "Savebtn", {2, 272, 105, 25}, "Save Character");
    c.btclosegen = button(window, "btclosegen", {2, 312, 105, 25}, "Exit", "Duh!");
    setTabOrder(c);

    // Built at the design's places, then enlarged with the designed edges the labels keep to;
    // the labels are arranged once, in the fonts the window already has at its final size.
    scaleControls(window, scale);
    if (scale > 1.0) {
        for (LabelRow& row : c.rows) {
            row.scale(scale);
        }
        if (auto* strength = qobject_cast<StrengthLabel*>(c.strengthLabel())) {
            strength->scale(scale);
        }
    }
    for (QLabel* l : c.abilityLabels) {
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
