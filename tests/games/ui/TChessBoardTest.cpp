#include "games/ui/TChessBoard.h"
#include "games/MoveAnimationRule.h"
#include "games/ParseStyle12.h"
#include "games/Style12Record.h"
#include "games/ui/SharedPieceState.h"
#include "games/ui/TPieceGrid.h"
#include "widgets/FramePace.h"

#include <QDir>
#include <QTest>

#include <optional>

namespace {

const QByteArray Start = "rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP RNBQKBNR";
const QByteArray AfterE4 =
    "rnbqkbnr pppppppp -------- -------- ----P--- -------- PPPP-PPP RNBQKBNR";
const QByteArray AfterD5 =
    "rnbqkbnr ppp-pppp -------- ---p---- ----P--- -------- PPPP-PPP RNBQKBNR";
const QByteArray AfterExd5 =
    "rnbqkbnr ppp-pppp -------- ---P---- -------- -------- PPPP-PPP RNBQKBNR";

Style12Record record(const QByteArray& ranks, bool whiteToMove, int moveNumber, int relation,
                     const QByteArray& verbose, int flip = 0, int game = 1)
{
    const QByteArray line = "<12> " + ranks + (whiteToMove ? " W" : " B") + " -1 1 1 1 1 0 " +
                            QByteArray::number(game) + " alice bob " +
                            QByteArray::number(relation) + " 5 0 39 39 300 300 " +
                            QByteArray::number(moveNumber) + " " + verbose + " (0:01) x " +
                            QByteArray::number(flip);
    Style12Record r;
    if (!ParseStyle12(line, r))
        qFatal("test record did not parse");
    return r;
}

// Counts the board's paints (a slide paints once per frame) and the area they cover.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

constexpr int Patience = 20000;

// What a board of this size shows for a record set without a slide.
QImage stillImage(const Style12Record& shown, int size)
{
    TChessBoard still;
    still.resize(size, size);
    still.SetPosition(shown);
    return still.grab().toImage();
}

QRgb rgbAt(const QImage& image, QPoint p)
{
    return image.pixel(p) & 0xFFFFFF;
}

// A square board on screen, at a move speed of the test's choice or the board's own.
bool showBoard(TChessBoard& board, int size, std::optional<int> moveSpeed = {})
{
    board.resize(size, size);
    if (moveSpeed)
        board.setMoveSpeed(*moveSpeed);
    board.show();
    return QTest::qWaitForWindowExposed(&board);
}

} // namespace

class TChessBoardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        SharedPieceState& shared = SharedPieceState::instance();
        shared.setPieceSet(0);
        for (int i = 0; i < 4; ++i)
            shared.setColour(BoardColour(i), SharedPieceState::builtInColour(BoardColour(i)));
    }

    void freshControlShowsTheStartIn3D()
    {
        TChessBoard board;
        QVERIFY(board.f3d());
        QCOMPARE(board.Perspective(), 0.65f);
        QCOMPARE(board.PieceSet(), 0);
        QCOMPARE(board.MoveSpeed(), 5);
        QVERIFY(!board.Reversed());
        QVERIFY(!board.Coordinates());
        QCOMPARE(board.LastDblPPush(), -1);
        QVERIFY(board.WhitesMove() && board.WCanCastleKS() && board.BCanCastleQS());
        QCOMPARE(board.CurrentPosition()[0], PieceCode::BlackRook);
        QCOMPARE(board.CurrentPosition()[60], PieceCode::WhiteKing);
        QCOMPARE(board.CurrentPosition()[35], PieceCode::Empty);
    }

    void squaresHaveTheirColoursAndPiecesShow_data()
    {
        QTest::addColumn<bool>("threeD");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<bool>("coordinates");
        QTest::newRow("2D") << false << false << false;
        QTest::newRow("2D reversed") << false << true << false;
        QTest::newRow("3D") << true << false << false;
        QTest::newRow("3D reversed with coordinates") << true << true << true;
    }
    void squaresHaveTheirColoursAndPiecesShow()
    {
        QFETCH(bool, threeD);
        QFETCH(bool, flip);
        QFETCH(bool, coordinates);
        TChessBoard board;
        board.resize(480, 440);
        board.setF3d(threeD);
        board.setCoordinates(coordinates);
        board.FullRebuild();
        board.SetPosition(record(AfterE4, false, 1, 0, "P/e2-e4", flip ? 1 : 0));
        const QImage image = board.grab().toImage();
        const QRgb light = board.WSColor().rgb() & 0xFFFFFF,
                   dark = board.BSColor().rgb() & 0xFFFFFF;
        // Rows 2 to 5 hold no piece but e4 (and its mirror when reversed): the centres show
        // the square colours, the top-left square light.
        for (int row = 2; row <= 5; ++row) {
            for (int column = 0; column < 8; ++column) {
                if (board.CurrentPosition()[row * 8 + column] != PieceCode::Empty)
                    continue;
                const QPoint centre = board.layout().centre(column, row);
                QCOMPARE(rgbAt(image, centre), (row + column) % 2 == 0 ? light : dark);
            }
        }
        QCOMPARE(rgbAt(image, board.layout().centre(0, 0) +
                                  QPoint(-board.layout().colWidth(0) / 2 + 3, -3)),
                 light);
        // A piece covers part of its square: some pixel of the square's rectangle differs
        // from both square colours.
        const QByteArray e4 = "e4";
        const QPoint square = *board.ParseSquare(e4);
        QCOMPARE(board.CurrentPosition()[square.y() * 8 + square.x()], PieceCode::WhitePawn);
        const QPoint centre = board.layout().centre(square.x(), square.y());
        const int half = board.layout().colWidth(centre.y()) / 3;
        int pieceColoured = 0;
        for (int dy = -half; dy <= 0; ++dy) {
            for (int dx = -half; dx <= half; ++dx) {
                const QRgb rgb = rgbAt(image, centre + QPoint(dx, dy));
                pieceColoured += rgb != light && rgb != dark;
            }
        }
        QVERIFY(pieceColoured > half);
        QCOMPARE(board.Reversed(), flip);
    }

    void flipTurnsTheBoard()
    {
        TChessBoard board;
        board.resize(300, 300);
        board.SetPosition(record(Start, true, 1, 0, "none", 1));
        QVERIFY(board.Reversed());
        QCOMPARE(board.CurrentPosition()[0], PieceCode::WhiteRook); // h1 at the top left
        QCOMPARE(board.CurrentPosition()[3], PieceCode::WhiteKing);
        QCOMPARE(board.SquareName(0, 0), QByteArray("h1"));
    }

    void reversingTurnsTheShownPosition()
    {
        TChessBoard board;
        board.setReversed(true);
        QCOMPARE(board.CurrentPosition()[63], PieceCode::BlackRook);
        QCOMPARE(board.CurrentPosition()[3], PieceCode::WhiteKing);
        QCOMPARE(*board.ParseSquare("e1"), QPoint(3, 0));
    }

    void animation_data()
    {
        QTest::addColumn<int>("relation");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("whiteToMove"); // after e4 it is black's turn
        QTest::addColumn<QByteArray>("verbose");
        QTest::addColumn<bool>("animates");
        QTest::newRow("opponent's move") << 1 << 1 << true << QByteArray("P/d7-d5") << true;
        QTest::newRow("own move echoed") << -1 << 1 << true << QByteArray("P/d7-d5") << false;
        QTest::newRow("animation off") << 1 << 0 << true << QByteArray("P/d7-d5") << false;
        QTest::newRow("two half-moves on") << 1 << 1 << false << QByteArray("P/d7-d5") << false;
        QTest::newRow("castling jumps") << 1 << 1 << true << QByteArray("o-o") << false;
    }
    void animation()
    {
        QFETCH(int, relation);
        QFETCH(int, speed);
        QFETCH(bool, whiteToMove);
        QFETCH(QByteArray, verbose);
        QFETCH(bool, animates);
        TChessBoard board;
        QVERIFY(showBoard(board, 400, speed));
        board.SetPosition(record(AfterE4, false, 1, -1, "P/e2-e4"));
        QTest::qWait(MoveAnimationRule::HumanPaceMilliseconds); // the next move at human pace
        PaintCounter counter;
        board.installEventFilter(&counter);
        board.SetPosition(record(AfterD5, whiteToMove, 2, relation, verbose));
        // The slide runs on after SetPosition returns, which already holds the new position.
        QCOMPARE(board.isSliding(), animates);
        QCOMPARE(board.CurrentPosition()[3 * 8 + 3], PieceCode::BlackPawn);
        QCOMPARE(board.CurrentPosition()[1 * 8 + 3], PieceCode::Empty);
        QTRY_VERIFY_WITH_TIMEOUT(!board.isSliding(), Patience);
        if (animates)
            QVERIFY(counter.paints >= 3); // the start, at least one step, the landing
    }

    void captureAnimatesAndTheCapturedPieceGoes()
    {
        TChessBoard board;
        QVERIFY(showBoard(board, 800, 1));
        board.SetPosition(record(AfterD5, true, 2, 1, "P/d7-d5"));
        const QImage before = board.grab().toImage();
        QTest::qWait(MoveAnimationRule::HumanPaceMilliseconds);
        PaintCounter counter;
        board.installEventFilter(&counter);
        board.SetPosition(record(AfterExd5, false, 2, 0, "P/e4-d5"));
        QVERIFY(board.isSliding());
        // Until the piece lands the black pawn on d5 stays in sight.
        const QPoint d5 = board.layout().centre(3, 3);
        const int half = board.layout().colWidth(d5.y()) / 3;
        const QRect onD5(d5 - QPoint(half, half), d5 + QPoint(half, 0));
        QCOMPARE(board.grab().toImage().copy(onD5), before.copy(onD5));
        QTRY_VERIFY_WITH_TIMEOUT(!board.isSliding(), Patience);
        QVERIFY(counter.paints >= 3);
        QCOMPARE(board.CurrentPosition()[3 * 8 + 3], PieceCode::WhitePawn);
        QCOMPARE(board.CurrentPosition()[4 * 8 + 4], PieceCode::Empty);
        QCOMPARE(board.grab().toImage(),
                 stillImage(record(AfterExd5, false, 2, 0, "P/e4-d5"), 800));
    }

    void aNewerPositionEndsTheSlideAndShowsItself()
    {
        TChessBoard board;
        QVERIFY(showBoard(board, 800, 1));
        board.SetPosition(record(AfterE4, false, 1, 0, "P/e2-e4"));
        QTest::qWait(MoveAnimationRule::HumanPaceMilliseconds);
        board.SetPosition(record(AfterD5, true, 2, 0, "P/d7-d5"));
        QVERIFY(board.isSliding());
        const Style12Record newest = record(AfterExd5, false, 2, 0, "P/e4-d5");
        board.SetPosition(newest);
        QVERIFY(!board.isSliding()); // in quick succession: no slide for the newer move
        QCOMPARE(board.grab().toImage(), stillImage(newest, 800));
    }

    void aMoveRepaintsOnlyTheSquaresThatChanged_data()
    {
        QTest::addColumn<bool>("threeD");
        QTest::newRow("flat board") << false;
        QTest::newRow("in perspective") << true;
    }
    void aMoveRepaintsOnlyTheSquaresThatChanged()
    {
        QFETCH(bool, threeD);
        TChessBoard board;
        board.setF3d(threeD);
        QVERIFY(showBoard(board, 480, 0));
        board.SetPosition(record(Start, true, 1, 0, "none"));
        QCoreApplication::processEvents();
        PaintCounter counter;
        board.installEventFilter(&counter);
        board.SetPosition(record(AfterE4, false, 1, 0, "P/e2-e4"));
        QTRY_VERIFY_WITH_TIMEOUT(counter.paints > 0, Patience);
        const BoardLayout& layout = board.layout();
        const auto square = [&](int column, int row) {
            const QPoint centre = layout.centre(column, row);
            const int w = layout.colWidth(centre.y());
            return QRect(centre - QPoint(w, w), centre + QPoint(w, w));
        };
        // e2 and e4 (with room for the piece drawn above its square), not the e-file's
        // other pieces: the king on e1 and the black pieces are left alone.
        QVERIFY(counter.painted.boundingRect().intersects(square(4, 6)));
        QVERIFY(counter.painted.boundingRect().intersects(square(4, 4)));
        QVERIFY(!counter.painted.contains(layout.centre(4, 7)));
        QVERIFY(!counter.painted.contains(layout.centre(4, 1)));
        QVERIFY(!counter.painted.contains(layout.centre(4, 0)));
    }

    // In perspective a move repaints whole columns of the board. Copied in one piece each,
    // a column of a tall board would go to Qt's fill threads (one is started the first
    // time), which the copy waits for, at every move.
    void tallAreasAreCopiedWithoutFillThreads()
    {
        TChessBoard board;
        QVERIFY(showBoard(board, 480, 0));
        board.SetPosition(record(Start, true, 1, 0, "none"));
        QCoreApplication::processEvents();
        const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).count(); };
        const qsizetype before = threads();
        // Two columns, as a move on the d- and e-files repaints, into an image without
        // alpha, as an X11 window's backing store is.
        const QRegion columns = QRegion(180, 0, 60, 480) + QRegion(300, 0, 60, 480);
        QImage shown(board.size(), QImage::Format_RGB32);
        shown.fill(Qt::black);
        board.render(&shown, columns.boundingRect().topLeft(), columns);
        QCOMPARE(threads(), before);
        const QImage still = stillImage(record(Start, true, 1, 0, "none"), 480);
        for (const QRect& column : columns)
            QCOMPARE(shown.copy(column).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     still.copy(column).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    // Redrawing only what changed must leave the very pixels a fresh drawing of the last
    // position gives, rims of soft-edged pieces included.
    void movesDrawnOneByOneLookLikeAFreshBoard_data()
    {
        QTest::addColumn<bool>("threeD");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pieceSet");
        QTest::newRow("flat") << false << 480 << 0;
        QTest::newRow("flat, squares of an odd size") << false << 333 << 0;
        QTest::newRow("flat, another piece set") << false << 401 << 5;
        QTest::newRow("in perspective") << true << 480 << 0;
    }
    void movesDrawnOneByOneLookLikeAFreshBoard()
    {
        QFETCH(bool, threeD);
        QFETCH(int, size);
        QFETCH(int, pieceSet);
        SharedPieceState::instance().setPieceSet(pieceSet);
        TChessBoard board;
        board.setF3d(threeD);
        QVERIFY(showBoard(board, size, 0));
        const Style12Record last = record(AfterExd5, false, 2, 0, "P/e4-d5");
        for (const Style12Record& step :
             {record(Start, true, 1, 0, "none"), record(AfterE4, false, 1, 0, "P/e2-e4"),
              record(AfterD5, true, 2, 0, "P/d7-d5"), last}) {
            board.SetPosition(step);
            QTRY_VERIFY_WITH_TIMEOUT(!board.isSliding(), Patience);
        }
        TChessBoard fresh;
        fresh.setF3d(threeD);
        fresh.resize(size, size);
        fresh.SetPosition(last);
        QCOMPARE(board.grab().toImage(), fresh.grab().toImage());
    }

    void anInstantAnswerToTheUsersMoveStillSlides()
    {
        TChessBoard board;
        QVERIFY(showBoard(board, 400));
        board.SetPosition(record(Start, true, 1, 1, "none"));
        QTest::qWait(MoveAnimationRule::HumanPaceMilliseconds);
        board.SetPosition(record(AfterE4, false, 1, -1, "P/e2-e4")); // the user's move
        board.SetPosition(record(AfterD5, true, 2, 1, "P/d7-d5"));   // answered at once
        QVERIFY(board.isSliding());
        QTRY_VERIFY_WITH_TIMEOUT(!board.isSliding(), Patience);
    }

    void nothingIsDrawnOnceTheSlideHasLanded()
    {
        TChessBoard board;
        QVERIFY(showBoard(board, 400));
        board.SetPosition(record(AfterE4, false, 1, 0, "P/e2-e4"));
        QTest::qWait(MoveAnimationRule::HumanPaceMilliseconds);
        board.SetPosition(record(AfterD5, true, 2, 0, "P/d7-d5"));
        QVERIFY(board.isSliding());
        QTRY_VERIFY_WITH_TIMEOUT(!board.isSliding(), Patience);
        PaintCounter counter;
        board.installEventFilter(&counter);
        QTest::qWait(10 * FramePace::Milliseconds);
        QCOMPARE(counter.paints, 0);
    }

    void aDragSurvivesAPositionThatKeepsItsPiece()
    {
        TChessBoard board;
        QVERIFY(showBoard(board, 400));
        board.SetPosition(record(Start, true, 1, 1, "none"));
        const QPoint g1 = board.layout().centre(6, 7);
        board.startDrag(g1);
        QVERIFY(board.isDragging());
        QCOMPARE(board.CurrentPosition()[62], PieceCode::Empty);
        board.SetPosition(record(AfterE4, false, 1, -1, "P/e2-e4"));
        QVERIFY(board.isDragging());
        QCOMPARE(board.CurrentPosition()[62], PieceCode::Empty); // still lifted
        QCOMPARE(board.CurrentPosition()[36], PieceCode::WhitePawn);

        const QByteArray knightGone = "rnbqkbnr pppppppp -------- -------- ----P--- -----N-- "
                                      "PPPP-PPP RNBQKB-R";
        board.SetPosition(record(knightGone, false, 2, -1, "N/g1-f3"));
        QVERIFY(!board.isDragging());
        QCOMPARE(board.CurrentPosition()[62], PieceCode::Empty);
        QCOMPARE(board.CurrentPosition()[45], PieceCode::WhiteKnight);
    }

    void aDragEndsWhenTheBoardTurns()
    {
        TChessBoard board;
        QVERIFY(showBoard(board, 400));
        board.SetPosition(record(Start, true, 1, 1, "none"));
        board.startDrag(board.layout().centre(6, 7));
        QVERIFY(board.isDragging());
        board.SetPosition(record(Start, true, 1, 1, "none", 1));
        QVERIFY(!board.isDragging());
        QCOMPARE(board.CurrentPosition()[1], PieceCode::WhiteKnight); // g1 turned to the top
    }

    void coloursAreSharedByEveryControl()
    {
        TChessBoard first, second;
        TPieceGrid grid;
        first.setWPColor(QColor(10, 20, 30));
        QCOMPARE(second.WPColor(), QColor(10, 20, 30));
        QCOMPARE(grid.WPColor(), QColor(10, 20, 30));
        QCOMPARE(QColor(SharedPieceState::instance().shadeTable().entry(4)), QColor(10, 20, 30));
        grid.setBPColor(QColor(1, 2, 3));
        QCOMPARE(first.BPColor(), QColor(1, 2, 3));
    }

    void outOfRangePieceSetIsRefused()
    {
        TChessBoard board;
        board.setPieceSet(7);
        QCOMPARE(board.PieceSet(), 7);
        board.setPieceSet(18);
        board.setPieceSet(-1);
        QCOMPARE(board.PieceSet(), 7);
        QCOMPARE(SharedPieceState::instance().pictureSize(), 74);
    }
};

QTEST_MAIN(TChessBoardTest)
#include "TChessBoardTest.moc"
