#pragma once

#include <QString>

#include "aslinktypes.h"

class QColor;
class QFontMetrics;
class QPainter;
class QRect;

namespace tavrel {

// Added to the Qt text flags: measure the text instead of drawing it. Chosen above every bit
// that Qt::AlignmentFlag and Qt::TextFlag use.
inline constexpr int kTextMeasureOnly = 0x10000000;

// Draws `text` into `rect` with a one-colour drop shadow `shadowSize` pixels to the
// `position` side, shadow first, then the text in the painter's pen. `rect` becomes the union
// of the text's and the shadow's rectangles; with kTextMeasureOnly nothing is drawn, the
// painter may be null, and `rect` becomes the measured extent of text and shadow. `metrics`
// must describe the font the painter draws with. Returns the text height plus the shadow size,
// or 0 when the text has no height.
int drawShadowText(QPainter* painter, const QFontMetrics& metrics, const QString& text,
                   TShadowPosition position, const QColor& shadowColor, int shadowSize, int flags,
                   QRect& rect);

}  // namespace tavrel
