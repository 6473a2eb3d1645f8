#include "chat/ChatRouter.h"
#include "chat/ChatTarget.h"
#include "chat/ChatWindowRouting.h"

#include <QTest>

namespace {

// A chat window without a window: keeps the lines it takes.
class RecordingTarget : public ChatTarget
{
public:
    explicit RecordingTarget(ChatFilter filter) : m_routing(std::move(filter)) {}

    ChatWindowRouting& routing() override { return m_routing; }
    void takeLine(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                  const QByteArray& other) override
    {
        if (m_routing.takeLine(line, speaker, kind, other, {}).taken)
            lines.append(line);
    }

    QList<QByteArray> lines;

private:
    ChatWindowRouting m_routing;
};

} // namespace

class ChatRouterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesReachTheirWindows();
    void includeFlagsAreTheMainWindows();
    void closedWindowLeavesTheList();
};

void ChatRouterTest::entriesReachTheirWindows()
{
    RecordingTarget main(ChatFilter::everything());
    RecordingTarget board(ChatFilter::boardPane());
    RecordingTarget channels(ChatFilter::fromText(QStringLiteral(" (50)")));
    ChatRouter router(main);
    router.setBoardPane(1, &board);
    router.addFiltered(&channels);

    router.fanOut("Bob tells you: hi", "BOB", TextKind::Tell, "TELLS", true);
    router.fanOut("Bob(50): all", "BOB(50):", TextKind::ChannelTell, "ALL", false);
    router.channel("Bob(50): all", "BOB(50):", "ALL");
    router.direct("Bob shouts: loud", "BOB", TextKind::Shout, "SHOUTS:");

    QCOMPARE(main.lines, (QList<QByteArray>{"Bob tells you: hi", "Bob(50): all",
                                            "Bob shouts: loud"}));
    QCOMPARE(board.lines, QList<QByteArray>{"Bob tells you: hi"});
    QCOMPARE(channels.lines, QList<QByteArray>{"Bob(50): all"});
}

void ChatRouterTest::includeFlagsAreTheMainWindows()
{
    RecordingTarget main(ChatFilter::everything());
    ChatRouter router(main);
    main.routing().includeShouts = false;
    QVERIFY(!router.includeShouts());
    QVERIFY(router.includeChannelTells());
    main.routing().includeChannelTells = false;
    QVERIFY(!router.includeChannelTells());
}

void ChatRouterTest::closedWindowLeavesTheList()
{
    RecordingTarget main(ChatFilter::everything());
    RecordingTarget first(ChatFilter::everything());
    RecordingTarget second(ChatFilter::everything());
    ChatRouter router(main);
    router.addFiltered(&first);
    router.addFiltered(&second);
    router.addFiltered(&first);
    QCOMPARE(router.filtered().size(), 2);
    router.removeFiltered(&first);
    router.fanOut("Bob says: x", "BOB", TextKind::Say, "SAYS", false);
    QVERIFY(first.lines.isEmpty());
    QCOMPARE(second.lines.size(), 1);
    QVERIFY(main.lines.isEmpty());
}

QTEST_GUILESS_MAIN(ChatRouterTest)
#include "ChatRouterTest.moc"
