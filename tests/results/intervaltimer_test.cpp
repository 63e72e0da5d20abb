#include <QSignalSpy>
#include <QTest>

#include "intervaltimer.h"
#include "qtsuites.h"

namespace tavrel::test {

class IntervalTimerTest : public QObject {
    Q_OBJECT
private slots:
    void zeroStopsAndNeverFires() {
        IntervalTimer timer(QStringLiteral("T"), 0);
        QSignalSpy ticks(&timer, &IntervalTimer::timeout);
        QVERIFY(!timer.isActive());
        QTest::qWait(30);
        QCOMPARE(ticks.count(), 0);

        timer.setInterval(5);
        QVERIFY(timer.isActive());
        timer.setInterval(0);
        QVERIFY(!timer.isActive());
        QCOMPARE(timer.interval(), 0);
        QTest::qWait(30);
        QCOMPARE(ticks.count(), 0);
    }

    void sameIntervalKeepsThePhase() {
        IntervalTimer timer(QStringLiteral("T"), 300);
        QTest::qWait(150);
        const int before = timer.remainingTime();
        QVERIFY2(before <= 160, qPrintable(QString::number(before)));
        timer.setInterval(300);
        QVERIFY(timer.isActive());
        // A restart would put the next tick a whole period away again.
        QVERIFY2(timer.remainingTime() <= before,
                 qPrintable(QString::number(timer.remainingTime())));
    }

    void differentIntervalRestartsWithTheNewPeriod() {
        IntervalTimer timer(QStringLiteral("T"), 300);
        QTest::qWait(150);
        timer.setInterval(400);
        QCOMPARE(timer.interval(), 400);
        QVERIFY(timer.isActive());
        QVERIFY2(timer.remainingTime() > 300, qPrintable(QString::number(timer.remainingTime())));

        timer.setInterval(0);
        timer.setInterval(400);
        QVERIFY(timer.isActive());
        QVERIFY(timer.remainingTime() > 300);
    }
};

QObject* makeIntervalTimerSuite() {
    return new IntervalTimerTest;
}

}  // namespace tavrel::test

#include "intervaltimer_test.moc"
