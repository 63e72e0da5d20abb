#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "aslinktypes.h"
#include "linkopener.h"

class QPainter;

namespace tavrel {

// A label that draws its caption with an optional drop shadow, takes the link colour while the
// mouse is over it, and on a click opens its caption as a link (with the scheme prefix of
// URLType in front). It never takes the keyboard focus itself; an accelerator in its caption
// hands the focus to FocusControl, as a label does for its buddy.
class TASLink : public QWidget {
    Q_OBJECT
    Q_PROPERTY(tavrel::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(QWidget* FocusControl READ FocusControl WRITE setFocusControl)
    Q_PROPERTY(tavrel::TTextLayout Layout READ Layout WRITE setTextLayout)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowSize READ ShadowSize WRITE setShadowSize)
    Q_PROPERTY(tavrel::TShadowPosition ShadowPos READ ShadowPos WRITE setShadowPos)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QColor LinkColor READ LinkColor WRITE setLinkColor)
    Q_PROPERTY(bool URLEnabled READ URLEnabled WRITE setURLEnabled)
    Q_PROPERTY(bool URLTypeAdd READ URLTypeAdd WRITE setURLTypeAdd)
    Q_PROPERTY(tavrel::TURLType URLType READ URLType WRITE setURLType)

public:
    // An empty opener means the desktop's own (desktopOpener).
    explicit TASLink(QWidget* parent = nullptr, LinkOpener opener = {});
    ~TASLink() override;

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    QWidget* FocusControl() const { return m_focusControl; }
    void setFocusControl(QWidget* value);
    TTextLayout Layout() const { return m_layout; }
    // Named apart from QWidget::setLayout, which it would otherwise hide.
    void setTextLayout(TTextLayout value);
    QColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor& value);
    int ShadowSize() const { return m_shadowSize; }
    // Offsets beyond a byte's range are clamped into it.
    void setShadowSize(int value);
    TShadowPosition ShadowPos() const { return m_shadowPos; }
    void setShadowPos(TShadowPosition value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool value);
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool value);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& value);
    // The fill colour when the control is not transparent.
    QColor Color() const;
    void setColor(const QColor& value);
    // The colour the caption is drawn in (the foreground of the palette).
    QColor FontColor() const;
    void setFontColor(const QColor& value);
    QColor LinkColor() const { return m_linkColor; }
    void setLinkColor(const QColor& value) { m_linkColor = value; }
    bool URLEnabled() const { return m_urlEnabled; }
    void setURLEnabled(bool value) { m_urlEnabled = value; }
    bool URLTypeAdd() const { return m_urlTypeAdd; }
    void setURLTypeAdd(bool value) { m_urlTypeAdd = value; }
    TURLType URLType() const { return m_urlType; }
    void setURLType(TURLType value) { m_urlType = value; }

    void setLinkOpener(LinkOpener opener);

    // The text handed to the desktop: the scheme prefix (when URLTypeAdd) and the caption.
    QString linkText() const;
    // Asks the desktop to open linkText(); false, without asking, when the caption is empty or
    // URLEnabled is off, and false when the desktop refused.
    bool openLink();
    // What a mouse click does: OnClick, open the link, repaint.
    void click();

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseMove(Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int drawCaption(QPainter* painter, QRect& rect, int flags) const;
    void adjustBounds();
    void updateAccelerator();
    void focusChanged(QWidget* now);
    void focusControlDestroyed();

    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = true;
    QPointer<QWidget> m_focusControl;
    QMetaObject::Connection m_focusControlWatch;
    TTextLayout m_layout = tlTop;
    QColor m_shadowColor;
    int m_shadowSize = 1;
    TShadowPosition m_shadowPos = spLeftTop;
    bool m_showAccelChar = true;
    bool m_showFocus = false;
    bool m_transparent = true;
    bool m_wordWrap = false;
    QString m_caption;
    QColor m_linkColor{0, 0, 255};
    bool m_urlEnabled = true;
    bool m_urlTypeAdd = true;
    TURLType m_urlType = utMailto;

    LinkOpener m_opener;
    QColor m_rememberedFontColor;
    bool m_focusControlFocused = false;
    bool m_pressed = false;
    int m_acceleratorId = 0;
};

}  // namespace tavrel
