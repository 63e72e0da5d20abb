#include "strengthlabel.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace tavrel {

StrengthLabel::StrengthLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

QSize StrengthLabel::sizeHint() const {
    // Wide enough for the slash in the gap, whichever of the two texts is shown.
    const QFontMetrics metrics(font());
    const int slashRight = m_slashCentre + metrics.horizontalAdvance(QLatin1Char('/'));
    return {std::max(metrics.horizontalAdvance(text()), slashRight - x()) + 1, metrics.height()};
}

void StrengthLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString shown = text();
    const bool slash = shown.endsWith(QLatin1Char('/'));
    const QString head = slash ? shown.chopped(1) : shown;
    style()->drawItemText(&painter, rect(), Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), head, foregroundRole());
    if (slash) {
        const QFontMetrics metrics(font());
        const int left = m_slashCentre - x() - metrics.horizontalAdvance(QLatin1Char('/')) / 2;
        const QRect box(left, 0, width() - left, height());
        style()->drawItemText(&painter, box, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                              isEnabled(), QStringLiteral("/"), foregroundRole());
    }
}

}  // namespace tavrel
