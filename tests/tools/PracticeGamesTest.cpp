#include "ficsim/BotPlayer.h"
#include "ficsim/FakeFicsServer.h"
#include "ficsim/RandomMover.h"
#include "ficsim/UciEngine.h"
#include "support/RawFicsClient.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

// Whole games on the practice server, through real sockets on 127.0.0.1: two users
// play to mate, stalemate and a flag fall, take a move back, walk through an examined
// game, drop a piece in bughouse; and the two bots play each other.
class PracticeGamesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void gameEndsByMate();
    void gameEndsByStalemate();
    void flagFallsWhenTheClockRunsOut();
    void takebackAgreed();
    void illegalMoveAndWrongTurn();
    void examineWalk();
    void bughouseDrop();
    void randyPlaysSparring();

private:
    // alice (white) against bob, the challenge accepted; both have read the first board.
    void startGame(const QByteArray& minutes = "5 0");
    void play(RawFicsClient& mover, RawFicsClient& other, const QByteArray& move);

    std::unique_ptr<FakeFicsServer> m_server;
    std::unique_ptr<RawFicsClient> m_alice;
    std::unique_ptr<RawFicsClient> m_bob;
    qint64 m_now = 0;
};

void PracticeGamesTest::init()
{
    m_now = 0;
    m_server = std::make_unique<FakeFicsServer>();
    m_server->setClock([this] { return m_now; });
    QVERIFY2(m_server->listen(), qPrintable(m_server->errorString()));
    m_alice = std::make_unique<RawFicsClient>(m_server->port());
    m_alice->loginAs("alice", "alicepw");
    m_bob = std::make_unique<RawFicsClient>(m_server->port());
    m_bob->loginAs("bob", "bobpw");
}

void PracticeGamesTest::cleanup()
{
    m_alice.reset();
    m_bob.reset();
    m_server.reset();
}

void PracticeGamesTest::startGame(const QByteArray& minutes)
{
    m_alice->send("match bob " + minutes + " u white\n");
    QCOMPARE(m_alice->takeThrough("Issuing:"),
             "Issuing: alice (----) [white] bob (----) unrated " +
                 QByteArray(minutes == "1 0" ? "lightning " : "blitz ") + minutes +
                 ".\n\rfics% ");
    QVERIFY(m_bob->takeThrough("You can \"accept\"").contains(
        "\n\rChallenge: alice (----) [white] bob (----) unrated"));
    m_bob->send("accept\n");
    const QByteArray accepted = m_bob->takeThrough("<12>");
    QVERIFY2(accepted.startsWith("You accept the challenge of alice.\n\r\n\r{Game 1 (alice vs. bob) "
                                 "Creating unrated "),
             accepted.constData());
    QVERIFY(accepted.contains(" 1 alice bob -1 "));
    const QByteArray challenger = m_alice->takeThrough("<12>");
    QVERIFY(challenger.startsWith("\n\rbob accepts your challenge.\n\r\n\r{Game 1 (alice vs. bob)"));
    QVERIFY(challenger.contains(" 1 alice bob 1 "));
}

void PracticeGamesTest::play(RawFicsClient& mover, RawFicsClient& other, const QByteArray& move)
{
    mover.send(move + '\n');
    const QByteArray mine = mover.takeThrough("<12>");
    QVERIFY2(mine.startsWith("\n\r<12> "), mine.constData());
    QVERIFY(other.takeThrough("<12>").startsWith("\n\r<12> "));
}

void PracticeGamesTest::gameEndsByMate()
{
    startGame();
    play(*m_alice, *m_bob, "f3");
    play(*m_bob, *m_alice, "e5");
    play(*m_alice, *m_bob, "g4");
    m_bob->send("Qh4\n");
    const QByteArray mating = m_bob->takeThrough("{Game");
    QVERIFY2(mating.contains(" Q/d8-h4 (0:00) Qh4+ 1\n\r"
                             "{Game 1 (alice vs. bob) alice checkmated} 0-1\n\r"
                             "No ratings adjustment done.\n\r"),
             mating.constData());
    const QByteArray mated = m_alice->takeThrough("{Game");
    QVERIFY(mated.contains("{Game 1 (alice vs. bob) alice checkmated} 0-1\n\r"));
    m_alice->send("resign\n");
    QCOMPARE(m_alice->takeThrough("game."), QByteArray("You are not playing a game.\n\rfics% "));
}

void PracticeGamesTest::gameEndsByStalemate()
{
    startGame();
    // The shortest known stalemate (ten moves, after Sam Loyd).
    const QList<QByteArray> moves{"e3",   "a5",  "Qh5",  "Ra6", "Qxa5", "h5",  "h4",
                                  "Rah6", "Qxc7", "f6",  "Qxd7+", "Kf7", "Qxb7", "Qd3",
                                  "Qxb8", "Qh7", "Qxc8", "Kg6"};
    for (int i = 0; i < moves.size(); ++i) {
        if (i % 2 == 0)
            play(*m_alice, *m_bob, moves[i]);
        else
            play(*m_bob, *m_alice, moves[i]);
    }
    m_alice->send("Qe6\n");
    QVERIFY(m_alice->takeThrough("{Game").contains(
        "{Game 1 (alice vs. bob) Game drawn by stalemate} 1/2-1/2\n\r"));
    QVERIFY(m_bob->takeThrough("{Game").contains(
        "{Game 1 (alice vs. bob) Game drawn by stalemate} 1/2-1/2\n\r"));
}

void PracticeGamesTest::flagFallsWhenTheClockRunsOut()
{
    startGame("1 0");
    m_now += 3000;
    play(*m_alice, *m_bob, "e4");
    m_now += 1000;
    play(*m_bob, *m_alice, "e5");
    m_alice->send("flag\n");
    QCOMPARE(m_alice->takeThrough("time!"),
             QByteArray("Your opponent is not out of time!\n\rfics% "));
    m_now += 57 * 1000 + 1;
    m_server->scheduleFlagCheck();
    QVERIFY(m_alice->takeThrough("{Game").contains(
        "\n\r{Game 1 (alice vs. bob) alice forfeits on time} 0-1\n\r"));
    QVERIFY(m_bob->takeThrough("{Game").contains(
        "\n\r{Game 1 (alice vs. bob) alice forfeits on time} 0-1\n\r"));
}

void PracticeGamesTest::takebackAgreed()
{
    startGame();
    play(*m_alice, *m_bob, "e4");
    play(*m_bob, *m_alice, "e5");
    m_bob->send("takeback\n");
    QCOMPARE(m_bob->takeThrough("sent."), QByteArray("Takeback request sent.\n\rfics% "));
    QCOMPARE(m_alice->takeThrough("move(s)."),
             QByteArray("\n\rbob would like to take back 1 half move(s).\n\rfics% "));
    m_alice->send("accept\n");
    const QByteArray back = "<12> rnbqkbnr pppppppp -------- -------- ----P--- -------- "
                            "PPPP-PPP RNBQKBNR B 4 1 1 1 1 0 1 alice bob ";
    QVERIFY(m_alice->takeThrough("<12>").contains(back + "-1 5 0 39 39 300 300 1 P/e2-e4 (0:00) e4 0"));
    QVERIFY(m_bob->takeThrough("<12>").contains(back + "1 5 0 39 39 300 300 1 P/e2-e4 (0:00) e4 1"));
    play(*m_bob, *m_alice, "c5");
}

void PracticeGamesTest::illegalMoveAndWrongTurn()
{
    startGame();
    m_alice->send("e2e5\n");
    QCOMPARE(m_alice->takeThrough("move"), QByteArray("Illegal move (e2e5).\n\rfics% "));
    m_bob->send("e5\n");
    QCOMPARE(m_bob->takeThrough("move."), QByteArray("It is not your move.\n\rfics% "));
    play(*m_alice, *m_bob, "e2-e4");
}

void PracticeGamesTest::examineWalk()
{
    m_alice->send("examine\n");
    QVERIFY(m_alice->takeThrough("<12>").startsWith(
        "Starting a game in examine (scratch) mode.\n\r\n\r<12> rnbqkbnr pppppppp"));
    for (const QByteArray& move : {QByteArray("e4"), QByteArray("e5"), QByteArray("Nf3")}) {
        m_alice->send(move + '\n');
        QVERIFY(m_alice->takeThrough("alice moves: " + move).contains(" alice alice 2 0 0 "));
    }
    m_bob->send("observe alice\n");
    QVERIFY(m_bob->takeThrough("<12>").startsWith("You are now observing game 1.\n\r\n\r<12> "));
    m_alice->send("backward 2\n");
    const QByteArray back = m_alice->takeThrough("backs up");
    QVERIFY2(back.contains("<12> rnbqkbnr pppppppp -------- -------- ----P--- -------- PPPP-PPP "
                           "RNBQKBNR B 4 "),
             back.constData());
    QVERIFY(back.contains("alice backs up 2 moves."));
    QVERIFY(m_bob->takeThrough("backs up").contains(" alice alice -2 0 0 "));
    m_alice->send("forward\n");
    QVERIFY(m_alice->takeThrough("goes forward").contains(" P/e7-e5 (0:00) e5 0\n\r"));
    m_alice->send("revert\n");
    QVERIFY(m_alice->takeThrough("mainline.").contains(" N/g1-f3 (0:00) Nf3 0\n\r"));
    m_alice->send("forward\n");
    QCOMPARE(m_alice->takeThrough("stored."),
             QByteArray("fics% You cannot go forward; no moves are stored.\n\rfics% "));
    m_alice->send("unexamine\n");
    QCOMPARE(m_alice->takeThrough("game 1."),
             QByteArray("You are no longer examining game 1.\n\rfics% "));
    QVERIFY(m_bob->takeThrough("list.").endsWith(
        "fics% \n\ralice stopped examining game 1.\n\rThere are no examiners.\n\r"
        "Removing game 1 from observation list.\n\rfics% "));
}

void PracticeGamesTest::bughouseDrop()
{
    RawFicsClient carol(m_server->port());
    carol.loginAs("carol", "carolpw");
    RawFicsClient dave(m_server->port());
    dave.loginAs("dave", "davepw");
    m_alice->send("partner bob\n");
    m_alice->takeThrough("offer");
    m_bob->takeThrough("accept.");
    m_bob->send("partner alice\n");
    QCOMPARE(m_bob->takeThrough("partner."), QByteArray("You agree to be alice's partner.\n\rfics% "));
    carol.send("partner dave\n");
    carol.takeThrough("offer");
    dave.send("partner carol\n");
    dave.takeThrough("partner.");

    m_alice->send("match carol 2 0 white bughouse\n");
    QVERIFY(m_alice->takeThrough("Issuing:").contains(
        "Issuing: alice (----) [white] carol (----) unrated wild 2 0 Loaded from\n\r\\   "
        "wild/bughouse."));
    carol.takeThrough("Challenge:");
    carol.send("accept\n");
    QVERIFY(carol.takeThrough("Your partner is playing game 2").contains(
        "{Game 1 (alice vs. carol) Creating unrated wild match.}"));
    QVERIFY(dave.takeThrough("Your partner is playing game 1").contains(
        "{Game 2 (dave vs. bob) Creating unrated wild match.}"));
    QVERIFY(m_bob->takeThrough("Your partner is playing game 1").contains(" 2 dave bob -1 2 0 "));
    m_alice->takeThrough("Your partner is playing game 2");

    play(*m_alice, carol, "e4");
    play(carol, *m_alice, "d5");
    m_alice->send("exd5\n");
    QVERIFY(m_alice->takeThrough("<b1>").contains(" exd5 0\n\r<b1> game 1 white [] black []"));
    // Written straight after the last prompt (no fresh line), as the server does.
    QCOMPARE(m_bob->takeThrough("<- BP"),
             QByteArray("<b1> game 2 white [] black [P] <- BP\n\rfics% "));
    QVERIFY(dave.takeThrough("<- BP").startsWith("<b1> game 2 white [] black [P] <- BP"));
    play(dave, *m_bob, "d4");
    m_bob->send("P@e5\n");
    const QByteArray dropped = m_bob->takeThrough("<b1>");
    QVERIFY2(dropped.contains(" P/@@-e5 (0:00) P@e5 1\n\r<b1> game 2 white [] black []"),
             dropped.constData());
    m_bob->send("P@e6\n");
    QCOMPARE(m_bob->takeThrough("move."), QByteArray("It is not your move.\n\rfics% "));

    m_alice->send("resign\n");
    QVERIFY(m_alice->takeThrough("{Game").contains("{Game 1 (alice vs. carol) alice resigns} 0-1"));
    const QByteArray partnerSees = m_bob->takeThrough("{Game 2");
    QVERIFY2(partnerSees.contains("{Game 1 (alice vs. carol) alice resigns} 0-1\n\r"),
             partnerSees.constData());
    QVERIFY(partnerSees.contains("{Game 2 (dave vs. bob) bob resigns} 1-0\n\r"));
}

void PracticeGamesTest::randyPlaysSparring()
{
    QString engine = QStandardPaths::findExecutable(QStringLiteral("stockfish"));
    if (engine.isEmpty())
        engine = QStandardPaths::findExecutable(QStringLiteral("stockfish"), {QStringLiteral("/usr/games")});
    if (engine.isEmpty())
        QSKIP("stockfish is not installed (scripts/install-deps installs it)");
    // The bots run on the real clock.
    m_server->setClock([] { return QDateTime::currentMSecsSinceEpoch(); });
    auto* sparringEngine = new UciEngine(engine);
    sparringEngine->setMaxThinkMs(50);
    QString why;
    QVERIFY2(sparringEngine->start(&why), qPrintable(why));
    m_server->addAccount("Randy", "randypw");
    m_server->addAccount("Sparring", "sparringpw");
    BotPlayer randy("Randy", "randypw", new RandomMover(0));
    BotPlayer sparring("Sparring", "sparringpw", sparringEngine);
    randy.setSeek({});
    sparring.setSeek({});
    QSignalSpy randyIn(&randy, &BotPlayer::loggedIn);
    QSignalSpy sparringIn(&sparring, &BotPlayer::loggedIn);
    randy.connectTo(m_server->port());
    sparring.connectTo(m_server->port());
    QVERIFY(randyIn.wait(20000) || randyIn.count() == 1);
    QVERIFY(sparringIn.count() == 1 || sparringIn.wait(20000));

    QSignalSpy randyDone(&randy, &BotPlayer::gameEnded);
    QSignalSpy sparringDone(&sparring, &BotPlayer::gameEnded);
    randy.send("match Sparring 5 0 white");
    QVERIFY(randyDone.wait(180000));
    QTRY_COMPARE_WITH_TIMEOUT(sparringDone.count(), 1, 20000);
    const QByteArray result = randyDone.first().first().toByteArray();
    QCOMPARE(sparringDone.first().first().toByteArray(), result);
    QVERIFY2(result.startsWith("{Game 1 (Randy vs. Sparring) "), result.constData());
    QVERIFY2(result.endsWith("} 0-1") || result.endsWith("} 1/2-1/2"), result.constData());
}

QTEST_GUILESS_MAIN(PracticeGamesTest)
#include "PracticeGamesTest.moc"
