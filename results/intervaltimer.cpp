#include "intervaltimer.h"

namespace tavrel {

IntervalTimer::IntervalTimer(const QString& name, int interval, QObject* parent) : QObject(parent) {
    setObjectName(name);
    m_timer.setObjectName(name);
    // Coarse timers may drift by several percent; the reveal is meant to tick every 10 ms.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::timeout);
    setInterval(interval);
}

void IntervalTimer::setInterval(int milliseconds) {
    if (milliseconds <= 0) {
        m_timer.stop();
        m_interval = 0;
        return;
    }
    if (milliseconds == m_interval && m_timer.isActive()) {
        return;
    }
    m_interval = milliseconds;
    m_timer.start(milliseconds);
}

}  // namespace tavrel
