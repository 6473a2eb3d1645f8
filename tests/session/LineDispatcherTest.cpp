#include "session/TParsing.h"
#include "support/PipelineHarness.h"
#include "support/ReplayEvents.h"

#include <QTest>

using namespace ReplayEvents;

class LineDispatcherTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classify_data();
    void classify();
    void actions_data();
    void actions();
    void listCapture_data();
    void listCapture();
};

void LineDispatcherTest::classify_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<LineClass>("lineClass");

    QTest::newRow("channel tell by the first word") << QByteArray("Handle(50): hello") << LineClass::ChannelTell;
    QTest::newRow("channel tell with two brackets") << QByteArray("Ann(50)(1): x") << LineClass::ChannelTell;
    QTest::newRow("too short for a channel tell") << QByteArray("a):") << LineClass::None;
    QTest::newRow("tell with thanks") << QByteArray("GuestXYZ tells you thanks") << LineClass::Thanks;
    QTest::newRow("tell with colon and thanks is a tell") << QByteArray("GuestXYZ tells you: thanks") << LineClass::Tell;
    QTest::newRow("says") << QByteArray("Bob says: hi") << LineClass::Say;
    QTest::newRow("says thx") << QByteArray("Bob says thx a lot") << LineClass::Thanks;
    QTest::newRow("line beginning with says matches nothing") << QByteArray("says hello") << LineClass::None;
    QTest::newRow("time added by a player") << QByteArray("X has added 10 seconds to your clock.") << LineClass::TimeAdded;
    QTest::newRow("time added by the opponent")
        << QByteArray("Your opponent has added 10 seconds to your clock.") << LineClass::TimeAdded;
    QTest::newRow("holdings") << QByteArray("<b1> game 1 white [] black [P]") << LineClass::Holdings;
    QTest::newRow("style 12") << QByteArray("<12> rnbqkbnr pppppppp") << LineClass::Style12;
    QTest::newRow("result line") << QByteArray("{Game 1 (alice vs. bob) alice resigns} 0-1") << LineClass::GameResult;
    QTest::newRow("illegal move") << QByteArray("Illegal move.") << LineClass::IllegalMove;
    QTest::newRow("removed from observation") << QByteArray("Removing game 1 from observation list.") << LineClass::GameLeft;
    QTest::newRow("no longer examining") << QByteArray("You are no longer examining game 1.") << LineClass::GameLeft;
    QTest::newRow("partner's game") << QByteArray("Your partner is playing game 2 (bob vs. dave).") << LineClass::PartnerIs;
    QTest::newRow("continuation") << QByteArray("\\   rest of a line") << LineClass::Continuation;
    QTest::newRow("emote") << QByteArray("--> alice waves") << LineClass::Shout;
    QTest::newRow("shout") << QByteArray("alice shouts: hi") << LineClass::Shout;
    QTest::newRow("c-shout") << QByteArray("alice c-shouts: hi") << LineClass::CShout;
    QTest::newRow("s-shout") << QByteArray("alice s-shouts: hi") << LineClass::CShout;
    QTest::newRow("whisper") << QByteArray("alice(1558) whispers: hi") << LineClass::Whisper;
    QTest::newRow("kibitz") << QByteArray("carol(----) kibitzes: hi") << LineClass::Kibitz;
    QTest::newRow("partner tell") << QByteArray("bob (your partner) tells you: go") << LineClass::PartnerTell;
    QTest::newRow("ptell") << QByteArray("bob ptells: go") << LineClass::PartnerTell;
    QTest::newRow("extra spaces are skipped after a space")
        << QByteArray("  alice    tells   you: hi") << LineClass::Tell;
    QTest::newRow("draw offer") << QByteArray("alice offers you a draw.") << LineClass::DrawOffer;
    QTest::newRow("abort request")
        << QByteArray("bob would like to abort the game; type \"abort\" to accept.") << LineClass::AbortRequest;
    QTest::newRow("takeback") << QByteArray("alice would like to take back 1 half move(s).") << LineClass::TakebackRequest;
    QTest::newRow("arrival") << QByteArray("Notification: alice has arrived.") << LineClass::Arrival;
    QTest::newRow("challenge") << QByteArray("Challenge: alice (1558) bob (1882) rated blitz 5 0.") << LineClass::Challenge;
    QTest::newRow("creating") << QByteArray("Creating: alice (----) bob (----) rated blitz 5 0") << LineClass::GameCreated;
    QTest::newRow("game info") << QByteArray("<G1> 1 0 alice bob") << LineClass::GameInfo;
    QTest::newRow("letter case of the line does not matter") << QByteArray("ILLEGAL move") << LineClass::IllegalMove;
    QTest::newRow("ordinary text") << QByteArray("Style 12 set.") << LineClass::None;
}

void LineDispatcherTest::classify()
{
    QFETCH(QByteArray, line);
    QFETCH(LineClass, lineClass);
    const QByteArray firstWord = TParsing::trimmed(line).toByteArray().split(' ').value(0).toUpper();
    QCOMPARE(TParsing::classify(line, firstWord), lineClass);
}

void LineDispatcherTest::actions_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("events");

    const QByteArray holdings = "<b1> game 1 white [] black [P]";
    QTest::newRow("holdings go to the board of their game")
        << QByteArrayList{holdings}
        << QByteArrayList{board("ApplyHoldings", 1, holdings), suppressed(holdings)};
    const QByteArray holdingsBad = "<b1> game x white []";
    QTest::newRow("holdings with a bad game number go to game 0")
        << QByteArrayList{holdingsBad}
        << QByteArrayList{board("ApplyHoldings", 0, holdingsBad), suppressed(holdingsBad)};
    const QByteArray result = "{Game 1 (alice vs. bob) alice resigns} 0-1";
    QTest::newRow("result line ends the game and is shown")
        << QByteArrayList{result} << QByteArrayList{board("GameEnded", 1, result), line(result)};
    const QByteArray left = "Removing game 7 from observation list.";
    QTest::newRow("game left") << QByteArrayList{left}
                               << QByteArrayList{board("GameLeft", 7), line(left)};
    const QByteArray partner = "Your partner is playing game 2 (bob vs. dave).";
    const QByteArray paused = "Game clock paused.";
    QTest::newRow("own game's clock paused reaches the boards and is shown")
        << QByteArrayList{paused} << QByteArrayList{board("ClockPaused", 0), line(paused)};
    const QByteArray resumed = "Game 12: Game clock resumed.";
    QTest::newRow("an observed game's clock resumed names its game")
        << QByteArrayList{resumed} << QByteArrayList{board("ClockResumed", 12), line(resumed)};
    QTest::newRow("partner's game is observed")
        << QByteArrayList{partner}
        << QByteArrayList{send("Observe 2"), board("PartnerGame", 2), line(partner)};
    const QByteArray noPartnerGame = "Your partner is not playing a game.";
    QTest::newRow("partner notice without a game does nothing")
        << QByteArrayList{noPartnerGame} << QByteArrayList{line(noPartnerGame)};
    const QByteArray tell = "alice tells you: hi";
    QTest::newRow("tell")
        << QByteArrayList{tell}
        << QByteArrayList{fanOut(tell, 2, "ALICE", "TELLS", true), sound("Tells"), line(tell, 2, "ALICE")};
    const QByteArray thanks = "alice tells you thanks";
    QTest::newRow("thanks stay ordinary text") << QByteArrayList{thanks} << QByteArrayList{line(thanks)};
    const QByteArray cont = "\\   and more";
    QTest::newRow("continuation after a tell takes the tell's kind")
        << QByteArrayList{tell, cont}
        << QByteArrayList{fanOut(tell, 2, "ALICE", "TELLS", true), sound("Tells"), line(tell, 2, "ALICE"),
                          direct(cont, 2, "\\", "AND"), fanOut(cont, 2, "\\", "AND", false),
                          line(cont, 2, "\\")};
    const QByteArray plain = "plain";
    QTest::newRow("continuation after ordinary text does nothing special")
        << QByteArrayList{plain, cont} << QByteArrayList{line(plain), line(cont)};
    const QByteArray emote = "--> alice waves";
    QTest::newRow("emote names its speaker second on every route")
        << QByteArrayList{emote}
        << QByteArrayList{direct(emote, 3, "ALICE", "-->"), fanOut(emote, 3, "ALICE", "-->", false),
                          line(emote, 3, "ALICE")};
    const QByteArray channelTell = "alice(50): hello";
    QTest::newRow("channel tell")
        << QByteArrayList{channelTell}
        << QByteArrayList{channel(channelTell, "ALICE(50):", "HELLO"),
                          fanOut(channelTell, 5, "ALICE(50):", "HELLO", false),
                          line(channelTell, 5, "alice(50)")};
    const QByteArray more = "Your opponent has added 10 seconds to your clock.";
    QTest::newRow("time added refreshes the boards after its sound")
        << QByteArrayList{more}
        << QByteArrayList{fanOut(more, 10, "", "", true), sound("More Time Added"),
                          board("RefreshBoards"), line(more, 10)};
    const QByteArray arrival = "Notification: bob has arrived.";
    QTest::newRow("arrival sounds first and stays Normal")
        << QByteArrayList{arrival}
        << QByteArrayList{sound("Arrival Notification"), fanOut(arrival, 0, "", "", true), line(arrival)};
    const QByteArray info = "<G1> 1 p=0 t=blitz r=1 u=0,0";
    QTest::newRow("game information is kept for the next board")
        << QByteArrayList{info} << QByteArrayList{board("PendingGameInfo", -1, info), line(info, 11)};
    QTest::newRow("kibitz notice is suppressed")
        << QByteArrayList{"Your kibitzes and whispers will now go to game 1"}
        << QByteArrayList{suppressed("Your kibitzes and whispers will now go to game 1")};
}

void LineDispatcherTest::actions()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, events);
    // One chunk per line, so that a continuation line is not joined to the line before.
    PipelineHarness harness;
    for (const QByteArray& text : std::as_const(lines))
        harness.feed(text + "\n");
    QCOMPARE(harness.allEvents(), events);
}

void LineDispatcherTest::listCapture_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QByteArrayList>("events");

    const QByteArray start = "capt%%2: Command not found.";
    const QByteArray end = "capt%%0: Command not found.";
    const QByteArray tell = "alice tells you: hi";
    QTest::newRow("lines between the markers reach the list pane")
        << 2 << QByteArrayList{"fics% " + start + "\n\rfirst\n\rsecond\n\rfics% " + end + "\n\r"}
        << QByteArrayList{suppressed(start), captured("first"), captured("second"),
                          capture(2, {"first", "second"}), suppressed(end)};
    QTest::newRow("a tell during a capture is still shown")
        << 2 << QByteArrayList{start + "\n\r" + tell + "\n\rrow\n\r" + end + "\n\r"}
        << QByteArrayList{suppressed(start), fanOut(tell, 2, "ALICE", "TELLS", true), sound("Tells"),
                          line(tell, 2, "ALICE"), captured("row"), capture(2, {"row"}), suppressed(end)};
    QTest::newRow("the same list twice is delivered once")
        << 2 << QByteArrayList{start + "\n\rrow\n\r" + end + "\n\r", start + "\n\rrow\n\r" + end + "\n\r"}
        << QByteArrayList{suppressed(start), captured("row"), capture(2, {"row"}), suppressed(end),
                          suppressed(start), captured("row"), suppressed(end)};
    QTest::newRow("another tab's capture is taken but not collected")
        << 3 << QByteArrayList{start + "\n\rrow\n\r" + end + "\n\rafter\n\r"}
        << QByteArrayList{suppressed(start), captured("row"), suppressed(end), line("after")};
    QTest::newRow("a marker inside a tell is a marker")
        << 2 << QByteArrayList{"bob tells you: capt%%2\n\rrow\n\r" + end + "\n\r"}
        << QByteArrayList{suppressed("bob tells you: capt%%2"), captured("row"), capture(2, {"row"}),
                          suppressed(end)};
    QTest::newRow("marker without a digit is suppressed and ignored")
        << 2 << QByteArrayList{"capt%%x: Command not found.\n\rrow\n\r"}
        << QByteArrayList{suppressed("capt%%x: Command not found."), line("row")};
    QTest::newRow("marker too close to the line end is ordinary text")
        << 2 << QByteArrayList{"capt%%\n\r"} << QByteArrayList{line("capt%%")};
    QTest::newRow("two-digit capture number")
        << 12 << QByteArrayList{"capt%%12: x\n\rrow\n\r" + end + "\n\r"}
        << QByteArrayList{suppressed("capt%%12: x"), captured("row"), capture(12, {"row"}),
                          suppressed(end)};
}

void LineDispatcherTest::listCapture()
{
    QFETCH(int, tab);
    QFETCH(QByteArrayList, chunks);
    QFETCH(QByteArrayList, events);
    PipelineHarness harness(LoginState::Ready, tab);
    harness.feed(chunks);
    QCOMPARE(harness.allEvents(), events);
}

QTEST_GUILESS_MAIN(LineDispatcherTest)
#include "LineDispatcherTest.moc"
