#include "widgets/FramePace.h"

#include <QTest>

class FramePaceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsForTheNextFrameOfTheGrid_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<int>("every");
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("wait");
        QTest::newRow("on a frame: the whole next frame") << qint64(32) << 1 << 0 << 16;
        QTest::newRow("just after a frame") << qint64(33) << 1 << 0 << 15;
        QTest::newRow("just before a frame") << qint64(47) << 1 << 0 << 1;
        QTest::newRow("late in a long run") << qint64(3600001) << 1 << 0 << 15;
        QTest::newRow("every second frame, between two") << qint64(50) << 2 << 0 << 14;
        QTest::newRow("every second frame, on an odd frame") << qint64(16) << 2 << 0 << 16;
        QTest::newRow("every fourth frame, on a frame") << qint64(64) << 4 << 0 << 64;
        QTest::newRow("a count below one is every frame") << qint64(33) << 0 << 0 << 15;
        QTest::newRow("a frame ahead of the turn, from its frame") << qint64(96) << 6 << 1 << 80;
        QTest::newRow("a frame ahead of the turn, just before it") << qint64(79) << 6 << 1 << 1;
        QTest::newRow("a frame ahead of the turn, on it") << qint64(80) << 6 << 1 << 96;
        QTest::newRow("a negative lead is none") << qint64(33) << 1 << -2 << 15;
    }
    void waitsForTheNextFrameOfTheGrid()
    {
        QFETCH(qint64, now);
        QFETCH(int, every);
        QFETCH(int, lead);
        QFETCH(int, wait);
        QCOMPARE(FramePace::untilNextFrame(now, every, lead), wait);
    }

    // Turns of server text come at the next sixth frame after a quiet while, fifteen
    // frames apart while the text keeps coming, and what comes while one gathers joins it.
    void turnsAreFifteenFramesApartWhileTextKeepsComing_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("previous");
        QTest::addColumn<int>("lead");
        QTest::addColumn<qint64>("turn");
        QTest::newRow("after a quiet while") << qint64(1000) << qint64(0) << 0 << qint64(1056);
        QTest::newRow("a read after a quiet while")
            << qint64(1000) << qint64(0) << 1 << qint64(1056);
        QTest::newRow("just after a turn") << qint64(965) << qint64(960) << 0 << qint64(1200);
        QTest::newRow("half a turn after a turn")
            << qint64(1010) << qint64(960) << 0 << qint64(1200);
        QTest::newRow("fifteen frames after a turn")
            << qint64(1200) << qint64(960) << 0 << qint64(1248);
        QTest::newRow("while a turn gathers") << qint64(1000) << qint64(1152) << 0 << qint64(1152);
        QTest::newRow("a read ahead of a gathering turn")
            << qint64(1130) << qint64(1152) << 1 << qint64(1152);
        QTest::newRow("a read too late for a gathering turn")
            << qint64(1140) << qint64(1152) << 1 << qint64(1392);
    }
    void turnsAreFifteenFramesApartWhileTextKeepsComing()
    {
        QFETCH(qint64, now);
        QFETCH(qint64, previous);
        QFETCH(int, lead);
        QTEST(FramePace::nextTurn(now, previous, lead), "turn");
    }

    void waitsStartedInOneFrameEndTogether_data()
    {
        QTest::addColumn<int>("every");
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("second");
        QTest::newRow("two boards a few milliseconds apart") << 1 << qint64(20) << qint64(29);
        QTest::newRow("two panes a frame apart") << 4 << qint64(70) << qint64(100);
    }
    void waitsStartedInOneFrameEndTogether()
    {
        QFETCH(int, every);
        QFETCH(qint64, first);
        QFETCH(qint64, second);
        QCOMPARE(first + FramePace::untilNextFrame(first, every),
                 second + FramePace::untilNextFrame(second, every));
    }

    // A socket's read runs a frame ahead of the turn, so what it brings is drawn on the
    // turn's own frame.
    void aLeadEndsTheGivenFramesBeforeTheTurn()
    {
        for (qint64 now = 0; now < 400; now += 7) {
            const qint64 read = now + FramePace::untilNextFrame(now, FramePace::TurnFrames, 1);
            const qint64 turn = read + FramePace::untilNextFrame(read, FramePace::TurnFrames);
            QCOMPARE(turn - read, qint64(FramePace::Milliseconds));
        }
    }

    void slowerPacesMeetTheFasterOnes()
    {
        // What comes every fourth frame is drawn in a pass that boards use as well.
        for (qint64 now = 0; now < 200; now += 7) {
            const qint64 slow = now + FramePace::untilNextFrame(now, 4);
            QCOMPARE(slow % (2 * FramePace::Milliseconds), 0);
        }
    }
};

QTEST_GUILESS_MAIN(FramePaceTest)
#include "FramePaceTest.moc"
