#include "groupframe.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>

namespace tavrel {

namespace {

constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 2;

}  // namespace

GroupFrame::GroupFrame(QWidget* parent) : QGroupBox(parent) {}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;

    // An etched line, drawn here because some styles offset their own frame below the caption.
    qDrawShadeRect(&painter, rect().adjusted(0, lineY, 0, 0), palette(), true, 1, 0);

    if (title().isEmpty()) {
        return;
    }
    // The caption interrupts the frame line.
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

}  // namespace tavrel
