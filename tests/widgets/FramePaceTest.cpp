#include "widgets/FramePace.h"

#include <QTest>

class FramePaceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsForTheNextFrameOfTheGrid_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<int>("wait");
        QTest::newRow("on a frame: the whole next frame") << qint64(32) << 16;
        QTest::newRow("just after a frame") << qint64(33) << 15;
        QTest::newRow("just before a frame") << qint64(47) << 1;
        QTest::newRow("late in a long run") << qint64(3600001) << 15;
    }
    void waitsForTheNextFrameOfTheGrid()
    {
        QFETCH(qint64, now);
        QFETCH(int, wait);
        QCOMPARE(FramePace::untilNextFrame(now), wait);
    }

    void twoWaitsStartedInOneFrameEndTogether()
    {
        // Two boards asking a few milliseconds apart are drawn in the same frame.
        QCOMPARE(20 + FramePace::untilNextFrame(20), 29 + FramePace::untilNextFrame(29));
    }
};

QTEST_GUILESS_MAIN(FramePaceTest)
#include "FramePaceTest.moc"
