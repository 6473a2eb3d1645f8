#include "games/PacedSlide.h"

#include <QTest>

class PacedSlideTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pieceIsWhereItIsDue_data()
    {
        QTest::addColumn<int>("stepLength");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<bool>("finished");
        // Straight up from (100, 300) to (100, 100): 40 steps of 5 pixels.
        QTest::newRow("at the start nothing has moved") << 5 << qint64(0) << QPoint(100, 300) << false;
        QTest::newRow("a step due every four milliseconds")
            << 5 << qint64(40) << QPoint(100, 250) << false;
        QTest::newRow("halfway at half the time") << 5 << qint64(80) << QPoint(100, 200) << false;
        QTest::newRow("longer steps arrive sooner") << 10 << qint64(80) << QPoint(100, 100) << true;
        QTest::newRow("late frames stop on the target")
            << 5 << qint64(60000) << QPoint(100, 100) << true;
        QTest::newRow("a step that passes the target stops on it")
            << 7 << qint64(120) << QPoint(100, 100) << true;
    }
    void pieceIsWhereItIsDue()
    {
        QFETCH(int, stepLength);
        QFETCH(qint64, elapsed);
        QFETCH(QPoint, expected);
        QFETCH(bool, finished);
        PacedSlide slide({100, 300}, {100, 100}, stepLength);
        QCOMPARE(slide.pointAt(elapsed), expected);
        QCOMPARE(slide.finished(), finished);
    }

    void framesTakeTheStepsDueSinceTheLastOne()
    {
        PacedSlide slide({0, 0}, {100, 50}, 5);
        QCOMPARE(slide.pointAt(16), QPoint(20, 10));
        QCOMPARE(slide.pointAt(16), QPoint(20, 10)); // no time passed, no step
        QCOMPARE(slide.pointAt(32), QPoint(40, 20));
        QCOMPARE(slide.target(), QPoint(100, 50));
    }
};

QTEST_GUILESS_MAIN(PacedSlideTest)
#include "PacedSlideTest.moc"
