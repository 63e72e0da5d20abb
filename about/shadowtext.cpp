#include "shadowtext.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>

namespace tavrel {

namespace {

// Draws or measures one copy of the text. Measuring keeps the top left corner and fits the
// rectangle to the text, as wide as its widest line and as tall as all its lines.
int drawOrMeasure(QPainter* painter, const QFontMetrics& metrics, const QString& text, int flags,
                  QRect& rect) {
    const int qtFlags = flags & ~kTextMeasureOnly;
    if ((flags & kTextMeasureOnly) != 0) {
        const QRect extent = metrics.boundingRect(rect, qtFlags, text);
        rect.setSize(extent.size());
        return extent.height();
    }
    QRect bounding;
    painter->drawText(rect, qtFlags, text, &bounding);
    return bounding.height();
}

}  // namespace

int drawShadowText(QPainter* painter, const QFontMetrics& metrics, const QString& text,
                   TShadowPosition position, const QColor& shadowColor, int shadowSize, int flags,
                   QRect& rect) {
    const bool measuring = (flags & kTextMeasureOnly) != 0;
    const int d = shadowSize;
    QRect textRect = rect;
    QRect shadowRect = rect;
    switch (position) {
        case spLeftTop:
            textRect.translate(d, d);
            break;
        case spLeftBottom:
            textRect.translate(d, 0);
            shadowRect.translate(0, d);
            break;
        case spRightBottom:
            shadowRect.translate(d, d);
            break;
        case spRightTop:
            textRect.translate(0, d);
            shadowRect.translate(d, 0);
            break;
    }

    QPen oldPen;
    if (!measuring) {
        oldPen = painter->pen();
        painter->setPen(shadowColor);
    }
    const int height = drawOrMeasure(painter, metrics, text, flags, shadowRect);
    if (!measuring)
        painter->setPen(oldPen);
    drawOrMeasure(painter, metrics, text, flags, textRect);

    rect = textRect.united(shadowRect);
    return height > 0 ? height + d : height;
}

}  // namespace tavrel
