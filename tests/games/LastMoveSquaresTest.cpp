#include "games/LastMoveSquares.h"

#include "support/Style12Lines.h"

#include <QTest>

class LastMoveSquaresTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void squares_data()
    {
        QTest::addColumn<QByteArray>("verbose");
        QTest::addColumn<bool>("whitesMove");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("a pawn move") << QByteArray("P/e2-e4") << false << QByteArray("e2")
                                     << QByteArray("e4");
        QTest::newRow("a promotion") << QByteArray("P/b7-a8=Q") << false << QByteArray("b7")
                                     << QByteArray("a8");
        QTest::newRow("white castles short") << QByteArray("o-o") << false << QByteArray("e1")
                                             << QByteArray("g1");
        QTest::newRow("black castles long") << QByteArray("o-o-o") << true << QByteArray("e8")
                                            << QByteArray("c8");
        QTest::newRow("a drop marks its square") << QByteArray("P/@@-d4") << true << QByteArray()
                                                 << QByteArray("d4");
        QTest::newRow("no move yet") << QByteArray("none") << true << QByteArray() << QByteArray();
    }
    void squares()
    {
        QFETCH(QByteArray, verbose);
        QFETCH(bool, whitesMove);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        Style12Line line;
        line.verboseMove = verbose;
        line.whitesMove = whitesMove;
        const LastMoveSquares squares = LastMoveSquares::of(line.record());
        QCOMPARE(squares.from, from);
        QCOMPARE(squares.to, to);
    }
};

QTEST_GUILESS_MAIN(LastMoveSquaresTest)
#include "LastMoveSquaresTest.moc"
