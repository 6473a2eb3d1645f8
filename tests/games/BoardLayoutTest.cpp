#include "games/BoardLayout.h"

#include <QTest>

class BoardLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullPerspectiveIsAFlatGrid()
    {
        BoardLayoutInput in;
        in.width = 800;
        in.height = 800;
        in.perspective = 1.0f;
        const BoardLayout layout(in);
        QCOMPARE(layout.slope(), 0.0);
        QCOMPARE(layout.rowGrowth(), 0.0);
        QCOMPARE(layout.topY(), 100);
        QCOMPARE(layout.rowBase(), 87.5);
        for (int row = 0; row <= 8; ++row) {
            QCOMPARE(layout.colWidth(layout.rowTop(row)), 100);
            QCOMPARE(layout.rowTop(row), 100 + 87 * row);
        }
        QCOMPARE(layout.colX(0, 500), 0);
        QCOMPARE(layout.colX(8, 500), 800);
        QCOMPARE(layout.anchorX(), 30);
        QCOMPARE(layout.anchorY(), 45);
    }

    void threeDimensionalRowsGrowTowardsTheViewer()
    {
        BoardLayoutInput in;
        in.width = 640;
        in.height = 480;
        const BoardLayout layout(in);
        // 0.65 as a single is 0.6499999762: 640 * p / 8 = 51.99999 truncates to 51
        QCOMPARE(layout.topY(), 51);
        QVERIFY(layout.rowTop(8) + 4 <= 480);
        QVERIFY(layout.rowTop(8) + 4 > 480 - 8); // h0 went down in half-pixel steps only
        for (int row = 0; row < 7; ++row) {
            const int top = layout.rowTop(row);
            QVERIFY(layout.rowHeight(layout.rowTop(row + 1)) >= layout.rowHeight(top));
            QVERIFY(layout.colWidth(layout.rowTop(row + 1)) >= layout.colWidth(top));
        }
        QVERIFY(layout.colWidth(layout.rowTop(8)) > layout.colWidth(layout.rowTop(0)));
    }

    void anchorsDependOnTheSet_data()
    {
        QTest::addColumn<bool>("threeD");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("anchorY");
        QTest::newRow("3d set stands at three quarters") << true << 0 << 60 << 45;
        QTest::newRow("set 2 in 3D") << true << 2 << 65 << 48;
        QTest::newRow("later sets at five sixths") << true << 5 << 59 << 49;
        QTest::newRow("2D centres") << false << 5 << 59 << 29;
    }
    void anchorsDependOnTheSet()
    {
        QFETCH(bool, threeD);
        QFETCH(int, set);
        QFETCH(int, size);
        BoardLayoutInput in;
        in.width = 400;
        in.height = 400;
        in.threeD = threeD;
        in.pieceSet = set;
        in.pictureSize = size;
        const BoardLayout layout(in);
        QCOMPARE(layout.anchorX(), size / 2);
        QTEST(layout.anchorY(), "anchorY");
    }

    void flatBoard_data()
    {
        QTest::addColumn<bool>("coordinates");
        QTest::addColumn<int>("topY");
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("left");
        QTest::newRow("without coordinates") << false << 23 << 94 << 24;
        // W' = 800 - 2 * 10, H' = 800 - 2 * 14, m = 772
        QTest::newRow("with coordinates") << true << 14 << 96 << 16;
    }
    void flatBoard()
    {
        QFETCH(bool, coordinates);
        BoardLayoutInput in;
        in.width = 800;
        in.height = 800;
        in.threeD = false;
        in.coordinates = coordinates;
        in.textWidth = 10;
        in.textHeight = 14;
        const BoardLayout layout(in);
        QTEST(layout.topY(), "topY");
        QTEST(layout.rowHeight(layout.rowTop(5)), "square");
        QTEST(layout.colWidth(layout.rowTop(3)), "square");
        QTEST(layout.colX(0, 300), "left");
        QCOMPARE(layout.originX(), 400);
    }

    void centreAndHitTestAgree()
    {
        for (bool threeD : {true, false}) {
            BoardLayoutInput in;
            in.width = 500;
            in.height = 420;
            in.threeD = threeD;
            const BoardLayout layout(in);
            for (int row = 0; row < 8; ++row) {
                for (int column = 0; column < 8; ++column) {
                    const QPoint c = layout.centre(column, row);
                    QCOMPARE(layout.squareAt(c.x(), c.y()), QPoint(column, row));
                }
            }
            QCOMPARE(layout.squareAt(1, 1), std::nullopt);
            QCOMPARE(layout.squareAt(250, layout.rowTop(8) + 1), std::nullopt);
        }
    }

    void collapsedControlStillLaysOut()
    {
        BoardLayoutInput in; // 0 x 0, coordinates larger than the control
        in.coordinates = true;
        in.textWidth = 10;
        in.textHeight = 14;
        const BoardLayout layout(in);
        QVERIFY(layout.rowTop(8) + 4 <= layout.boardHeight());
    }
};

QTEST_GUILESS_MAIN(BoardLayoutTest)
#include "BoardLayoutTest.moc"
