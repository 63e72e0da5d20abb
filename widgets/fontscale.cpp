#include "fontscale.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace tavrel {

namespace {

constexpr qreal kDesignPoints = 8.0;
constexpr int kDesignPixels = 11;  // 8 points at 96 dots per inch

// Scales the edges rather than the size, so that controls that touched still touch.
QRect scaled(const QRect& r, qreal factor) {
    const int left = qRound(r.x() * factor);
    const int top = qRound(r.y() * factor);
    const int right = qRound((r.x() + r.width()) * factor);
    const int bottom = qRound((r.y() + r.height()) * factor);
    return QRect(left, top, right - left, bottom - top);
}

// Sets a widget's geometry, or its position and fixed size when it has one, to `rect` scaled.
void resizeScaled(QWidget* widget, const QRect& rect, qreal factor) {
    const QRect target = scaled(rect, factor);
    if (widget->minimumSize() == widget->maximumSize()) {
        widget->setFixedSize(target.size());
    } else if (!widget->isWindow() || widget->testAttribute(Qt::WA_Resized)) {
        // A window that was never given a size takes one from its layout.
        widget->resize(target.size());
    }
    if (!widget->isWindow()) {
        widget->move(target.topLeft());
    }
}

bool placedByLayout(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return parent != nullptr && parent->layout() != nullptr &&
           parent->layout()->indexOf(widget) >= 0;
}

void scaleLayout(QLayout* layout, qreal factor) {
    const QMargins m = layout->contentsMargins();
    layout->setContentsMargins(qRound(m.left() * factor), qRound(m.top() * factor),
                               qRound(m.right() * factor), qRound(m.bottom() * factor));
    if (layout->spacing() > 0) {
        layout->setSpacing(qRound(layout->spacing() * factor));
    }
}

}  // namespace

QFont designFont(qreal scale) {
    QFont font;
    // The face the package depends on comes first, so that the windows look the same on every
    // desktop that has it; the others are its metric-compatible alternatives and the faces the
    // layout was drawn with.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(scaledPixels(kDesignPixels, scale));
    return font;
}

qreal fontScale(const QFont& desktopFont) {
    qreal points = desktopFont.pointSizeF();
    if (points <= 0 && desktopFont.pixelSize() > 0) {
        // A font given in pixels: points at the screen's logical resolution.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
        points = desktopFont.pixelSize() * 72.0 / dpi;
    }
    return points > kDesignPoints ? points / kDesignPoints : 1.0;
}

int scaledPixels(int pixels, qreal factor) {
    return factor > 1.0 ? qRound(pixels * factor) : pixels;
}

void scaleGeometry(QWidget* window, qreal factor) {
    if (window == nullptr || factor <= 1.0) {
        return;
    }
    resizeScaled(window, window->rect(), factor);
    scaleControls(window, factor);
}

void scaleControls(QWidget* window, qreal factor) {
    if (window == nullptr || factor <= 1.0) {
        return;
    }
    // Windows owned by this one (a dialog with this window as its parent) are left alone.
    QList<QWidget*> children;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() == window) {
            children << child;
        }
    }
    for (QWidget* child : children) {
        if (!placedByLayout(child)) {
            resizeScaled(child, child->geometry(), factor);
        }
    }
    for (QLayout* layout : window->findChildren<QLayout*>()) {
        if (layout->parentWidget() != nullptr && layout->parentWidget()->window() == window) {
            scaleLayout(layout, factor);
        }
    }
    // A label given a designed size may be narrower than its text in the window's font, which
    // does not grow exactly in proportion to the layout; it takes what its text needs.
    for (QWidget* child : children) {
        auto* label = qobject_cast<QLabel*>(child);
        if (label != nullptr && !label->wordWrap() && !placedByLayout(label)) {
            label->resize(label->size().expandedTo(label->sizeHint()));
        }
    }
}

}  // namespace tavrel
