#include "labelrow.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>

namespace tavrel {

namespace {

// Below this the text would no longer be legible; the window's own font is 11 pixels.
constexpr int kSmallestPixelSize = 7;
// How far the first label of a row may move left of its place before the row's font shrinks.
constexpr int kFirstLabelGive = 4;

int pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

}  // namespace

void LabelRow::add(QLabel* label) {
    m_entries.push_back({label, label->x(), label->font()});
}

bool LabelRow::place(std::vector<int>& xs) const {
    const std::size_t n = m_entries.size();
    xs.assign(n, 0);
    std::vector<int> widths(n);
    for (std::size_t i = 0; i < n; ++i) {
        widths[i] = m_entries[i].label->sizeHint().width();
    }
    for (std::size_t i = 0; i < n; ++i) {
        xs[i] = m_entries[i].designX;
        if (i > 0) {
            xs[i] = std::max(xs[i], xs[i - 1] + widths[i - 1] + m_gap);
        }
    }
    if (n == 0) {
        return true;
    }
    // Pull back from the right edge; the first label gives only a little, so rows stay aligned.
    int limit = m_right;
    for (std::size_t i = n; i-- > 0;) {
        xs[i] = std::min(xs[i], limit - widths[i]);
        limit = xs[i] - m_gap;
    }
    return xs[0] >= std::max(m_entries[0].designX - qRound(kFirstLabelGive * m_scale), 2);
}

void LabelRow::scale(qreal factor) {
    m_scale *= factor;
    m_right = qRound(m_right * factor);
    m_gap = qRound(m_gap * factor);
    for (Entry& e : m_entries) {
        e.designX = qRound(e.designX * factor);
    }
}

void LabelRow::relayout() {
    if (m_entries.empty()) {
        return;
    }
    std::vector<int> xs;
    const int designed = pixelSizeOf(m_entries.front().font);
    for (int size = designed;; --size) {
        for (Entry& e : m_entries) {
            QFont font = e.font;
            if (size != designed) {
                font.setPixelSize(size);
            }
            e.label->setFont(font);
        }
        if (place(xs) || size <= qRound(kSmallestPixelSize * m_scale)) {
            break;
        }
    }
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        QLabel* label = m_entries[i].label;
        label->adjustSize();
        label->move(std::max(xs[i], 0), label->y());
    }
}

}  // namespace tavrel
