#include "ficsim/chess/ChessPosition.h"
#include "ficsim/chess/MoveGenerator.h"

#include <QTest>

// The practice server's move generator against the published perft counts.
class MoveGeneratorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void perftCounts_data();
    void perftCounts();
    void dropsStayOffTheBackRanks();
    void fenRoundTrip();
    void badFenIsRefused_data();
    void badFenIsRefused();
};

void MoveGeneratorTest::perftCounts_data()
{
    QTest::addColumn<QByteArray>("fen");
    QTest::addColumn<int>("depth");
    QTest::addColumn<quint64>("nodes");
    const QByteArray start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
    const QByteArray kiwipete =
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
    QTest::newRow("start position depth 1") << start << 1 << quint64(20);
    QTest::newRow("start position depth 3") << start << 3 << quint64(8902);
    QTest::newRow("start position depth 4") << start << 4 << quint64(197281);
    QTest::newRow("Kiwipete depth 1") << kiwipete << 1 << quint64(48);
    QTest::newRow("Kiwipete depth 2") << kiwipete << 2 << quint64(2039);
    QTest::newRow("Kiwipete depth 3") << kiwipete << 3 << quint64(97862);
    QTest::newRow("rook endgame with en passant pins depth 4")
        << QByteArray("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1") << 4 << quint64(43238);
    QTest::newRow("promotions and castling under attack depth 3")
        << QByteArray("r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1") << 3
        << quint64(9467);
    QTest::newRow("promotion with check depth 3")
        << QByteArray("rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8") << 3
        << quint64(62379);
    QTest::newRow("middlegame depth 3")
        << QByteArray("r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10")
        << 3 << quint64(89890);
    QTest::newRow("en passant capture that would expose the king")
        << QByteArray("8/8/8/K2pP2r/8/8/8/7k w - d6 0 1") << 1 << quint64(6);
}

void MoveGeneratorTest::perftCounts()
{
    QFETCH(QByteArray, fen);
    QFETCH(int, depth);
    QFETCH(quint64, nodes);
    const auto position = ChessPosition::fromFen(fen);
    QVERIFY(position);
    QCOMPARE(MoveGenerator::perft(*position, depth), nodes);
}

void MoveGeneratorTest::dropsStayOffTheBackRanks()
{
    auto position = ChessPosition::fromFen("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    QVERIFY(position);
    position->addHeld(true, 'P');
    // 5 king moves plus a pawn on every empty square of ranks 2 to 7.
    QCOMPARE(MoveGenerator::legalMoves(*position).size(), 5 + 48);
    position->addHeld(true, 'N');
    QCOMPARE(MoveGenerator::legalMoves(*position).size(), 5 + 48 + 62);
}

void MoveGeneratorTest::fenRoundTrip()
{
    const QByteArray fen = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b Kq e3 4 17";
    const auto position = ChessPosition::fromFen(fen);
    QVERIFY(position);
    QCOMPARE(position->fen(), fen);
}

void MoveGeneratorTest::badFenIsRefused_data()
{
    QTest::addColumn<QByteArray>("fen");
    QTest::newRow("seven ranks") << QByteArray("8/8/8/8/8/8/4K2k w - - 0 1");
    QTest::newRow("a rank of nine squares") << QByteArray("9/8/8/8/8/8/8/4K2k w - - 0 1");
    QTest::newRow("no black king") << QByteArray("8/8/8/8/8/8/8/4K3 w - - 0 1");
    QTest::newRow("side to move missing") << QByteArray("8/8/8/8/8/8/8/4K2k");
    QTest::newRow("unknown piece letter") << QByteArray("8/8/8/8/8/8/8/4K1Xk w - - 0 1");
}

void MoveGeneratorTest::badFenIsRefused()
{
    QFETCH(QByteArray, fen);
    QVERIFY(!ChessPosition::fromFen(fen));
}

QTEST_GUILESS_MAIN(MoveGeneratorTest)
#include "MoveGeneratorTest.moc"
