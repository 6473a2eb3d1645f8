#include "chat/ChatWindowRouting.h"

#include <QTest>

// Which lines each sort of chat window takes, what it adds to its recipient
// list and when it pops up.
class ChatWindowRoutingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takesLinesByFilter_data();
    void takesLinesByFilter();
    void recipientListStaysSortedAndSkipsEmptyHandles();
    void continuationFollowsTheLineBeforeIt();
    void popsUp_data();
    void popsUp();
    void filterTextRoundTrip();
};

void ChatWindowRoutingTest::takesLinesByFilter_data()
{
    QTest::addColumn<QString>("filter"); // filter text; "ALL_MSGS" also means accept all
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("speaker");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("taken");

    const int tell = int(TextKind::Tell);
    const int channel = int(TextKind::ChannelTell);
    const int shout = int(TextKind::Shout);
    const int kibitz = int(TextKind::Kibitz);
    QTest::newRow("user filter takes the user's tell")
        << " anna" << QByteArray("Anna tells you: hi") << QByteArray("ANNA") << tell << true;
    QTest::newRow("user filter takes the user with a title")
        << " anna" << QByteArray("Anna(TM) tells you: hi") << QByteArray("ANNA(TM)") << tell
        << true;
    QTest::newRow("user filter takes a kibitz with a rating")
        << " alice" << QByteArray("alice(1500) kibitzes: nice") << QByteArray("ALICE(1500)")
        << kibitz << true;
    QTest::newRow("user filter refuses another user")
        << " anna" << QByteArray("Bob tells you: hi") << QByteArray("BOB") << tell << false;
    QTest::newRow("user filter refuses a longer handle")
        << " anna" << QByteArray("Annabel tells you: hi") << QByteArray("ANNABEL") << tell << false;
    QTest::newRow("channel filter takes its channel")
        << " (50)" << QByteArray("Bob(50): hi") << QByteArray("BOB(50):") << channel << true;
    QTest::newRow("channel filter takes its channel behind a title")
        << " (50)" << QByteArray("Bob(TM)(50): hi") << QByteArray("BOB(TM)(50):") << channel
        << true;
    QTest::newRow("channel filter takes its channel behind an unlisted title")
        << " (49)" << QByteArray("mamer(TD)(49): round 3") << QByteArray("MAMER(TD)(49):")
        << channel << true;
    QTest::newRow("channel filter refuses another channel")
        << " (50)" << QByteArray("Bob(1): hi") << QByteArray("BOB(1):") << channel << false;
    QTest::newRow("shouts filter takes shouts")
        << " ALL_SHOUT" << QByteArray("Bob shouts: hi") << QByteArray("BOB") << shout << true;
    QTest::newRow("shouts filter refuses tells")
        << " ALL_SHOUT" << QByteArray("Bob tells you: hi") << QByteArray("BOB") << tell << false;
    QTest::newRow("shouts filter takes challenges")
        << " ALL_SHOUT" << QByteArray("Challenge: Bob (1500) you (1400)") << QByteArray()
        << int(TextKind::Requests) << true;
    QTest::newRow("shouts filter takes arrival notices")
        << " ALL_SHOUT" << QByteArray("Notification: Bob has arrived.") << QByteArray()
        << int(TextKind::Normal) << true;
    QTest::newRow("c-shouts need their own keyword")
        << " ALL_SHOUT" << QByteArray("Bob c-shouts: hi") << QByteArray("BOB")
        << int(TextKind::CShout) << false;
    QTest::newRow("board pane takes user chat")
        << " ALL_USERS" << QByteArray("Bob whispers: hi") << QByteArray("BOB") << kibitz << true;
    QTest::newRow("board pane refuses channel tells")
        << " ALL_USERS" << QByteArray("Bob(50): hi") << QByteArray("BOB(50):") << channel << false;
    QTest::newRow("board pane refuses shouts")
        << " ALL_USERS" << QByteArray("Bob shouts: hi") << QByteArray("BOB") << shout << false;
    QTest::newRow("all channels takes any channel")
        << " ALL_CHANNELS" << QByteArray("Bob(7): hi") << QByteArray("BOB(7):") << channel << true;
    QTest::newRow("users and channels takes tells")
        << " ALL_USERSCHANNELSTELLS" << QByteArray("Bob says: hi") << QByteArray("BOB")
        << int(TextKind::Say) << true;
    QTest::newRow("everything chatty accepts shouts too")
        << " ALL_MSGS" << QByteArray("Bob shouts: hi") << QByteArray("BOB") << shout << true;
}

void ChatWindowRoutingTest::takesLinesByFilter()
{
    QFETCH(QString, filter);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, speaker);
    QFETCH(int, kind);
    QFETCH(bool, taken);

    ChatWindowRouting routing(ChatFilter::fromText(filter));
    const auto outcome = routing.takeLine(line, speaker, TextKind(kind), {}, {});
    QCOMPARE(outcome.taken, taken);
}

void ChatWindowRoutingTest::recipientListStaysSortedAndSkipsEmptyHandles()
{
    ChatWindowRouting routing;
    const auto at = [&routing](const QByteArray& line, const QByteArray& speaker, TextKind kind) {
        return routing.takeLine(line, speaker, kind, "TELLS", {}).recipientAt;
    };
    QCOMPARE(at("Zed tells you: a", "ZED", TextKind::Tell), 0);
    QCOMPARE(at("Anna(TM) tells you: b", "ANNA(TM)", TextKind::Tell), 0);
    QCOMPARE(at("Zed tells you: c", "ZED", TextKind::Tell), -1);
    QCOMPARE(at("Challenge: Bob", {}, TextKind::Requests), -1);
    QCOMPARE(at("Mia tells you: d", "MIA", TextKind::Tell), 1);
    QCOMPARE(routing.recipients(), QStringList({"ANNA", "MIA", "ZED"}));
    QCOMPARE(routing.addRecipient("MIA"), -1);
    QCOMPARE(routing.addRecipient("ZOE"), 3);
}

void ChatWindowRoutingTest::continuationFollowsTheLineBeforeIt()
{
    ChatWindowRouting anna(ChatFilter::fromText(" anna"));
    QVERIFY(anna.takeLine("Anna tells you: a long", "ANNA", TextKind::Tell, "TELLS", {}).taken);
    const auto continued = anna.takeLine("\\   tell", "\\", TextKind::Tell, "TELL", {});
    QVERIFY(continued.taken);
    QVERIFY(!anna.takeLine("Bob tells you: other", "BOB", TextKind::Tell, "TELLS", {}).taken);
    QVERIFY(!anna.takeLine("\\   of bob", "\\", TextKind::Tell, "OF", {}).taken);
    QCOMPARE(anna.recipients(), QStringList({"ANNA"}));
}

void ChatWindowRoutingTest::popsUp_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("boardsShown");
    QTest::addColumn<int>("popUp");

    const int tellPopUp = int(ChatWindowRouting::PopUp::Tell);
    const int sayPopUp = int(ChatWindowRouting::PopUp::Say);
    const int none = int(ChatWindowRouting::PopUp::None);
    const int tell = int(TextKind::Tell);
    QTest::newRow("tell to a hidden window") << QByteArray("Bob tells you: hi") << tell
                                             << QByteArray("TELLS") << true << false << tellPopUp;
    QTest::newRow("tell while the boards are shown")
        << QByteArray("Bob tells you: hi") << tell << QByteArray("TELLS") << true << true << none;
    QTest::newRow("tell to a shown window")
        << QByteArray("Bob tells you: hi") << tell << QByteArray("TELLS") << false << false << none;
    QTest::newRow("partner tell") << QByteArray("Bob (your partner) tells you: hi")
                                  << int(TextKind::PTell) << QByteArray("(YOUR") << true << false
                                  << tellPopUp;
    QTest::newRow("say") << QByteArray("Bob says: hi") << tell << QByteArray("SAYS") << true
                         << false << sayPopUp;
    QTest::newRow("kibitz never pops up")
        << QByteArray("Bob(1500) kibitzes: hi") << int(TextKind::Kibitz) << QByteArray("KIBITZES:")
        << true << false << none;
    QTest::newRow("continuation never pops up")
        << QByteArray("\\   tells you") << tell << QByteArray("TELLS") << true << false << none;
}

void ChatWindowRoutingTest::popsUp()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(QByteArray, other);
    QFETCH(bool, hidden);
    QFETCH(bool, boardsShown);
    QFETCH(int, popUp);

    ChatWindowRouting routing;
    routing.popUpOnTells = true;
    routing.popUpOnSays = true;
    const QByteArray speaker = line.left(line.indexOf(' ')).toUpper();
    const auto outcome =
        routing.takeLine(line, speaker, TextKind(kind), other, {hidden, boardsShown});
    QCOMPARE(int(outcome.popUp), popUp);
}

void ChatWindowRoutingTest::filterTextRoundTrip()
{
    ChatFilter filter;
    filter.add(ChatFilter::AllMessages);
    filter.add(QStringLiteral("anna"));
    filter.add(QStringLiteral("(50)"));
    QCOMPARE(filter.filterText(), QStringLiteral(" ALL_MSGS anna (50)"));
    const ChatFilter back = ChatFilter::fromText(filter.filterText());
    QCOMPARE(back.entries(), filter.entries());
    QVERIFY(back.acceptsAll());
    QVERIFY(!ChatFilter::fromText(QStringLiteral(" anna")).acceptsAll());
}

QTEST_GUILESS_MAIN(ChatWindowRoutingTest)
#include "ChatWindowRoutingTest.moc"
