#include "lists/SeekGraphGeometry.h"
#include "lists/TSeek.h"

#include <QTest>

using namespace SeekGraphGeometry;

namespace {

TSeek offer(int expected, int rating)
{
    TSeek seek;
    seek.expectedTime = expected;
    seek.rating = rating;
    return seek;
}

} // namespace

class SeekGraphGeometryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ratingRangeIsClamped_data();
    void ratingRangeIsClamped();
    void dotPlaces_data();
    void dotPlaces();
    void equalDotsMoveAside();
    void equalDotsAtTheRightEdgeMoveLeft();
    void pointerFindsTheFirstDot();
    void labels();
    void tinyGraphStaysSane();
};

void SeekGraphGeometryTest::ratingRangeIsClamped_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("defaults stay") << 750 << 2250 << 750 << 2250;
    QTest::newRow("narrow range widens to 100") << 2000 << 2050 << 2000 << 2100;
    QTest::newRow("equal ends cannot divide by zero") << 1500 << 1500 << 1500 << 1600;
    QTest::newRow("reversed ends") << 2000 << 1000 << 2000 << 2100;
    QTest::newRow("negative from") << -50 << 900 << 0 << 900;
    QTest::newRow("from above its limit") << 5000 << 9000 << 2250 << 3000;
    QTest::newRow("to above its limit") << 100 << 99999 << 100 << 3000;
}

void SeekGraphGeometryTest::ratingRangeIsClamped()
{
    QFETCH(int, from);
    QFETCH(int, to);
    const RatingRange range = RatingRange::clamped(from, to);
    QTEST(range.min, "min");
    QTEST(range.max, "max");
    QVERIFY(range.span() >= RatingRange::MinimumSpan);
}

// A graph of 311 x 210 pixels: 10 pixels per minute, 40 pixels per 300 rating
// points with the default range 750..2250 (200 usable pixels for 1500 points).
void SeekGraphGeometryTest::dotPlaces_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("rating");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("5 12 at 1643") << 13 << 1643 << QPoint(130, 80);
    QTest::newRow("2 0 at the top rating") << 2 << 2250 << QPoint(20, 0);
    QTest::newRow("untimed at 30 minutes") << 250 << 1500 << QPoint(300, 100);
    QTest::newRow("guest at the bottom") << 10 << 0 << QPoint(100, 200);
    QTest::newRow("above the range at the top") << 0 << 2900 << QPoint(0, 0);
}

void SeekGraphGeometryTest::dotPlaces()
{
    QFETCH(int, expected);
    QFETCH(int, rating);
    QList<TSeek> seeks{offer(expected, rating)};
    placeDots(seeks, QSize(311, 210), RatingRange{});
    QTEST(seeks[0].dot.topLeft(), "topLeft");
    QCOMPARE(seeks[0].dot.size(), QSize(11, 11)); // left to left + 10 inclusive
}

void SeekGraphGeometryTest::equalDotsMoveAside()
{
    QList<TSeek> seeks{offer(5, 1500), offer(5, 1500), offer(5, 1500)};
    placeDots(seeks, QSize(311, 210), RatingRange{});
    QCOMPARE(seeks[0].dot.left(), 50);
    QCOMPARE(seeks[1].dot.left(), 55);
    // The third meets the first, moves, then meets the second and moves again.
    QCOMPARE(seeks[2].dot.left(), 60);
}

void SeekGraphGeometryTest::equalDotsAtTheRightEdgeMoveLeft()
{
    QList<TSeek> seeks{offer(30, 1500), offer(30, 1500)};
    placeDots(seeks, QSize(311, 210), RatingRange{});
    QCOMPARE(seeks[0].dot.left(), 300);
    QCOMPARE(seeks[1].dot.left(), 295);
}

void SeekGraphGeometryTest::pointerFindsTheFirstDot()
{
    QList<TSeek> seeks{offer(5, 1500), offer(5, 1500)};
    placeDots(seeks, QSize(311, 210), RatingRange{});
    QCOMPARE(seekAt(seeks, QPoint(56, 101)), 0);
    QCOMPARE(seekAt(seeks, QPoint(62, 101)), 1);
    QCOMPARE(seekAt(seeks, QPoint(65, 101)), -1); // right edge excluded
    QCOMPARE(seekAt(seeks, QPoint(5, 5)), -1);
}

void SeekGraphGeometryTest::labels()
{
    QCOMPARE(ratingLabels(RatingRange{}), (QList<int>{2250, 1950, 1650, 1350, 1050, 750}));
    QCOMPARE(ratingLabelTop(1, 210), 36);
    QCOMPARE(gridLineY(1, 210), 45);
    QCOMPARE(gridLineX(BlitzMinutes, 311), 35);
    QCOMPARE(lightningLabelWidth(311), 35);
    QCOMPARE(blitzLabelWidth(311), 120);
}

void SeekGraphGeometryTest::tinyGraphStaysSane()
{
    QList<TSeek> seeks{offer(30, 3000), offer(30, 3000)};
    placeDots(seeks, QSize(0, 0), RatingRange{});
    QCOMPARE(seeks[0].dot.topLeft(), QPoint(0, 0));
}

QTEST_GUILESS_MAIN(SeekGraphGeometryTest)
#include "SeekGraphGeometryTest.moc"
