#include "platform/timer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

class tst_Timer : public QObject
{
    Q_OBJECT

private slots:
    void firesAfterItsInterval();
    void enablingAgainDoesNotRestart();
    void sameIntervalDoesNotRestart();
    void newIntervalRestarts();
    void nonPositiveIntervalNeverFires_data();
    void nonPositiveIntervalNeverFires();
    void oneShotByDisablingInHandler();
    void resumedTimerKeepsItsRhythm();
};

void tst_Timer::firesAfterItsInterval()
{
    Timer timer(50);
    QSignalSpy spy(&timer, &Timer::timeout);
    QVERIFY(spy.isValid());
    QVERIFY(!timer.enabled());
    timer.setEnabled(true);
    QVERIFY(timer.isCounting());
    QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 2, 1000);
}

void tst_Timer::enablingAgainDoesNotRestart()
{
    Timer timer(200);
    QSignalSpy spy(&timer, &Timer::timeout);
    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    QTest::qWait(120);
    timer.setEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 1000);
    // A restart at 120 ms would have put the first tick near 320 ms.
    QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
}

void tst_Timer::sameIntervalDoesNotRestart()
{
    Timer timer(200);
    QSignalSpy spy(&timer, &Timer::timeout);
    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    QTest::qWait(120);
    timer.setInterval(200);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 1000);
    QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
}

void tst_Timer::newIntervalRestarts()
{
    Timer timer(1000);
    QSignalSpy spy(&timer, &Timer::timeout);
    timer.setEnabled(true);
    timer.setInterval(30);
    QCOMPARE(timer.interval(), 30);
    QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 1, 500);
}

void tst_Timer::nonPositiveIntervalNeverFires_data()
{
    QTest::addColumn<int>("interval");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -500;
}

void tst_Timer::nonPositiveIntervalNeverFires()
{
    QFETCH(int, interval);
    Timer timer(interval);
    QSignalSpy spy(&timer, &Timer::timeout);
    timer.setEnabled(true);
    QVERIFY(timer.enabled());
    QVERIFY(!timer.isCounting());
    QTest::qWait(50);
    QCOMPARE(spy.count(), 0);

    // Handing it a usable interval later brings it to life.
    timer.setInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 1, 500);
}

void tst_Timer::oneShotByDisablingInHandler()
{
    Timer timer(10);
    int ticks = 0;
    connect(&timer, &Timer::timeout, this, [&] {
        timer.setEnabled(false);
        ++ticks;
    });
    timer.setEnabled(true);
    QTest::qWait(100);
    QCOMPARE(ticks, 1);
    QVERIFY(!timer.enabled());
}

void tst_Timer::resumedTimerKeepsItsRhythm()
{
    // Ticks fall due every 400 ms from the start. Suspended from 100 to
    // 900 ms, the timer skips the ticks in between and fires at the next one
    // of the same rhythm, neither at once on resuming nor a whole interval
    // after it.
    constexpr int kInterval = 400;
    Timer timer(kInterval);
    QElapsedTimer clock;
    QList<qint64> ticks;
    connect(&timer, &Timer::timeout, this, [&] { ticks << clock.elapsed(); });
    clock.start();
    timer.setEnabled(true);
    QTest::qWait(100);
    timer.suspend();
    QVERIFY(timer.enabled());
    ticks.clear();
    QTest::qWait(std::max(0, 900 - int(clock.elapsed())));
    QVERIFY(ticks.isEmpty());

    const qint64 resumedAt = clock.elapsed();
    const qint64 due = (resumedAt / kInterval + 1) * kInterval;
    timer.resume();
    QTRY_COMPARE_WITH_TIMEOUT(ticks.size(), 2, 3 * kInterval);
    QVERIFY2(ticks[0] >= due - 20 && ticks[0] < due + 80,
             qPrintable(QStringLiteral("resumed at %1, due at %2, fired at %3")
                            .arg(resumedAt)
                            .arg(due)
                            .arg(ticks[0])));
    // From then on a whole interval apart again.
    QVERIFY2(ticks[1] - ticks[0] >= kInterval - 20, qPrintable(QString::number(ticks[1])));
}

QTEST_GUILESS_MAIN(tst_Timer)
#include "tst_timer.moc"
