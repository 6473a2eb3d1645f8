// One opponent move on an 800 x 800 board in 3D (animation off, the changed rectangles
// repainted) and a full rebuild of pictures, background and pieces at that size.
#include "games/ParseStyle12.h"
#include "games/Style12Record.h"
#include "games/ui/TChessBoard.h"

#include <QTest>

namespace {

Style12Record record(const QByteArray& ranks, bool whiteToMove, int moveNumber,
                     const QByteArray& verbose)
{
    Style12Record r;
    const QByteArray line = "<12> " + ranks + (whiteToMove ? " W" : " B")
                            + " -1 1 1 1 1 0 1 alice bob 1 5 0 39 39 300 300 "
                            + QByteArray::number(moveNumber) + " " + verbose + " (0:01) x 0";
    if (!ParseStyle12(line, r))
        qFatal("benchmark record did not parse");
    return r;
}

} // namespace

class BoardUpdateBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_board.resize(800, 800);
        m_board.setMoveSpeed(0);
        m_board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_board));
    }

    void opponentMove()
    {
        const Style12Record before =
            record("rnbqkbnr pppppppp -------- -------- ----P--- -------- PPPP-PPP RNBQKBNR",
                   false, 1, "P/e2-e4");
        const Style12Record after =
            record("rnbqkbnr pppp-ppp -------- ----p--- ----P--- -------- PPPP-PPP RNBQKBNR",
                   true, 2, "P/e7-e5");
        m_board.SetPosition(before);
        QBENCHMARK {
            m_board.SetPosition(after);
            m_board.SetPosition(before); // back again, so that every round changes a column
        }
    }

    void fullRebuild()
    {
        QBENCHMARK {
            m_board.FullRebuild();
        }
    }

private:
    TChessBoard m_board;
};

QTEST_MAIN(BoardUpdateBench)
#include "BoardUpdateBench.moc"
