#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace tavrel {

// A framed group of radio buttons, one item selected, with the selection as an index. The
// buttons share the frame's height evenly, one column. A form gives the items as the property
// `items` (with stdset="0": uic then sets it by name, through setItems).
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)

public:
    explicit RadioGroup(QWidget* parent);

    // Creates one button for each item, in order; a group is given its items once.
    void setItems(const QStringList& items);
    QStringList items() const;
    int itemIndex() const;
    // Selects an item without emitting itemSelected; -1 clears the selection.
    void setItemIndex(int index);
    QRadioButton* button(int index) const;
    int count() const { return static_cast<int>(m_buttons.size()); }

signals:
    // The user selected another item; clicking the selected one again emits nothing.
    void itemSelected(int index);

private:
    QButtonGroup* m_group;
    std::vector<QRadioButton*> m_buttons;
    bool m_settingIndex = false;
};

}  // namespace tavrel
