#pragma once

#include <QObject>
#include <QTimer>

namespace tavrel {

// A periodic timer driven by the engine's intervals: 0 stops it; a non-zero interval that differs
// from the current one (re)starts it with the new period; the interval it already has changes
// nothing, so a running timer keeps its phase. A plain QTimer restarts on every setInterval and
// fires continuously at 0, which would break the reveal's pace.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    // Starts at once with `interval` (0 leaves it stopped).
    IntervalTimer(const QString& name, int interval, QObject* parent = nullptr);

    void setInterval(int milliseconds);
    int interval() const { return m_interval; }
    bool isActive() const { return m_timer.isActive(); }
    // Milliseconds until the next tick, -1 while stopped.
    int remainingTime() const { return m_timer.remainingTime(); }

signals:
    void timeout();

private:
    QTimer m_timer;
    int m_interval = 0;
};

}  // namespace tavrel
