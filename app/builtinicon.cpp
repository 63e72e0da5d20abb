#include "builtinicon.h"

#include <QIconEngine>
#include <QPainter>

// The icons are compiled into the start-up library; a static library's resources are registered
// only when something names them, which this does.
static void registerIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace tavrel {

namespace {

QIcon readAllSizes() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/org.tavrel.Tavrel-%1.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

// Hands every request to the icon of the image files, which it reads on the first request. An
// icon of files decodes every image as it is made; where the desktop's theme has the icon, or the
// platform shows none, the files are never needed, so they are not read at start-up.
class DeferredIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // Known without reading: the files are part of the program.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("tavrel-builtin"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon& icon() {
        if (m_icon.isNull()) {
            m_icon = readAllSizes();
        }
        return m_icon;
    }

    QIcon m_icon;
};

}  // namespace

QIcon builtInIcon() {
    registerIcons();
    return QIcon(new DeferredIconEngine);
}

}  // namespace tavrel
