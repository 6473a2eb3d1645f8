#include "games/GameInfo.h"

#include <QTest>

class GameInfoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void serverLineGivesCaptionFields()
    {
        const GameInfo info = GameInfo::parse(
            "<g1> 12 p=0 t=blitz r=1 u=0,0 it=300,5 i=300,5 pt=0 rt=1586E,1500 ts=0,0");
        QCOMPARE(info.gameNumber, 12);
        QCOMPARE(info.typeText, QByteArray("blitz"));
        QVERIFY(info.rated);
        QCOMPARE(info.firstInitialTime, QByteArray("5"));
        QCOMPARE(info.secondInitialTime, QByteArray("5"));
        QCOMPARE(info.whiteRating, QByteArray("1586E"));
        QCOMPARE(info.blackRating, QByteArray("1500"));
    }

    void initialTime_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("first");
        QTest::newRow("under a minute stays in seconds") << QByteArray("it=45,0") << QByteArray("45");
        QTest::newRow("minutes are whole") << QByteArray("it=150,0") << QByteArray("2");
        QTest::newRow("not a number is left empty") << QByteArray("it=x,0") << QByteArray();
        QTest::newRow("missing value is left empty") << QByteArray("it") << QByteArray();
    }
    void initialTime()
    {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, first);
        const GameInfo info =
            GameInfo::parse("<g1> 3 p=0 t=lightning r=0 u=0,0 " + word + " i=0,0 pt=0 rt=0,0");
        QCOMPARE(info.firstInitialTime, first);
        QVERIFY(!info.rated);
    }

    void shortLineLeavesTheRestEmpty()
    {
        const GameInfo info = GameInfo::parse("<g1> 7 p=0 t=blitz");
        QCOMPARE(info.gameNumber, 7);
        QCOMPARE(info.typeText, QByteArray("blitz"));
        QVERIFY(info.whiteRating.isEmpty());
        QVERIFY(info.secondInitialTime.isEmpty());
    }

    void lineWithoutGameNumberNamesNoGame()
    {
        QCOMPARE(GameInfo::parse("<g1> x p=0").gameNumber, -1);
    }
};

QTEST_GUILESS_MAIN(GameInfoTest)
#include "GameInfoTest.moc"
