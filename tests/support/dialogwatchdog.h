#pragma once

// For the window tests only: it needs Qt Widgets, which the engine tests do not link.
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace tavrel::test {

// Catches a dialog that a window test did not expect, such as a message box from a wrong
// branch, which would otherwise wait in its own modal loop and hang the test: each visible
// top-level dialog or modal window that is not allowed is recorded and closed. It looks every
// 20 ms while an event loop runs (a modal loop included), and whenever check() is called.
class DialogWatchdog {
public:
    explicit DialogWatchdog(std::vector<const QWidget*> allowed, bool poll = true)
        : m_allowed(std::move(allowed)) {
        if (poll) {
            QObject::connect(&m_timer, &QTimer::timeout, [this] { check(); });
            m_timer.start(20);
        }
    }

    // Closes the unexpected windows open now and describes them ("QMessageBox 'Title'").
    QStringList check() {
        QStringList found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || !(qobject_cast<QDialog*>(w) || w->isModal()) ||
                std::find(m_allowed.begin(), m_allowed.end(), w) != m_allowed.end()) {
                continue;
            }
            found << QStringLiteral("%1 '%2'").arg(QLatin1String(w->metaObject()->className()),
                                                   w->windowTitle());
            w->close();
        }
        m_unexpected << found;
        return found;
    }

    bool tripped() const { return !m_unexpected.isEmpty(); }
    const QStringList& unexpected() const { return m_unexpected; }

private:
    std::vector<const QWidget*> m_allowed;
    QStringList m_unexpected;
    QTimer m_timer;
};

}  // namespace tavrel::test
