#include "games/BoardTexts.h"
#include "games/GameInfo.h"

#include "support/Style12Lines.h"

#include <QTest>

using Lost = std::array<int, 6>;
Q_DECLARE_METATYPE(Lost)

class BoardTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lastMove_data()
    {
        QTest::addColumn<int>("moveNumber");
        QTest::addColumn<bool>("whitesMove");
        QTest::addColumn<QByteArray>("pretty");
        QTest::addColumn<QString>("text");
        QTest::newRow("black moved last") << 13 << true << QByteArray("Nf6") << "12. ... Nf6";
        QTest::newRow("white moved last") << 12 << false << QByteArray("Nf3") << "12. Nf3 ...";
        QTest::newRow("start of the game") << 1 << true << QByteArray("none") << "1. ...";
        QTest::newRow("no move number") << 0 << false << QByteArray("e4") << "";
    }
    void lastMove()
    {
        QFETCH(int, moveNumber);
        QFETCH(bool, whitesMove);
        QFETCH(QByteArray, pretty);
        QFETCH(QString, text);
        Style12Line line;
        line.moveNumber = moveNumber;
        line.whitesMove = whitesMove;
        line.prettyMove = pretty;
        QCOMPARE(BoardTexts::lastMove(line.record()), text);
    }

    void moveListEntries()
    {
        QCOMPARE(BoardTexts::moveListEntry(Style12Line::openingPly(0).record()), "Moves");
        QCOMPARE(BoardTexts::moveListEntry(Style12Line::openingPly(1).record()), "1w. e4");
        QCOMPARE(BoardTexts::moveListEntry(Style12Line::openingPly(2).record()), "1b. e5");
    }

    void captionNamesGameAndInfo()
    {
        Style12Line line;
        line.game = 12;
        const GameInfo info = GameInfo::parse(
            "<g1> 12 p=0 t=blitz r=1 u=0,0 it=300,5 i=300,5 pt=0 rt=1586E,1500 ts=0,0");
        QCOMPARE(BoardTexts::caption(line.record(), info),
                 "12: alice(1586E) vs bob(1500) blitz Rated 5/5");
        QCOMPARE(BoardTexts::caption(line.record(), GameInfo()), "12: alice() vs bob()  Unrated /");
    }

    void shortNameKeepsNineCharacters()
    {
        QCOMPARE(BoardTexts::shortName("GrandMaster12"), "GrandMast");
    }

    void lostPieces_data()
    {
        QTest::addColumn<QByteArray>("ranks");
        QTest::addColumn<bool>("white");
        QTest::addColumn<Lost>("lost");
        QTest::newRow("nothing lost at the start")
            << Style12Line().ranks << true << Lost{};
        QTest::newRow("white lost a bishop")
            << QByteArray("r-bq-b-r pppp-kpp --n----- ----p--- ----n--- -----N-- PPPP-PPP RNBQ-RK-")
            << true << Lost{1, 0, 1, 0, 0, 0};
        QTest::newRow("a promoted queen shows no negative count")
            << QByteArray("QQ--k--- -------- -------- -------- -------- -------- -------- ----K---")
            << true << Lost{8, 2, 2, 2, 0, 0};
    }
    void lostPieces()
    {
        QFETCH(QByteArray, ranks);
        QFETCH(bool, white);
        QFETCH(Lost, lost);
        Style12Line line;
        line.ranks = ranks;
        QCOMPARE(BoardTexts::lostPieces(line.record(), white), lost);
    }
};

QTEST_GUILESS_MAIN(BoardTextsTest)
#include "BoardTextsTest.moc"
