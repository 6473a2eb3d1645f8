#include "games/AnimationPath.h"

#include <QTest>

namespace {
QList<QPoint> walk(QPoint from, QPoint to, int step)
{
    QList<QPoint> points;
    AnimationPath path(from, to, step);
    while (!path.finished() && points.size() < 10000) {
        points.append(path.current());
        path.advance();
    }
    return points;
}
} // namespace

class AnimationPathTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void straightUpInSteps()
    {
        const QList<QPoint> points = walk({100, 200}, {100, 180}, 5);
        QCOMPARE(points, QList<QPoint>({{100, 200}, {100, 195}, {100, 190}, {100, 185}}));
    }

    void diagonalKeepsFractionsAndRoundsHalvesToEven()
    {
        // dx = 10, dy = 5: x steps 4, y steps 2.0 ... with step 3: y steps 1.5
        const QList<QPoint> points = walk({0, 0}, {10, 5}, 3);
        QCOMPARE(points, QList<QPoint>({{0, 0}, {3, 2}, {6, 3}, {9, 4}}));
    }

    void overshootEndsTheWalk()
    {
        const QList<QPoint> points = walk({0, 0}, {-7, 0}, 5);
        QCOMPARE(points, QList<QPoint>({{0, 0}, {-5, 0}}));
    }

    void samePointHasNoSteps()
    {
        QVERIFY(walk({4, 4}, {4, 4}, 5).isEmpty());
    }
};

QTEST_GUILESS_MAIN(AnimationPathTest)
#include "AnimationPathTest.moc"
