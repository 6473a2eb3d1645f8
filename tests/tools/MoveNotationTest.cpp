#include "ficsim/chess/ChessPosition.h"
#include "ficsim/chess/MoveNotation.h"

#include <QTest>

// Move texts as the practice server reads and writes them.
class MoveNotationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsMoveTexts_data();
    void readsMoveTexts();
    void writesMoves_data();
    void writesMoves();
};

namespace {

const QByteArray Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
// White to move: pawn on b7 can take on a8 or push to b8; both sides may castle.
const QByteArray Promotion = "r3k2r/1P6/8/8/8/8/8/R3K2R w KQkq - 0 1";
// Knights on b1 and f1 can both reach d2; a black pawn on d5 beside e5 after d7-d5.
const QByteArray TwoKnights = "4k3/8/8/3pP3/8/8/8/1N2KN2 w - d6 0 2";

} // namespace

void MoveNotationTest::readsMoveTexts_data()
{
    QTest::addColumn<QByteArray>("fen");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("coordinate"); // empty when the text is refused
    QTest::newRow("coordinates") << Start << QByteArray("e2e4") << QByteArray("e2e4");
    QTest::newRow("coordinates with a dash") << Start << QByteArray("e2-e4") << QByteArray("e2e4");
    QTest::newRow("pawn in short algebraic") << Start << QByteArray("e4") << QByteArray("e2e4");
    QTest::newRow("knight in short algebraic") << Start << QByteArray("Nf3") << QByteArray("g1f3");
    QTest::newRow("check mark is ignored") << Start << QByteArray("Nf3+") << QByteArray("g1f3");
    QTest::newRow("pawn cannot jump three squares") << Start << QByteArray("e2e5") << QByteArray();
    QTest::newRow("knight cannot reach the square") << Start << QByteArray("Nf4") << QByteArray();
    QTest::newRow("black piece on white's turn") << Start << QByteArray("e7e5") << QByteArray();
    QTest::newRow("nonsense") << Start << QByteArray("hello") << QByteArray();
    QTest::newRow("short castling in letters") << Promotion << QByteArray("o-o") << QByteArray("e1g1");
    QTest::newRow("long castling in capitals") << Promotion << QByteArray("O-O-O") << QByteArray("e1c1");
    QTest::newRow("castling with zeros") << Promotion << QByteArray("0-0") << QByteArray("e1g1");
    QTest::newRow("castling as a king move") << Promotion << QByteArray("e1g1") << QByteArray("e1g1");
    QTest::newRow("promotion by coordinates") << Promotion << QByteArray("b7b8n") << QByteArray("b7b8n");
    QTest::newRow("promotion without a piece becomes a queen")
        << Promotion << QByteArray("b7b8") << QByteArray("b7b8q");
    QTest::newRow("promotion in short algebraic") << Promotion << QByteArray("b8=R") << QByteArray("b7b8r");
    QTest::newRow("capture with promotion") << Promotion << QByteArray("bxa8=Q") << QByteArray("b7a8q");
    QTest::newRow("ambiguous knight move is refused") << TwoKnights << QByteArray("Nd2") << QByteArray();
    QTest::newRow("knight named by its file") << TwoKnights << QByteArray("Nbd2") << QByteArray("b1d2");
    QTest::newRow("en passant in short algebraic") << TwoKnights << QByteArray("exd6") << QByteArray("e5d6");
    QTest::newRow("en passant by coordinates") << TwoKnights << QByteArray("e5d6") << QByteArray("e5d6");
    QTest::newRow("drop without the piece in hand") << Start << QByteArray("P@e4") << QByteArray();
}

void MoveNotationTest::readsMoveTexts()
{
    QFETCH(QByteArray, fen);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, coordinate);
    const auto position = ChessPosition::fromFen(fen);
    QVERIFY(position);
    const auto move = MoveNotation::parse(*position, text);
    if (coordinate.isEmpty()) {
        QVERIFY2(!move, MoveNotation::coordinate(move.value_or(ChessMove{})).constData());
        return;
    }
    QVERIFY(move);
    QCOMPARE(MoveNotation::coordinate(*move), coordinate);
}

void MoveNotationTest::writesMoves_data()
{
    QTest::addColumn<QByteArray>("fen");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("san");
    QTest::addColumn<QByteArray>("verbose");
    QTest::newRow("pawn push") << Start << QByteArray("e2e4") << QByteArray("e4") << QByteArray("P/e2-e4");
    QTest::newRow("knight") << Start << QByteArray("g1f3") << QByteArray("Nf3") << QByteArray("N/g1-f3");
    QTest::newRow("castling") << Promotion << QByteArray("e1g1") << QByteArray("O-O") << QByteArray("o-o");
    QTest::newRow("long castling") << Promotion << QByteArray("e1c1") << QByteArray("O-O-O") << QByteArray("o-o-o");
    QTest::newRow("capture with promotion and check")
        << Promotion << QByteArray("b7a8q") << QByteArray("bxa8=Q+") << QByteArray("P/b7-a8");
    QTest::newRow("knight named by its file") << TwoKnights << QByteArray("b1d2") << QByteArray("Nbd2") << QByteArray("N/b1-d2");
    QTest::newRow("en passant") << TwoKnights << QByteArray("e5d6") << QByteArray("exd6") << QByteArray("P/e5-d6");
    // The server marks a mate with "+" like any check.
    QTest::newRow("mate shows as check")
        << QByteArray("rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq g3 0 2")
        << QByteArray("d8h4") << QByteArray("Qh4+") << QByteArray("Q/d8-h4");
}

void MoveNotationTest::writesMoves()
{
    QFETCH(QByteArray, fen);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, san);
    QFETCH(QByteArray, verbose);
    const auto position = ChessPosition::fromFen(fen);
    QVERIFY(position);
    const auto move = MoveNotation::parse(*position, text);
    QVERIFY(move);
    QCOMPARE(MoveNotation::san(*position, *move), san);
    QCOMPARE(MoveNotation::verbose(*position, *move), verbose);
}

QTEST_GUILESS_MAIN(MoveNotationTest)
#include "MoveNotationTest.moc"
