#include "games/GameEndLine.h"

#include <QTest>

class GameEndLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resultLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QByteArray>("reason");
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<bool>("start");
        QTest::newRow("resignation") << QByteArray("{Game 1 (alice vs. bob) alice resigns} 0-1")
                                     << QByteArray("alice vs. bob") << QByteArray(" alice resigns")
                                     << QByteArray("0-1") << false;
        QTest::newRow("white wins") << QByteArray("{Game 1 (alice vs. bob) bob resigns} 1-0")
                                    << QByteArray("alice vs. bob") << QByteArray(" bob resigns")
                                    << QByteArray("1-0") << false;
        QTest::newRow("draw") << QByteArray("{Game 4 (a vs. b) Game drawn by repetition} 1/2-1/2")
                              << QByteArray("a vs. b") << QByteArray(" Game drawn by repetition")
                              << QByteArray("1/2-1/2") << false;
        QTest::newRow("aborted has no result")
            << QByteArray("{Game 1 (bob vs. carol) Game aborted by mutual agreement} *")
            << QByteArray("bob vs. carol") << QByteArray(" Game aborted by mutual agreement")
            << QByteArray() << false;
        QTest::newRow("creation notice")
            << QByteArray("{Game 1 (alice vs. bob) Creating rated blitz match.}")
            << QByteArray("alice vs. bob") << QByteArray(" Creating rated blitz match.")
            << QByteArray() << true;
        QTest::newRow("continuation notice")
            << QByteArray("{Game 3 (alice vs. bob) Continuing rated blitz match.}")
            << QByteArray("alice vs. bob") << QByteArray(" Continuing rated blitz match.")
            << QByteArray() << true;
        QTest::newRow("a player named Creator still ends the game")
            << QByteArray("{Game 2 (Creator vs. Contino) Creator resigns} 0-1")
            << QByteArray("Creator vs. Contino") << QByteArray(" Creator resigns")
            << QByteArray("0-1") << false;
        QTest::newRow("a player named Creator in the reason still ends the game")
            << QByteArray("{Game 2 (Creator vs. bob) Creator forfeits on time} 0-1")
            << QByteArray("Creator vs. bob") << QByteArray(" Creator forfeits on time")
            << QByteArray("0-1") << false;
    }
    void resultLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, names);
        QFETCH(QByteArray, reason);
        QFETCH(QByteArray, result);
        QFETCH(bool, start);
        const GameEndLine end = GameEndLine::parse(line);
        QVERIFY(end.complete);
        QCOMPARE(end.names, names);
        QCOMPARE(end.reason, reason);
        QCOMPARE(end.result, result);
        QCOMPARE(end.announcesStart(), start);
    }

    void lineWithoutBracketsIsIncomplete()
    {
        const GameEndLine end = GameEndLine::parse("{Game 5 something odd} 1-0");
        QVERIFY(!end.complete);
        QCOMPARE(end.result, QByteArray("1-0"));
    }

    void otherPlayersAreAnotherGame_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("other");
        QTest::newRow("the board's players") << QByteArray("{Game 1 (alice vs. bob) bob resigns} 1-0")
                                             << false;
        QTest::newRow("another pair under the same number")
            << QByteArray("{Game 1 (carol vs. dave) carol resigns} 0-1") << true;
        QTest::newRow("the board's players the other way round")
            << QByteArray("{Game 1 (bob vs. alice) bob resigns} 1-0") << true;
        QTest::newRow("names that cannot be read are no other game")
            << QByteArray("{Game 1 (alice) alice resigns} 0-1") << false;
        QTest::newRow("a line without brackets is no other game")
            << QByteArray("{Game 1 something odd} 1-0") << false;
    }
    void otherPlayersAreAnotherGame()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, other);
        QCOMPARE(GameEndLine::parse(line).namesOtherPlayers("alice", "bob"), other);
    }
};

QTEST_GUILESS_MAIN(GameEndLineTest)
#include "GameEndLineTest.moc"
