#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->setSpacing(0);
    // Only the newly selected button reports, and only on a real change.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && !m_settingIndex) {
            emit itemSelected(id);
        }
    });
}

void RadioGroup::setItems(const QStringList& items) {
    Q_ASSERT_X(m_buttons.empty(), "RadioGroup::setItems", "a group is given its items once");
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        // Explicit ids, so that the index survives any reordering of the widgets.
        m_group->addButton(button, i);
        m_buttons.push_back(button);
        static_cast<QVBoxLayout*>(layout())->addWidget(button, 1);
    }
}

QStringList RadioGroup::items() const {
    QStringList texts;
    for (const QRadioButton* button : m_buttons) {
        texts << button->text();
    }
    return texts;
}

int RadioGroup::itemIndex() const {
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    m_settingIndex = true;
    if (index >= 0 && index < count()) {
        m_buttons[static_cast<std::size_t>(index)]->setChecked(true);
    } else if (QAbstractButton* checked = m_group->checkedButton()) {
        // An exclusive group refuses to uncheck its checked button.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
    m_settingIndex = false;
}

QRadioButton* RadioGroup::button(int index) const {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return m_buttons[static_cast<std::size_t>(index)];
}

}  // namespace tavrel
