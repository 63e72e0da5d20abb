#include "aslink.h"

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <utility>

#include "shadowtext.h"

namespace tavrel {

namespace {

int alignmentFlag(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify:
            return Qt::AlignRight;
        case taCenter:
            return Qt::AlignHCenter;
        case taLeftJustify:
            break;
    }
    return Qt::AlignLeft;
}

// System colours: those of the application palette, not of this control's own palette.
QColor buttonHighlightColor() {
    return QApplication::palette().color(QPalette::Light);
}
QColor grayTextColor() {
    return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

}  // namespace

TASLink::TASLink(QWidget* parent, LinkOpener opener)
    : QWidget(parent),
      m_shadowColor(buttonHighlightColor()),
      m_opener(opener ? std::move(opener) : LinkOpener(desktopOpener)) {
    resize(65, 17);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);  // OnMouseMove reports moves without a button held, too
    m_rememberedFontColor = FontColor();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

TASLink::~TASLink() = default;

void TASLink::setAlignment(TAlignment value) {
    if (m_alignment == value)
        return;
    m_alignment = value;
    update();
}

void TASLink::setAutoSize(bool value) {
    if (m_autoSize == value)
        return;
    m_autoSize = value;
    adjustBounds();
}

void TASLink::setFocusControl(QWidget* value) {
    disconnect(m_focusControlWatch);
    m_focusControl = value;
    if (value != nullptr) {
        m_focusControlWatch =
            connect(value, &QObject::destroyed, this, &TASLink::focusControlDestroyed);
    }
    m_focusControlFocused = value != nullptr && value->hasFocus();
    updateAccelerator();
    if (m_showFocus)
        update();
}

void TASLink::setTextLayout(TTextLayout value) {
    if (m_layout == value)
        return;
    m_layout = value;
    update();
}

void TASLink::setShadowColor(const QColor& value) {
    if (m_shadowColor == value)
        return;
    m_shadowColor = value;
    update();
}

void TASLink::setShadowSize(int value) {
    value = std::clamp(value, 0, 255);
    if (m_shadowSize == value)
        return;
    m_shadowSize = value;
    adjustBounds();
    update();
}

void TASLink::setShadowPos(TShadowPosition value) {
    if (m_shadowPos == value)
        return;
    m_shadowPos = value;
    update();
}

void TASLink::setShowAccelChar(bool value) {
    if (m_showAccelChar == value)
        return;
    m_showAccelChar = value;
    updateAccelerator();
    update();
}

void TASLink::setShowFocus(bool value) {
    if (m_showFocus == value)
        return;
    m_showFocus = value;
    update();
}

void TASLink::setTransparent(bool value) {
    if (m_transparent == value)
        return;
    m_transparent = value;
    update();
}

void TASLink::setWordWrap(bool value) {
    if (m_wordWrap == value)
        return;
    m_wordWrap = value;
    adjustBounds();
}

void TASLink::setCaption(const QString& value) {
    if (m_caption == value)
        return;
    m_caption = value;
    updateAccelerator();
    update();
    adjustBounds();
}

QColor TASLink::Color() const {
    return palette().color(QPalette::Window);
}

void TASLink::setColor(const QColor& value) {
    if (Color() == value)
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, value);
    setPalette(p);
    update();
}

QColor TASLink::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TASLink::setFontColor(const QColor& value) {
    if (FontColor() == value)
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, value);
    setPalette(p);
    update();
}

void TASLink::setLinkOpener(LinkOpener opener) {
    m_opener = opener ? std::move(opener) : LinkOpener(desktopOpener);
}

QString TASLink::linkText() const {
    return m_urlTypeAdd ? urlPrefix(m_urlType) + m_caption : m_caption;
}

bool TASLink::openLink() {
    if (m_caption.isEmpty() || !m_urlEnabled)
        return false;
    return m_opener(ShellRequest{linkText()});
}

void TASLink::click() {
    emit OnClick();
    openLink();
    update();
}

bool TASLink::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        QWidget* target = m_focusControl.data();
        if (shortcut->shortcutId() == m_acceleratorId && target != nullptr && isEnabled() &&
            m_showAccelChar) {
            if (target->isEnabled() && target->isVisible()) {
                target->setFocus(Qt::ShortcutFocusReason);
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void TASLink::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustBounds();
    } else if (event->type() == QEvent::EnabledChange) {
        update();
    }
}

int TASLink::drawCaption(QPainter* painter, QRect& rect, int flags) const {
    QString text = m_caption;
    // Measured at least one blank wide, so that an auto-sized control never collapses.
    if ((flags & kTextMeasureOnly) != 0 &&
        (text.isEmpty() || (m_showAccelChar && text == QLatin1String("&")))) {
        text += QLatin1Char(' ');
    }
    // Without the mnemonic flag Qt draws "&" as it stands.
    if (m_showAccelChar)
        flags |= Qt::TextShowMnemonic;

    TShadowPosition position = m_shadowPos;
    int size = m_shadowSize;
    QColor shadowColor = m_shadowColor;
    QColor textColor = FontColor();
    if (!isEnabled()) {
        // Disabled text is engraved: grey, with a highlight below and to the right.
        if (size == 0) {
            size = 1;
            position = spRightBottom;
        }
        textColor = grayTextColor();
        shadowColor = buttonHighlightColor();
    }
    if (painter != nullptr)
        painter->setPen(textColor);
    return drawShadowText(painter, fontMetrics(), text, position, shadowColor, size, flags, rect);
}

void TASLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), Color());

    QRect r = rect().adjusted(1, 0, -1, 0);
    int flags = Qt::TextExpandTabs | alignmentFlag(m_alignment);
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    if (m_layout != tlTop) {
        drawCaption(nullptr, r, flags | kTextMeasureOnly);
        r.setLeft(0);
        r.setRight(width() - 1);
        int offset = height() - (r.top() + r.height());
        if (m_layout == tlCenter)
            offset /= 2;
        r.translate(0, offset);
    }
    const QRect textArea = r;
    drawCaption(&painter, r, flags);

    if (m_showFocus && m_focusControlFocused && !m_caption.isEmpty()) {
        // Mark the text (one pixel wider on each side) while its buddy has the focus.
        QStyleOptionFocusRect option;
        option.initFrom(this);
        const int mnemonic = m_showAccelChar ? Qt::TextShowMnemonic : 0;
        option.rect = fontMetrics()
                          .boundingRect(textArea, flags | mnemonic, m_caption)
                          .adjusted(-1, 0, 1, 0)
                          .intersected(rect());
        option.backgroundColor = Color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TASLink::adjustBounds() {
    if (!m_autoSize)
        return;
    QRect r = rect().adjusted(1, 0, -1, 0);
    int flags = kTextMeasureOnly | Qt::TextExpandTabs;
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    drawCaption(nullptr, r, flags);
    // One pixel of margin on each side of the measured text and shadow.
    const int newWidth = r.left() + r.width() + 1;
    const int newHeight = r.top() + r.height();
    int left = x();
    if (m_alignment == taRightJustify)
        left += width() - newWidth;  // the right edge stays
    setGeometry(left, y(), newWidth, newHeight);
}

void TASLink::updateAccelerator() {
    if (m_acceleratorId != 0) {
        releaseShortcut(m_acceleratorId);
        m_acceleratorId = 0;
    }
    if (!m_focusControl || !m_showAccelChar)
        return;
    const QKeySequence accelerator = QKeySequence::mnemonic(m_caption);
    if (!accelerator.isEmpty())
        m_acceleratorId = grabShortcut(accelerator);
}

void TASLink::focusChanged(QWidget* now) {
    const bool focused = m_focusControl && now == m_focusControl;
    if (focused == m_focusControlFocused)
        return;
    m_focusControlFocused = focused;
    if (m_showFocus)
        update();
}

void TASLink::focusControlDestroyed() {
    m_focusControl = nullptr;
    m_focusControlFocused = false;
    updateAccelerator();
    if (m_showFocus)
        update();
}

void TASLink::enterEvent(QEnterEvent* event) {
    m_rememberedFontColor = FontColor();
    setFontColor(m_linkColor);
    update();
    QWidget::enterEvent(event);
}

void TASLink::leaveEvent(QEvent* event) {
    setFontColor(m_rememberedFontColor);
    update();
    QWidget::leaveEvent(event);
}

void TASLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TASLink::mouseMoveEvent(QMouseEvent* event) {
    emit OnMouseMove(event->modifiers(), event->position().toPoint());
}

void TASLink::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        // A click is a press and release on the control; sliding off first cancels it.
        const bool clicked = m_pressed && rect().contains(position);
        m_pressed = false;
        if (clicked)
            click();
    }
    emit OnMouseUp(event->button(), event->modifiers(), position);
}

void TASLink::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the pair has opened the link already; the second does not open it
    // again, so a double-click starts one mail, not two.
    emit OnDblClick();
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

}  // namespace tavrel
