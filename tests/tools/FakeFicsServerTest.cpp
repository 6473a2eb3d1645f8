#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsScript.h"
#include "ficsim/FakeFicsSession.h"
#include "ficsim/FakeFicsText.h"
#include "support/RawFicsClient.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

using RawClient = RawFicsClient;
using FakeFicsText::Prompt;

} // namespace

class FakeFicsServerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void guestLoginThroughPressReturn();
    void registeredLogin();
    void wrongPassword_data();
    void wrongPassword();
    void rejectsBadNames_data();
    void rejectsBadNames();
    void answersCommands_data();
    void answersCommands();
    void blockModeFramesTaggedReplies();
    void wrapsLongLines_data();
    void wrapsLongLines();
    void tellsReachTheOtherUser();
    void cuesAndPushes();
    void seekSoughtAndPlay();
    void exitClosesOrderlyAndDropResets();
    void recordsEveryLine();
    void scriptAddsCuesAndPushes();
    void scriptErrorsAreReported_data();
    void scriptErrorsAreReported();
    void standaloneToolServesTheSameServer();

private:
    std::unique_ptr<FakeFicsServer> m_server;
};

void FakeFicsServerTest::init()
{
    m_server = std::make_unique<FakeFicsServer>();
    QVERIFY2(m_server->listen(), qPrintable(m_server->errorString()));
}

void FakeFicsServerTest::cleanup()
{
    m_server.reset();
}

void FakeFicsServerTest::guestLoginThroughPressReturn()
{
    QSignalSpy logins(m_server.get(), &FakeFicsServer::loggedIn);
    RawClient client(m_server->port());
    const QByteArray banner = client.takeUntil("login: ");
    QVERIFY(banner.contains("If you are not a registered player, enter a unique ID to join the "
                            "server.\n\rlogin: "));
    client.send("TolFenrir\n");
    const QByteArray offer = client.takeUntil("Press return to enter the FICS as \"TolFenrir\":");
    QVERIFY(offer.startsWith("\xff\xfb\x01\n\r\"TolFenrir\" is not a registered name."));
    client.send("\n");
    const QByteArray welcome = client.takeUntil(Prompt);
    QVERIFY(welcome.startsWith("\xff\xfc\x01**** Starting FICS session as TolFenrir(U) ****\n\r"));
    QVERIFY(welcome.contains("\n\rNewcomers:\n\r"));
    QCOMPARE(logins.count(), 1);
    QCOMPARE(logins.first().first().toByteArray(), QByteArray("TolFenrir"));
}

void FakeFicsServerTest::registeredLogin()
{
    RawClient client(m_server->port());
    client.takeUntil("login: ");
    client.send("Alice\n");
    QCOMPARE(client.takeUntil("password: "),
             QByteArray("\xff\xfb\x01\n\r\"alice\" is a registered name.  If it is yours, type "
                        "the password.\n\rIf not, just hit return to try another name.\n\r\n\r"
                        "password: "));
    client.send("alicepw\n");
    const QByteArray welcome = client.takeUntil(Prompt);
    QVERIFY(welcome.startsWith("\xff\xfc\x01**** Starting FICS session as alice ****"));
    QVERIFY(!welcome.contains("Newcomers:"));
    QCOMPARE(m_server->sessionOf("ALICE")->handle(), QByteArray("alice"));
}

void FakeFicsServerTest::wrongPassword_data()
{
    QTest::addColumn<bool>("captured");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("public server asks again")
        << false << QByteArray("wrong")
        << QByteArray("\xff\xfc\x01\n\r\n\r**** Invalid password! ****\n\r\n\rIf you are not a "
                      "registered player, enter a unique ID to join the server.\n\rlogin: ");
    QTest::newRow("captured server closes")
        << true << QByteArray("wrong")
        << QByteArray("\xff\xfc\x01\n\r\n\r**** Invalid password! ****\n\r\n\r");
    QTest::newRow("captured server closes silently on an empty password")
        << true << QByteArray() << QByteArray("\xff\xfc\x01");
}

void FakeFicsServerTest::wrongPassword()
{
    QFETCH(bool, captured);
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, answer);
    if (captured)
        m_server->setDialect(FakeFicsServer::Dialect::CapturedServer);
    RawClient client(m_server->port());
    client.takeUntil("login: ");
    client.send("alice\n");
    client.takeUntil("password: ");
    client.send(password + '\n');
    QCOMPARE(client.takeUntil(answer), answer);
    if (captured)
        QTRY_COMPARE(int(client.socket.state()), int(QAbstractSocket::UnconnectedState));
    else
        QCOMPARE(int(client.socket.state()), int(QAbstractSocket::ConnectedState));
}

void FakeFicsServerTest::rejectsBadNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("complaint");
    QTest::newRow("digits") << QByteArray("abc123")
                            << QByteArray("Sorry, names can only consist of lower and upper case "
                                          "letters.  Try again.");
    QTest::newRow("two letters") << QByteArray("ab")
                                 << QByteArray("A name should be at least three characters long!  "
                                               "Try again.");
    QTest::newRow("eighteen letters")
        << QByteArray("TolGwynnApNuddYmir")
        << QByteArray("Sorry, names may be at most 17 characters long.  Try again.");
}

void FakeFicsServerTest::rejectsBadNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, complaint);
    RawClient client(m_server->port());
    client.takeUntil("login: ");
    client.send(name + '\n');
    QCOMPARE(client.takeUntil("login: "), "\n\r" + complaint + "\n\rlogin: ");
}

void FakeFicsServerTest::answersCommands_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("set style") << QByteArray("Set style 12") << QByteArray("Style 12 set.");
    QTest::newRow("set highlight")
        << QByteArray("Set highlight 0") << QByteArray("Highlight is off.");
    QTest::newRow("set interface") << QByteArray("Set interface Tolvaris 2.0 Quarndell")
                                   << QByteArray("Interface set to Tolvaris 2.0 Quarndell.");
    QTest::newRow("set seek") << QByteArray("Set seek 0")
                              << QByteArray(
                                     "seek set to 0.\n\rYou are no longer receiving seek ads.");
    QTest::newRow("set open") << QByteArray("Set Open 1")
                              << QByteArray("You are now open to receive match requests.");
    QTest::newRow("unknown variable")
        << QByteArray("set frobnicate 1") << QByteArray("No such variable name frobnicate.");
    QTest::newRow("iset gameinfo") << QByteArray("iSet gameinfo 1") << QByteArray("gameinfo set.");
    QTest::newRow("unknown command echoes its word")
        << QByteArray("CAPT%%2 with args") << QByteArray("capt%%2: Command not found.");
}

void FakeFicsServerTest::answersCommands()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    RawClient client(m_server->port());
    client.loginAs("bob", "bobpw");
    client.send(command + '\n');
    QCOMPARE(client.takeUntil(Prompt), answer + "\n\rfics% ");
}

void FakeFicsServerTest::blockModeFramesTaggedReplies()
{
    RawClient client(m_server->port());
    client.loginAs("alice", "alicepw");
    client.send("iset block 1\n101 Stored alice\n102 frobnicate\n999 iset block 0\n");
    const QByteArray expected = QByteArray("block set.\n\rfics% ") +
                                "\x15"
                                "101\x16"
                                "127\x16"
                                "alice has no adjourned games.\n\r\x17" +
                                "fics% " +
                                "\x15"
                                "102\x16"
                                "512\x16\x17" +
                                "fics% " +
                                "\x15"
                                "999\x16"
                                "56\x16"
                                "block unset.\n\rfics% ";
    QCOMPARE(client.takeUntil("block unset.\n\rfics% "), expected);
    QVERIFY(!m_server->sessionOf("alice")->blockMode());
    client.send("stored\n");
    QCOMPARE(client.takeUntil(Prompt), QByteArray("alice has no adjourned games.\n\rfics% "));
}

void FakeFicsServerTest::wrapsLongLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("wrapped");
    const QByteArray words = "alice tells you: " + QByteArray("word ").repeated(20).trimmed();
    QTest::newRow("short line stays") << QByteArray("short") << QByteArray("short");
    QTest::newRow("cut at the last space within 79 columns")
        << words
        << "alice tells you: " + QByteArray("word ").repeated(12).trimmed() + "\n\r\\   " +
               QByteArray("word ").repeated(8).trimmed();
    QTest::newRow("a word without spaces is cut hard")
        << QByteArray(100, 'x') << QByteArray(79, 'x') + "\n\r\\   " + QByteArray(21, 'x');
    const QByteArray board = "<12> " + QByteArray(120, '-');
    QTest::newRow("board lines are never wrapped") << board << board;
}

void FakeFicsServerTest::wrapsLongLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, wrapped);
    QCOMPARE(FakeFicsText::wrap(line), wrapped);
    if (wrapped != line) {
        for (const QByteArray& piece : wrapped.split('\n'))
            QVERIFY(piece.size() <= 80);
    }
}

void FakeFicsServerTest::tellsReachTheOtherUser()
{
    RawClient alice(m_server->port());
    alice.loginAs("alice", "alicepw");
    RawClient guest(m_server->port());
    guest.loginAs("TolYmir", QByteArray());
    guest.send("tell alice hello there\n");
    QCOMPARE(guest.takeUntil(Prompt), QByteArray("(told alice)\n\rfics% "));
    QCOMPARE(alice.takeUntil(Prompt), QByteArray("\n\rTolYmir tells you: hello there\n\rfics% "));
    guest.send("tell nobody hi\n");
    QCOMPARE(guest.takeUntil(Prompt), QByteArray("nobody is not logged in.\n\rfics% "));
}

void FakeFicsServerTest::cuesAndPushes()
{
    QFile capture(QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics/f_game.C.raw"));
    QVERIFY(capture.open(QIODevice::ReadOnly));
    const QList<QByteArray> game = FakeFicsServer::linesAfterLogin(capture.readAll());
    QVERIFY(game.size() > 10);
    QVERIFY(game.contains("{Game 1 (alice vs. bob) alice resigns} 0-1"));
    m_server->addCue("observe alice", game);

    RawClient client(m_server->port());
    client.loginAs("carol", "carolpw");
    client.send("Observe Alice\n");
    const QByteArray observed = client.takeUntil(Prompt);
    QVERIFY(observed.contains("\n\r<12> "));
    QVERIFY(observed.contains("\n\r{Game 1 (alice vs. bob) alice resigns} 0-1\n\r"));
    QVERIFY(observed.endsWith("\n\rfics% "));

    m_server->push({"bob(50): channel fifty", "bob tells you: pushed"});
    QCOMPARE(client.takeUntil(Prompt),
             QByteArray("\n\rbob(50): channel fifty\n\rbob tells you: pushed\n\rfics% "));
}

void FakeFicsServerTest::seekSoughtAndPlay()
{
    RawClient alice(m_server->port());
    alice.loginAs("alice", "alicepw");
    RawClient bob(m_server->port());
    bob.loginAs("bob", "bobpw");
    bob.send("iset gameinfo 1\n");
    bob.takeUntil(Prompt);

    alice.send("seek 5 0 rated\n");
    QCOMPARE(alice.takeUntil(Prompt), QByteArray("Your seek has been posted with index 4.\n\r"
                                                 "(1 player(s) saw the seek.)\n\rfics% "));
    QCOMPARE(bob.takeUntil(Prompt),
             QByteArray("\n\ralice (----) seeking 5 0 rated blitz (\"play 4\" to respond)\n\r"
                        "fics% "));
    alice.send("play 4\n");
    QCOMPARE(alice.takeUntil(Prompt),
             QByteArray("You cannot respond to your own seek ads\n\rfics% "));
    bob.send("sought\n");
    const QByteArray sought = bob.takeUntil(Prompt);
    QVERIFY(sought.contains("  4 ---- alice               5   0 rated   blitz            0-9999"));
    QVERIFY(sought.endsWith("4 ads displayed.\n\rfics% "));

    bob.send("play 4\n");
    const QByteArray bobSees = bob.takeUntil(Prompt);
    QVERIFY(bobSees.startsWith("{Game 1 (alice vs. bob) Creating rated blitz match.}\n\r\n\r"
                               "<G1> 1 p=0 t=blitz r=1"));
    // The board of the black player is flipped and ends at the flip field, as recorded.
    QVERIFY(bobSees.contains(" 1 alice bob -1 5 0 39 39 300 300 1 none (0:00) none 1\n\r"));
    const QByteArray aliceSees = alice.takeUntil(Prompt);
    QVERIFY(!aliceSees.contains("<G1>"));
    QVERIFY(aliceSees.contains(" 1 alice bob 1 5 0 39 39 300 300 1 none (0:00) none 0\n\r"));
    bob.send("play 4\n");
    QCOMPARE(bob.takeUntil(Prompt), QByteArray("You are already playing a game.\n\rfics% "));
    bob.send("games\n");
    const QByteArray games = bob.takeUntil(Prompt);
    QVERIFY2(QRegularExpression(QStringLiteral(
                 "^\n\r 1 ---- alice       ---- bob         \\[ br  5   0\\]   [45]:\\d\\d -  "
                 "5:00 \\(39-39\\) W:  1\n\r\n\r  1 game displayed.\n\rfics% $"))
                 .match(QString::fromLatin1(games))
                 .hasMatch(),
             games.constData());
    bob.send("resign\n");
    QCOMPARE(bob.takeUntil(Prompt),
             QByteArray("\n\r{Game 1 (alice vs. bob) bob resigns} 1-0\n\r"
                        "No ratings adjustment done.\n\rfics% "));
    QCOMPARE(alice.takeUntil(Prompt),
             QByteArray("\n\r{Game 1 (alice vs. bob) bob resigns} 1-0\n\r"
                        "No ratings adjustment done.\n\rfics% "));
    bob.send("resign\n");
    QCOMPARE(bob.takeUntil(Prompt), QByteArray("You are not playing a game.\n\rfics% "));
    bob.send("play 4\n");
    QCOMPARE(bob.takeUntil(Prompt), QByteArray("That seek is not available.\n\rfics% "));
}

void FakeFicsServerTest::exitClosesOrderlyAndDropResets()
{
    RawClient leaving(m_server->port());
    leaving.loginAs("alice", "alicepw");
    leaving.send("exit\n");
    QCOMPARE(leaving.takeUntil("\n\r\n\r"),
             QByteArray("\n\rThank you for using a Free (GNU) Internet Chess server.\n\r\n\r"));
    QTRY_COMPARE(int(leaving.socket.state()), int(QAbstractSocket::UnconnectedState));

    RawClient dropped(m_server->port());
    dropped.loginAs("bob", "bobpw");
    QSignalSpy errors(&dropped.socket, &QTcpSocket::errorOccurred);
    m_server->dropConnections();
    QTRY_COMPARE(int(dropped.socket.state()), int(QAbstractSocket::UnconnectedState));
    QVERIFY(m_server->sessions().isEmpty());
}

void FakeFicsServerTest::recordsEveryLine()
{
    RawClient client(m_server->port());
    client.loginAs("dave", "davepw");
    client.send("finger\r\nsay hi\n");
    client.takeUntil("say: Command not found.\n\rfics% ");
    QCOMPARE(m_server->receivedLines(), (QList<QByteArray>{"dave", "davepw", "finger", "say hi"}));
    QCOMPARE(m_server->sessions().first()->received(), m_server->receivedLines());
}

void FakeFicsServerTest::scriptAddsCuesAndPushes()
{
    QString error;
    QVERIFY(FakeFicsScript::apply("# greeting\n"
                                  "on games\n"
                                  "  1 ---- bob   ---- carol  [ bu  5   0]\n"
                                  "end\n"
                                  "push 0.05\r\n"
                                  "bob tells you: welcome\n"
                                  "end\n",
                                  *m_server, &error));
    RawClient client(m_server->port());
    client.loginAs("alice", "alicepw");
    QCOMPARE(client.takeUntil(Prompt), QByteArray("\n\rbob tells you: welcome\n\rfics% "));
    client.send("GAMES\n");
    QCOMPARE(client.takeUntil(Prompt),
             QByteArray("  1 ---- bob   ---- carol  [ bu  5   0]\n\rfics% "));
}

void FakeFicsServerTest::scriptErrorsAreReported_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown keyword")
        << QByteArray("\nsend x\n") << "line 2: expected \"on <command>\" or \"push <seconds>\"";
    QTest::newRow("push without seconds")
        << QByteArray("push soon\nend\n")
        << "line 1: expected \"on <command>\" or \"push <seconds>\"";
    QTest::newRow("missing end") << QByteArray("on who\nnobody\n")
                                 << "the last section has no \"end\"";
}

void FakeFicsServerTest::scriptErrorsAreReported()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, error);
    QString reported;
    QVERIFY(!FakeFicsScript::apply(script, *m_server, &reported));
    QCOMPARE(reported, error);
}

void FakeFicsServerTest::standaloneToolServesTheSameServer()
{
    const QString program = qEnvironmentVariable("TOLVARIS_BIN_DIR") + QStringLiteral("/ficsim");
    QVERIFY2(QFile::exists(program), "build the ficsim target first");
    QProcess ficsim;
    ficsim.start(program, {QStringLiteral("--port"), QStringLiteral("0"),
                           QStringLiteral("--account"), QStringLiteral("zelda:zpw")});
    QVERIFY(ficsim.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return ficsim.canReadLine(); }, 20000));
    const QByteArray first = ficsim.readLine().trimmed();
    QVERIFY2(first.startsWith("ficsim listening on 127.0.0.1:"), first.constData());
    RawClient client(first.mid(first.lastIndexOf(':') + 1).toUShort());
    QVERIFY(client.loginAs("zelda", "zpw").contains("Starting FICS session as zelda"));
    client.send("quit\n");
    client.takeUntil("\n\r\n\r");
    ficsim.terminate();
    QVERIFY(ficsim.waitForFinished());
}

QTEST_GUILESS_MAIN(FakeFicsServerTest)
#include "FakeFicsServerTest.moc"
