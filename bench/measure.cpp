#include "measure.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace tavrel {

namespace {

// Waits for the window's first paint, then for the event loop to go idle, then runs the action
// once and removes itself.
class IdleWatch : public QObject {
public:
    IdleWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then)) {
        window.installEventFilter(this);
        // A window that never paints would leave a measurement script waiting for ever.
        QTimer::singleShot(10'000, this, [] {
            reportMeasurement(QStringLiteral("the window was not painted within 10 s"));
            QCoreApplication::exit(3);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // aboutToBlock is emitted when the loop has handled everything pending and is about
            // to sleep: the point at which a user would find the program ready.
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                    this, &IdleWatch::idle, Qt::DirectConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void idle() {
        if (m_done) {
            return;
        }
        m_done = true;
        disconnect(QAbstractEventDispatcher::instance(), nullptr, this, nullptr);
        // Run from the loop rather than from inside the dispatcher's signal.
        QTimer::singleShot(0, parent(), m_then);
        deleteLater();
    }

    std::function<void()> m_then;
    bool m_painted = false;
    bool m_done = false;
};

}  // namespace

void whenShownAndIdle(QWidget& window, std::function<void()> then) {
    new IdleWatch(window, std::move(then));
}

void reportMeasurement(const QString& text) {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(text));
}

}  // namespace tavrel
