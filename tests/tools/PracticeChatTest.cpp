#include "ficsim/FakeFicsServer.h"
#include "support/RawFicsClient.h"

#include <QTest>

#include <memory>

// Chat on the practice server through real sockets: what the sender reads back and
// what a listener receives.
class PracticeChatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void chatReachesListeners_data();
    void chatReachesListeners();
    void aroundAGame();

private:
    std::unique_ptr<FakeFicsServer> m_server;
    std::unique_ptr<RawFicsClient> m_alice;
    std::unique_ptr<RawFicsClient> m_bob;
};

void PracticeChatTest::init()
{
    m_server = std::make_unique<FakeFicsServer>();
    QVERIFY2(m_server->listen(), qPrintable(m_server->errorString()));
    m_alice = std::make_unique<RawFicsClient>(m_server->port());
    m_alice->loginAs("alice", "alicepw");
    m_bob = std::make_unique<RawFicsClient>(m_server->port());
    m_bob->loginAs("bob", "bobpw");
}

void PracticeChatTest::cleanup()
{
    m_alice.reset();
    m_bob.reset();
    m_server.reset();
}

void PracticeChatTest::chatReachesListeners_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("echo");
    QTest::addColumn<QByteArray>("heard"); // empty: bob hears nothing
    QTest::newRow("tell") << QByteArray("tell bob hello back") << QByteArray("(told bob)")
                          << QByteArray("alice tells you: hello back");
    QTest::newRow("tell to a channel") << QByteArray("tell 50 hello channel fifty")
                                       << QByteArray("(50->(1))")
                                       << QByteArray("alice(50): hello channel fifty");
    QTest::newRow("shout") << QByteArray("shout hi all") << QByteArray("(1) alice shouts: hi all")
                           << QByteArray("alice shouts: hi all");
    QTest::newRow("c-shout") << QByteArray("cshout e4!") << QByteArray("(1) alice c-shouts: e4!")
                             << QByteArray("alice c-shouts: e4!");
    QTest::newRow("emote") << QByteArray("it waves") << QByteArray("(1) --> alice waves")
                           << QByteArray("--> alice waves");
    QTest::newRow("tell to nobody") << QByteArray("tell nobody hi")
                                    << QByteArray("nobody is not logged in.") << QByteArray();
    QTest::newRow("say outside a game") << QByteArray("say hi")
                                        << QByteArray("I don't know whom to say that to.")
                                        << QByteArray();
    QTest::newRow("ptell without a partner") << QByteArray("ptell hi")
                                             << QByteArray("You do not have a partner at present.")
                                             << QByteArray();
    QTest::newRow("leaving a channel") << QByteArray("-channel 50")
                                       << QByteArray("[50] removed from your channel list.")
                                       << QByteArray();
    QTest::newRow("joining a channel") << QByteArray("+channel 7")
                                       << QByteArray("[7] added to your channel list.")
                                       << QByteArray();
}

void PracticeChatTest::chatReachesListeners()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, echo);
    QFETCH(QByteArray, heard);
    m_alice->send(command + '\n');
    QCOMPARE(m_alice->takeUntil("fics% "), echo + "\n\rfics% ");
    if (!heard.isEmpty())
        QCOMPARE(m_bob->takeUntil("fics% "), "\n\r" + heard + "\n\rfics% ");
    m_bob->send("tell alice done\n");
    QCOMPARE(m_bob->takeUntil("fics% "), QByteArray("(told alice)\n\rfics% "));
}

void PracticeChatTest::aroundAGame()
{
    RawFicsClient carol(m_server->port());
    carol.loginAs("carol", "carolpw");
    m_alice->send("match bob 5 0 u white\n");
    m_bob->takeThrough("Challenge:");
    m_bob->send("accept\n");
    m_bob->takeThrough("<12>");
    m_alice->takeThrough("<12>");
    carol.send("observe alice\n");
    carol.takeThrough("<12>");

    m_alice->send("say good luck\n");
    QCOMPARE(m_alice->takeThrough("(told"), QByteArray("(told bob, who is playing)\n\rfics% "));
    QCOMPARE(m_bob->takeThrough("says"), QByteArray("\n\ralice says: good luck\n\rfics% "));
    carol.send("kibitz nice opening\n");
    QCOMPARE(carol.takeThrough("kibitzed"), QByteArray("kibitzed to 2.\n\rfics% "));
    QCOMPARE(m_alice->takeThrough("kibitzes"),
             QByteArray("\n\rcarol(----) kibitzes: nice opening\n\rfics% "));
    m_bob->send("whisper only for carol\n");
    QCOMPARE(m_bob->takeThrough("whispered"), QByteArray("\n\rcarol(----) kibitzes: nice opening\n\rfics% "
                                                         "whispered to 1.\n\rfics% "));
    QCOMPARE(carol.takeThrough("whispers"), QByteArray("\n\rbob(----) whispers: only for carol\n\rfics% "));
}

QTEST_GUILESS_MAIN(PracticeChatTest)
#include "PracticeChatTest.moc"
