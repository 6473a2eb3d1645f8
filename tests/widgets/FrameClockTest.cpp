#include "widgets/FrameClock.h"
#include "widgets/FramePace.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <memory>

namespace {
constexpr int Patience = 5000;
}

class FrameClockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Boards and panes that ask at different moments of a frame, at different paces, are
    // served in one timer event when their frames meet: one paint pass, not several.
    void waitersWhoseFramesMeetRunTogether_data()
    {
        QTest::addColumn<int>("firstEvery");
        QTest::addColumn<int>("secondEvery");
        QTest::newRow("both every frame") << 1 << 1;
        QTest::newRow("both every fourth frame") << 4 << 4;
        QTest::newRow("every second and every fourth, on a frame of both") << 2 << 4;
    }
    void waitersWhoseFramesMeetRunTogether()
    {
        QFETCH(int, firstEvery);
        QFETCH(int, secondEvery);
        int blocks = 0; // the event loop went to sleep this many times
        const QMetaObject::Connection counting =
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                    this, [&blocks] { ++blocks; });
        // Both ask a little apart, early enough before a frame both paces share.
        const auto untilShared = [&] {
            const qint64 now = FramePace::now();
            const int first = FramePace::untilNextFrame(now, firstEvery);
            return first == FramePace::untilNextFrame(now, secondEvery) ? first : 0;
        };
        while (untilShared() < 4)
            QThread::usleep(200);
        QObject first, second;
        int firstRanAt = -1, secondRanAt = -1;
        FrameClock& clock = FrameClock::instance();
        clock.request(&first, firstEvery, [&] { firstRanAt = blocks; });
        QThread::usleep(700);
        clock.request(&second, secondEvery, [&] { secondRanAt = blocks; });
        QTRY_VERIFY_WITH_TIMEOUT(firstRanAt >= 0 && secondRanAt >= 0, Patience);
        disconnect(counting);
        QCOMPARE(secondRanAt, firstRanAt);
        QVERIFY(!clock.waits(&first));
        QVERIFY(!clock.waits(&second));
    }

    // A socket reads a frame ahead of the turn: what the read brings (lines for a pane) is
    // drawn on the turn's frame, together with what waited for the turn already, and not
    // a turn later.
    void whatAReadAheadBringsJoinsTheTurn()
    {
        constexpr int turn = FramePace::TurnFrames;
        constexpr qint64 turnMilliseconds = turn * FramePace::Milliseconds;
        // Just after a turn, so that both waits start in the same one.
        while (FramePace::untilNextFrame(FramePace::now(), turn) < turnMilliseconds - 4)
            QThread::usleep(200);
        QObject reader, waitingPane, fedPane;
        qint64 readAt = -1, waitingAt = -1, fedAt = -1;
        FrameClock& clock = FrameClock::instance();
        clock.requestTurn(&waitingPane, [&] { waitingAt = FramePace::now(); });
        clock.requestTurn(
            &reader,
            [&] {
                readAt = FramePace::now();
                clock.requestTurn(&fedPane, [&] { fedAt = FramePace::now(); });
            },
            1);
        QTRY_VERIFY_WITH_TIMEOUT(fedAt >= 0 && waitingAt >= 0, Patience);
        QVERIFY(readAt >= 0);
        QVERIFY(readAt < waitingAt);
        QVERIFY2(fedAt - waitingAt < turnMilliseconds / 2,
                 qPrintable(QStringLiteral("fed %1 ms after the turn").arg(fedAt - waitingAt)));
    }

    // Lines that keep coming (each turn brings more) are shown fifteen frames apart, not
    // six: fewer than half the paint passes in a flood.
    void aTurnThatFollowsATurnWaitsFifteenFrames()
    {
        QObject pane;
        FrameClock& clock = FrameClock::instance();
        qint64 secondAt = -1, secondTurn = -1;
        clock.requestTurn(&pane, [&] {
            clock.requestTurn(&pane, [&] { secondAt = FramePace::now(); });
            secondTurn = clock.lastTurn();
        });
        const qint64 firstTurn = clock.lastTurn();
        QTRY_VERIFY_WITH_TIMEOUT(secondAt >= 0, Patience);
        // At least: a first call late by more than a short turn (a loaded machine) puts the
        // next sixth frame further out.
        QVERIFY2(secondTurn - firstTurn >= FramePace::BusyTurnFrames * FramePace::Milliseconds,
                 qPrintable(QStringLiteral("%1 ms apart").arg(secondTurn - firstTurn)));
        QVERIFY(secondAt >= secondTurn);
    }

    void aWaiterAskingAgainKeepsItsFrameAndRunsOnce()
    {
        QObject owner;
        int runs = 0;
        FrameClock& clock = FrameClock::instance();
        clock.request(&owner, 1, [&runs] { ++runs; });
        clock.request(&owner, 1, [&runs] { runs += 100; });
        QVERIFY(clock.waits(&owner));
        QTRY_VERIFY_WITH_TIMEOUT(!clock.waits(&owner), Patience);
        QTest::qWait(3 * FramePace::Milliseconds);
        QCOMPARE(runs, 1);
    }

    void aCancelledOrDestroyedWaiterIsNotCalled()
    {
        int runs = 0;
        QObject cancelled;
        auto destroyed = std::make_unique<QObject>();
        QObject kept;
        FrameClock& clock = FrameClock::instance();
        clock.request(&cancelled, 1, [&runs] { runs += 10; });
        clock.request(destroyed.get(), 1, [&runs] { runs += 100; });
        clock.request(&kept, 1, [&runs] { runs += 1; });
        clock.cancel(&cancelled);
        destroyed.reset();
        QVERIFY(!clock.waits(&cancelled));
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, Patience);
        QTest::qWait(3 * FramePace::Milliseconds);
        QCOMPARE(runs, 1);
    }

    // A call may end another owner's wait in the same frame (a board drawn at once): that
    // owner is not called again for the same frame.
    void aWaitEndedByAnotherCallOfTheFrameIsDropped()
    {
        QObject first, second;
        int secondRuns = 0;
        FrameClock& clock = FrameClock::instance();
        while (FramePace::untilNextFrame(FramePace::now(), 1) < 4)
            QThread::usleep(200);
        clock.request(&first, 1, [&] { clock.cancel(&second); });
        clock.request(&second, 1, [&secondRuns] { ++secondRuns; });
        QTRY_VERIFY_WITH_TIMEOUT(!clock.waits(&first) && !clock.waits(&second), Patience);
        QTest::qWait(3 * FramePace::Milliseconds);
        QCOMPARE(secondRuns, 0);
    }

    // A call may ask for the next frame again: a pane with more lines, a slide.
    void aCallMayAskForTheNextFrame()
    {
        QObject owner;
        int runs = 0;
        FrameClock& clock = FrameClock::instance();
        std::function<void()> again = [&] {
            if (++runs < 3)
                clock.request(&owner, 1, again);
        };
        clock.request(&owner, 1, again);
        QTRY_COMPARE_WITH_TIMEOUT(runs, 3, Patience);
        QVERIFY(!clock.waits(&owner));
    }
};

QTEST_GUILESS_MAIN(FrameClockTest)
#include "FrameClockTest.moc"
