#include "games/ui/TfrmBoard.h"
#include "games/MoveAnimationRule.h"
#include "games/ui/BoardInfoColumn.h"
#include "games/ui/TChessBoard.h"
#include "games/ui/TPieceGrid.h"
#include "session/NullReceivers.h"

#include "support/Style12Lines.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {
constexpr int Patience = 20000;

Style12Record ply(int n, int relation)
{
    return Style12Line::openingPly(n, 1, relation).record();
}
// A board window on screen, as most of these tests need it.
struct ShownBoard
{
    NullReceivers sounds;
    TfrmBoard board{sounds};
    bool show()
    {
        board.show();
        return QTest::qWaitForWindowExposed(&board);
    }
};

} // namespace

class TfrmBoardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positionsWithinAFrameAreDrawnOnceWithTheLatest()
    {
        ShownBoard shown;
        QVERIFY(shown.show());
        TfrmBoard& board = shown.board;
        for (int n = 0; n <= 3; ++n)
            board.ShowRecord(ply(n, 0), false);
        QVERIFY(board.renderPending());
        QVERIFY(board.chsBoard->LastRecord().PlyIndex() != ply(3, 0).PlyIndex()); // not yet drawn
        QTRY_VERIFY_WITH_TIMEOUT(!board.renderPending(), Patience);
        QCOMPARE(board.chsBoard->LastRecord().PlyIndex(), ply(3, 0).PlyIndex());
        // The move list saw every position, in order.
        QCOMPARE(board.lstMoves->count(), 4);
        QCOMPARE(board.lstMoves->item(3)->text(), board.game().moveList().at(3).text);
    }

    void aHiddenBoardDrawsWhenShownAgain()
    {
        ShownBoard shown;
        QVERIFY(shown.show());
        TfrmBoard& board = shown.board;
        board.ShowRecord(ply(0, 0), false);
        board.renderNow();
        board.hide();
        board.ShowRecord(ply(1, 0), false);
        board.ShowRecord(ply(2, 0), false);
        QTRY_VERIFY_WITH_TIMEOUT(!board.renderPending(), Patience);
        // Nothing was drawn for the hidden board, not even its move list.
        QCOMPARE(board.chsBoard->LastRecord().PlyIndex(), ply(0, 0).PlyIndex());
        QCOMPARE(board.lstMoves->count(), 1);
        board.show();
        QCOMPARE(board.chsBoard->LastRecord().PlyIndex(), ply(2, 0).PlyIndex());
        QCOMPARE(board.lstMoves->count(), 3);
    }

    // Four docked boards hide their move lists by default; the players' names and clocks
    // must stay, or an observer of four games sees no time at all.
    void theMoveListAndTheSidePanelsHideApart_data()
    {
        QTest::addColumn<bool>("moveList");
        QTest::addColumn<bool>("sidePanels");
        QTest::addColumn<bool>("playersShown");
        QTest::addColumn<bool>("movesShown");
        QTest::newRow("everything shown") << true << true << true << true;
        QTest::newRow("the profile hides the move list") << false << true << true << false;
        QTest::newRow("M hides both panels") << true << false << false << false;
        QTest::newRow("both hidden") << false << false << false << false;
    }

    void theMoveListAndTheSidePanelsHideApart()
    {
        QFETCH(bool, moveList);
        QFETCH(bool, sidePanels);
        ShownBoard shown;
        QVERIFY(shown.show());
        TfrmBoard& board = shown.board;
        board.SetMoveListShown(moveList);
        board.setSidePanelsShown(sidePanels);
        QTEST(board.lblTopTime->isVisible(), "playersShown");
        QTEST(board.lblBottomName->isVisible(), "playersShown");
        QTEST(board.lstMoves->isVisible(), "movesShown");
        // Showing the panels again brings back the move list only when the profile wants it.
        board.setSidePanelsShown(true);
        QVERIFY(board.lblTopTime->isVisible());
        QCOMPARE(board.lstMoves->isVisible(), moveList);
    }

    // The user's own game is drawn at the next frame; observed games wait for the text
    // panes' frame, so that a flood of them shares paint passes.
    void theUsersOwnGameIsDrawnFirst_data()
    {
        QTest::addColumn<int>("relation");
        QTest::addColumn<bool>("nextFrame");
        QTest::newRow("playing, the user's move") << 1 << true;
        QTest::newRow("playing, the opponent's move") << -1 << true;
        QTest::newRow("examining") << 2 << true;
        QTest::newRow("observing a played game") << 0 << false;
        QTest::newRow("observing an examined game") << -2 << false;
        QTest::newRow("an isolated position") << -3 << false;
    }
    void theUsersOwnGameIsDrawnFirst()
    {
        QFETCH(int, relation);
        ShownBoard shown;
        QVERIFY(shown.show());
        TfrmBoard& board = shown.board;
        board.ShowRecord(ply(0, relation), false);
        QTEST(board.drawnAtNextFrame(), "nextFrame");
        // However long it waits, the position is drawn.
        QTRY_VERIFY_WITH_TIMEOUT(!board.renderPending(), Patience);
        QCOMPARE(board.chsBoard->LastRecord().PlyIndex(), ply(0, relation).PlyIndex());
    }

    // A hidden move list (four docked boards hide theirs) is filled when it is shown:
    // every move that came meanwhile, in order, with the newest one selected.
    void aHiddenMoveListCatchesUpWhenShown()
    {
        ShownBoard shown;
        QVERIFY(shown.show());
        TfrmBoard& board = shown.board;
        board.ShowRecord(ply(0, 0), false);
        board.renderNow();
        board.SetMoveListShown(false);
        for (int n = 1; n <= 4; ++n) {
            board.ShowRecord(ply(n, 0), false);
            board.renderNow();
        }
        board.SetMoveListShown(true);
        QCOMPARE(board.lstMoves->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(board.lstMoves->item(i)->text(), board.game().moveList().at(i).text);
        QCOMPARE(board.lstMoves->currentRow(), 4);
    }

    // Docked four to a tab a board is shorter than its player panel: the captured-piece
    // grids shrink, and no label is drawn over another.
    void aShortBoardKeepsThePlayersLabelsApart()
    {
        NullReceivers sounds;
        QWidget tab;
        tab.resize(480, 190);
        TfrmBoard board(sounds, &tab);
        board.setGeometry(tab.rect());
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        QCOMPARE(board.height(), 190);
        // What the column holds, top to bottom, in the column's coordinates.
        const QList<std::pair<QString, QRect>> column{
            {"lblMove", board.lblMove->geometry()},
            {"pgTop", board.pgTop->geometry()},
            {"lblTopName", board.lblTopName->geometry()},
            {"lblTopRate", board.lblTopRate->geometry()},
            {"lblTopTime", board.lblTopTime->geometry()},
            {"lblBottomName", board.lblBottomName->geometry()},
            {"lblBottomRate", board.lblBottomRate->geometry()},
            {"lblBottomTime", board.lblBottomTime->geometry()},
            {"pgBottom", board.pgBottom->geometry()}};
        for (qsizetype i = 1; i < column.size(); ++i) {
            const QRect above = column.at(i - 1).second, below = column.at(i).second;
            QVERIFY2(above.bottom() < below.top(),
                     qPrintable(column.at(i).first + " overlaps the line above"));
        }
        // The rating's buttons sit right of it, on its line; all lies within the column.
        for (const QToolButton* button :
             {board.btTopInfo, board.btTopPing, board.SpeedButton15, board.lblBottomPing}) {
            const QRect rate = button == board.btTopInfo || button == board.btTopPing
                                   ? board.lblTopRate->geometry()
                                   : board.lblBottomRate->geometry();
            QVERIFY(button->geometry().left() > rate.right());
            QVERIFY(rate.contains(QPoint(rate.left(), button->geometry().center().y())));
        }
        QVERIFY(board.pnlBoardInfo->rect().contains(board.pgBottom->geometry()));
        QCOMPARE(board.lblBottomTime->geometry().height(),
                 QFontMetrics(board.lblBottomTime->font()).height());
    }

    void anAnswerInTheFrameOfTheUsersMoveStillSlides_data()
    {
        QTest::addColumn<bool>("waitFirst");
        QTest::newRow("the game went at human pace before") << true;
        QTest::newRow("moves flooding in jump") << false;
    }
    void anAnswerInTheFrameOfTheUsersMoveStillSlides()
    {
        QFETCH(bool, waitFirst);
        ShownBoard shown;
        QVERIFY(shown.show());
        TfrmBoard& board = shown.board;
        board.ShowRecord(ply(0, 1), false);
        board.renderNow();
        if (waitFirst)
            QTest::qWait(MoveAnimationRule::HumanPaceMilliseconds);
        board.ShowRecord(ply(1, -1), false); // the user's move
        board.ShowRecord(ply(2, 1), false);  // the opponent's answer, in the same frame
        board.renderNow();
        QCOMPARE(board.chsBoard->isSliding(), waitFirst);
        QTRY_VERIFY_WITH_TIMEOUT(!board.chsBoard->isSliding(), Patience);
        QCOMPARE(board.chsBoard->LastRecord().PlyIndex(), ply(2, 1).PlyIndex());
    }
};

QTEST_MAIN(TfrmBoardTest)
#include "TfrmBoardTest.moc"
