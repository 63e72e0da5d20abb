#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "armour.h"
#include "characterjson.h"
#include "fontscale.h"
#include "nonweapons.h"
#include "resultscontrols.h"
#include "weapons.h"

namespace tavrel {

namespace {

QStringList texts(std::span<const std::string_view> entries) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(entries.size()));
    for (std::string_view entry : entries) {
        list << QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
    }
    return list;
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

// A label's right edge may reach up to this far inside its group box's frame.
constexpr int kFrameInset = 4;

// What the form cannot say: the engine's lists, how the drop-downs and the name field behave,
// the bold ability captions, and how the growing labels share their rows. The form stacks the
// ability labels under the fields, so the blanks of "STR:       " run under the strength field
// and only the slash shows beside it; the five class weapon boxes lie on top of each other, and
// each generation shows the one it offers.
void finish(ResultsControls& c, QWidget* window) {
    // The name goes no further than a character file holds, so that every name typed saves.
    c.Memo1->setByteLimit(kCharacterTextLimit);
    // An entry wider than its list, as "Languages, Modern" is in a wide face beside the scroll
    // bar, goes on to a second line rather than under the bar.
    for (QListWidget* list : {c.weaponlist, c.Nonweaponlist}) {
        list->setWordWrap(true);
    }
    // The armour texts, followed by one empty item; the list is never shown.
    c.armorlist->addItems(texts(kArmourTexts));
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
        // Selection-only; each list starts on its blank entry, which stands for no choice.
        groupBoxes[i]->addItems(texts(nonWeaponGroupEntries(static_cast<NonWeaponGroup>(i))));
        groupBoxes[i]->setCurrentIndex(0);
    }
    const auto weaponBoxes = c.weaponBoxes();
    for (std::size_t i = 0; i < weaponBoxes.size(); ++i) {
        QComboBox* box = weaponBoxes[i];
        box->addItems(texts(weaponListEntries(static_cast<WeaponList>(i))));
        box->setCurrentIndex(-1);
        // A screen reader lands in the typing field of an editable box and reads its own name.
        if (QLineEdit* field = box->lineEdit()) {
            field->setAccessibleName(box->accessibleName());
            // Enter takes the typed text as it stands.
            box->completer()->setCaseSensitivity(Qt::CaseSensitive);
            field->installEventFilter(new KeepEnter(box));
        }
    }

    const int generalRight = c.GroupBox1->width() - kFrameInset;
    c.rows.emplace_back(c.Memo1->x() - 1);
    c.rows.back().add(c.Label1);
    c.rows.emplace_back(generalRight);
    c.rows.back().add(c.genderlabel);
    c.rows.back().add(c.hplabel);
    c.rows.back().add(c.RaceLabel);
    c.rows.back().add(c.classname);
    c.rows.back().add(c.levellabel);
    c.rows.emplace_back(generalRight);
    c.rows.back().add(c.algLAB);
    c.rows.back().add(c.aclab);

    const auto abilityLabels = c.abilityLabels();
    const auto abilityFields = c.abilityFields();
    for (std::size_t i = 1; i < abilityLabels.size(); ++i) {
        c.rows.emplace_back(abilityFields[i]->x() - 1);
        c.rows.back().add(abilityLabels[i]);
    }

    const int specialRight = c.GroupBox5->width() - kFrameInset;
    c.rows.emplace_back(specialRight);
    c.rows.back().add(c.wizspllab);
    c.rows.back().add(c.prspllab);
    for (QLabel* l : {c.Thieflab, c.Label2, c.Label9}) {
        c.rows.emplace_back(specialRight);
        c.rows.back().add(l);
    }
    for (std::size_t i = 0; i < groupBoxes.size(); ++i) {
        c.rows.emplace_back(groupBoxes[i]->x() - 1);
        c.rows.back().add(groupLabels[i]);
    }
}

}  // namespace

void buildResultsControls(ResultsControls& c, QDialog* window, qreal scale) {
    // The window has had its size, enlarged for the desktop's font, since it was created; the
    // form's design size must not take that back.
    const QSize size = window->size();
    c.setupUi(window);
    window->setFixedSize(size);
    finish(c, window);

    // Built at the form's places, then enlarged with the designed edges the labels keep to;
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
}

void relayoutLabels(ResultsControls& controls) {
    for (LabelRow& row : controls.rows) {
        row.relayout();
    }
}

}  // namespace tavrel
