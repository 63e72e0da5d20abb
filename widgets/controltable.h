#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace tavrel {

// Each window declares its controls once, as a table of rows: which field of the window's
// controls holds the control (the field's type is the control's kind), its object name, the
// control it sits in, its place and size, caption, hint and spoken name. `buildControls` creates
// them in the table's order, which is also the order they stack in and, unless the window says
// otherwise, the order the Tab key visits them.

// A control's place and size in the window's design, in pixels within its parent, for the
// 8-point font (scaleGeometry enlarges them afterwards). A label given no size takes the size
// of its text; any other control keeps the size it gives itself.
struct Place {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What a control does beyond what its kind gives it.
enum ControlFlag : unsigned {
    kPlain = 0,
    kDefault = 1u << 0,   // the button that Enter presses
    kHidden = 1u << 1,    // created hidden; the window shows it when it applies
    kEditable = 1u << 2,  // a drop-down the user may also type into
    kTabStop = 1u << 3,   // Tab reaches it (check boxes are reached by clicking only otherwise)
    kReadOnly = 1u << 4,  // a field that shows a value but takes no typing
};

// One row of a window's table. `parent` names a control of an earlier row; empty means the
// window. `spoken` is what screen readers call the control where its caption does not say it;
// `items` fill a radio group, a drop-down or a list, in order.
template <typename Field>
struct ControlRow {
    Field field;
    std::string_view name;
    std::string_view parent;
    Place place;
    std::string_view caption = {};
    std::string_view hint = {};
    std::string_view spoken = {};
    unsigned flags = kPlain;
    std::span<const std::string_view> items = {};
};

// The field types one window's table can name: `Fields<Controls, QPushButton, QLabel>` holds
// `&Controls::Button1` or `&Controls::Label1`.
template <typename Controls, typename... Widgets>
using Fields = std::variant<Widgets * Controls::*...>;

namespace detail {

template <typename W>
W* construct(QWidget* parent) {
    if constexpr (std::is_constructible_v<W, QWidget*>) {
        return new W(parent);
    } else {
        return new W(QString(), parent);
    }
}

// Gives a freshly created control what its row says, as its kind takes it.
template <typename W, typename Row>
void apply(W* w, const Row& row) {
    w->setObjectName(QString::fromUtf8(row.name));
    const QString caption = QString::fromUtf8(row.caption);
    if constexpr (std::is_base_of_v<QAbstractButton, W> || std::is_base_of_v<QLabel, W>) {
        w->setText(caption);
    } else if constexpr (std::is_base_of_v<QGroupBox, W>) {
        w->setTitle(caption);
    }
    if constexpr (std::is_base_of_v<QLabel, W>) {
        // Labels show their text as it stands, never as markup.
        w->setTextFormat(Qt::PlainText);
    }
    if constexpr (requires(QStringList items) { w->setItems(items); }) {
        QStringList items;
        for (std::string_view item : row.items) {
            items << QString::fromUtf8(item);
        }
        w->setItems(items);
    } else if constexpr (std::is_base_of_v<QComboBox, W> || std::is_base_of_v<QListWidget, W>) {
        for (std::string_view item : row.items) {
            w->addItem(QString::fromUtf8(item));
        }
    }
    if (row.place.width > 0) {
        w->setGeometry(row.place.x, row.place.y, row.place.width, row.place.height);
    } else {
        w->move(row.place.x, row.place.y);
        if constexpr (std::is_base_of_v<QLabel, W>) {
            w->adjustSize();
        }
    }
    if (!row.hint.empty()) {
        w->setToolTip(QString::fromUtf8(row.hint));
    }
    if (!row.spoken.empty()) {
        w->setAccessibleName(QString::fromUtf8(row.spoken));
    }
    if constexpr (std::is_base_of_v<QPushButton, W>) {
        if ((row.flags & kDefault) != 0) {
            w->setDefault(true);
        }
    }
    if constexpr (std::is_base_of_v<QComboBox, W>) {
        if ((row.flags & kEditable) != 0) {
            w->setEditable(true);
        }
    }
    if constexpr (std::is_base_of_v<QLineEdit, W>) {
        if ((row.flags & kReadOnly) != 0) {
            w->setReadOnly(true);
        }
    }
    if ((row.flags & kTabStop) != 0) {
        w->setFocusPolicy(Qt::StrongFocus);
    }
    if ((row.flags & kHidden) != 0) {
        w->setVisible(false);
    }
}

}  // namespace detail

// The controls a table created, by object name, for what the table cannot say by itself (the
// Tab order of a window that departs from the creation order, say).
class ControlIndex {
public:
    void add(std::string_view name, QWidget* widget) { m_controls.emplace_back(name, widget); }
    // The control of that name; null when the table has none.
    QWidget* find(std::string_view name) const {
        for (const auto& [n, w] : m_controls) {
            if (n == name) {
                return w;
            }
        }
        return nullptr;
    }

private:
    std::vector<std::pair<std::string_view, QWidget*>> m_controls;
};

// Creates every control of `rows` on `window`, in order, and stores each in its field of
// `controls`.
template <typename Controls, typename Field, std::size_t N>
ControlIndex buildControls(QWidget* window, Controls& controls,
                           const std::array<ControlRow<Field>, N>& rows) {
    ControlIndex index;
    for (const ControlRow<Field>& row : rows) {
        QWidget* parent = row.parent.empty() ? window : index.find(row.parent);
        Q_ASSERT_X(parent != nullptr, "buildControls", "a parent comes before its controls");
        std::visit(
            [&](auto field) {
                using W = std::remove_pointer_t<std::remove_reference_t<decltype(controls.*field)>>;
                W* widget = detail::construct<W>(parent);
                detail::apply(widget, row);
                controls.*field = widget;
                index.add(row.name, widget);
            },
            row.field);
    }
    return index;
}

// Sets the Tab order to `names`, each a control of `index`.
void setTabOrder(const ControlIndex& index, std::span<const std::string_view> names);

}  // namespace tavrel
