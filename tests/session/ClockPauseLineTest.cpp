#include "session/ClockPauseLine.h"

#include <QTest>

class ClockPauseLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("recognised");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("game");
        QTest::newRow("the players' pause") << QByteArray("Game clock paused.") << true << true << 0;
        QTest::newRow("the players' resume") << QByteArray("Game clock resumed.") << true << false << 0;
        QTest::newRow("with the server's line end around it")
            << QByteArray("\r  Game clock paused.  ") << true << true << 0;
        QTest::newRow("an observed game's pause")
            << QByteArray("Game 42: Game clock paused.") << true << true << 42;
        QTest::newRow("an observed game's resume")
            << QByteArray("Game 7: Game clock resumed.") << true << false << 7;
        QTest::newRow("a tell quoting the notice is chat")
            << QByteArray("alice tells you: Game clock paused.") << false << false << 0;
        QTest::newRow("a game word that is no number")
            << QByteArray("Game x1: Game clock paused.") << false << false << 0;
        QTest::newRow("game zero is no game") << QByteArray("Game 0: Game clock paused.") << false
                                               << false << 0;
        QTest::newRow("the refusal is no pause") << QByteArray("Game is not paused.") << false
                                                 << false << 0;
        QTest::newRow("the request is no pause")
            << QByteArray("alice requests to pause the game.") << false << false << 0;
    }
    void parse()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, recognised);
        QFETCH(bool, paused);
        QFETCH(int, game);
        const auto parsed = ClockPauseLine::parse(line);
        QCOMPARE(parsed.has_value(), recognised);
        if (!parsed)
            return;
        QCOMPARE(parsed->paused, paused);
        QCOMPARE(parsed->game, game);
    }
};

QTEST_GUILESS_MAIN(ClockPauseLineTest)
#include "ClockPauseLineTest.moc"
