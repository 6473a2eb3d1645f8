#include "games/RunningClock.h"

#include <QSignalSpy>
#include <QTest>

class RunningClockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startKeepsWholeSeconds_data()
    {
        QTest::addColumn<qint64>("server");
        QTest::addColumn<qint64>("remaining");
        QTest::newRow("milliseconds are dropped") << qint64(125999) << qint64(125000);
        QTest::newRow("a negative time counts as zero") << qint64(-5000) << qint64(0);
        QTest::newRow("a day or more counts as zero") << qint64(24LL * 3600 * 1000) << qint64(0);
    }
    void startKeepsWholeSeconds()
    {
        QFETCH(qint64, server);
        QFETCH(qint64, remaining);
        RunningClock clock;
        clock.start(server);
        QCOMPARE(clock.remaining(), remaining);
        QVERIFY(clock.isRunning());
    }

    void tickerCountsDownPastZero()
    {
        RunningClock clock;
        QSignalSpy ticks(&clock, &RunningClock::ticked);
        clock.start(0);
        QVERIFY(ticks.wait(30000));
        // At least one second has passed on the monotonic timer.
        QVERIFY(clock.remaining() <= -1000);
        QVERIFY(ticks.last().at(0).toString().startsWith(QStringLiteral("- 00:0")));
    }

    void stopEndsTheTicker()
    {
        RunningClock clock;
        clock.start(60000);
        clock.stop();
        QVERIFY(!clock.isRunning());
    }

    void pauseKeepsTheTimeAndResumeGoesOnFromIt()
    {
        RunningClock clock;
        clock.start(60000);
        QTRY_VERIFY_WITH_TIMEOUT(clock.hasTicked(), 30000);
        clock.pause();
        QVERIFY(!clock.isRunning());
        const qint64 atPause = clock.remaining();
        QVERIFY(atPause <= 59000);
        QVERIFY(clock.resume());
        QVERIFY(clock.isRunning());
        // Going on from the paused time, not from the time the clock was started with.
        QVERIFY(clock.remaining() == atPause);
    }

    void resumeStartsNoClockThatWasNotPaused_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("stoppedAfterPause");
        QTest::newRow("never started") << false << false;
        QTest::newRow("stopped after its pause") << true << true;
    }
    void resumeStartsNoClockThatWasNotPaused()
    {
        QFETCH(bool, started);
        QFETCH(bool, stoppedAfterPause);
        RunningClock clock;
        if (started)
            clock.start(60000);
        clock.pause();
        if (stoppedAfterPause)
            clock.stop();
        QVERIFY(!clock.resume());
        QVERIFY(!clock.isRunning());
    }
};

QTEST_GUILESS_MAIN(RunningClockTest)
#include "RunningClockTest.moc"
