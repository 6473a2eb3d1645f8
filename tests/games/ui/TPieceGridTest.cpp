#include "games/ui/TPieceGrid.h"

#include "games/ui/SharedPieceState.h"
#include "support/ui/PaintCounter.h"

#include <QTest>
#include <QVBoxLayout>

class TPieceGridTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        SharedPieceState& shared = SharedPieceState::instance();
        shared.setPieceSet(0);
        shared.setColour(BoardColour::WhitePieces,
                         SharedPieceState::builtInColour(BoardColour::WhitePieces));
        shared.makePictures();
    }

    void fillsKingsFirstAndStopsAtSixteen()
    {
        TPieceGrid grid;
        grid.SetPieces(8, 2, 2, 2, 1, 1);
        const auto cells = grid.cellPieces();
        QCOMPARE(cells[0], PieceCode::WhiteKing);
        QCOMPARE(cells[1], PieceCode::WhiteQueen);
        QCOMPARE(cells[2], PieceCode::WhiteRook);
        QCOMPARE(cells[4], PieceCode::WhiteBishop);
        QCOMPARE(cells[6], PieceCode::WhiteKnight);
        QCOMPARE(cells[8], PieceCode::WhitePawn);
        QCOMPARE(cells[15], PieceCode::WhitePawn);
        grid.setPawns(9); // a seventeenth piece has no cell
        QCOMPARE(grid.cellPieces(), cells);
    }

    void pieceAtReadsTheCellUnderThePoint_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("code");
        QTest::newRow("first cell") << 5 << 5 << int(PieceCode::BlackQueen);
        QTest::newRow("second cell") << 45 << 39 << int(PieceCode::BlackKnight);
        QTest::newRow("second row") << 0 << 40 << int(PieceCode::BlackPawn);
        QTest::newRow("empty cell") << 120 << 120 << 0;
        QTest::newRow("outside") << 170 << 10 << 0;
    }
    void pieceAtReadsTheCellUnderThePoint()
    {
        TPieceGrid grid;
        grid.resize(160, 160);
        grid.setWhite(false);
        grid.SetPieces(1, 3, 0, 0, 1, 0);
        QFETCH(int, x);
        QFETCH(int, y);
        QTEST(int(grid.PieceAt(x, y)), "code");
    }

    void negativeCountsDrawNothing()
    {
        TPieceGrid grid;
        grid.SetPieces(-2, 0, 0, 0, 0, 1);
        QCOMPARE(grid.cellPieces()[0], PieceCode::WhiteKing);
        QCOMPARE(grid.cellPieces()[1], PieceCode::Empty);
    }

    void setTwoWithVeryLightWhiteShowsBlackPictures()
    {
        SharedPieceState& shared = SharedPieceState::instance();
        TPieceGrid white, black;
        for (TPieceGrid* grid : {&white, &black}) {
            grid->resize(120, 120);
            grid->SetPieces(1, 1, 1, 1, 1, 1);
        }
        black.setWhite(false);
        shared.setPieceSet(2);
        shared.setColour(BoardColour::WhitePieces, QColor(255, 255, 255));
        shared.makePictures();
        QCOMPARE(white.grab().toImage(), black.grab().toImage());
        shared.setColour(BoardColour::WhitePieces, QColor(200, 200, 200)); // sum 600: not above
        shared.makePictures();
        QVERIFY(white.grab().toImage() != black.grab().toImage());
    }

    void emptyCellsArePaintedWhite()
    {
        TPieceGrid grid;
        grid.resize(80, 80);
        grid.SetPieces(1, 0, 0, 0, 0, 0);
        const QImage image = grid.grab().toImage();
        QCOMPARE(image.pixel(70, 70) & 0xFFFFFF, 0xFFFFFFu);
        bool pieceDrawn = false;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x)
                pieceDrawn |= (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        }
        QVERIFY(pieceDrawn);
    }

    // A captured piece changes the grid many times in a game on four boards at once: the
    // grid repaints itself alone, not the panel and the window behind it.
    void aChangedGridRepaintsNothingBehindIt()
    {
        QWidget window;
        auto* grid = new TPieceGrid(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(grid);
        window.resize(80, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const PaintCounter windowPaints(&window), gridPaints(grid);
        grid->SetPieces(2, 0, 0, 0, 0, 0);
        QTRY_COMPARE(gridPaints.paints(), 1);
        QTest::qWait(50);
        QCOMPARE(windowPaints.paints(), 0);
    }
};

QTEST_MAIN(TPieceGridTest)
#include "TPieceGridTest.moc"
