#include "controltable.h"

namespace tavrel {

void setTabOrder(const ControlIndex& index, std::span<const std::string_view> names) {
    for (std::size_t i = 1; i < names.size(); ++i) {
        QWidget::setTabOrder(index.find(names[i - 1]), index.find(names[i]));
    }
}

}  // namespace tavrel
