#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons, one item selected, with the selection as an index. The
// buttons share the frame's height evenly, one column.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent);

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
