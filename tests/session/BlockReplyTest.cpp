#include "session/BlockReply.h"
#include "session/BlockReplyRouter.h"
#include "session/TraceLog.h"

#include <QTest>

namespace {

QByteArray block(const QByteArray& id, const QByteArray& code, const QByteArray& text)
{
    return "\x15" + id + "\x16" + code + "\x16" + text + "\x17";
}

// Records what the router does to the windows, in order.
class RecordingWindows : public ReplyWindowsSink
{
public:
    QStringList calls;

    void loadListWindow(ListWindow window, const QList<QByteArray>& lines) override
    {
        calls << QStringLiteral("load %1 %2").arg(int(window)).arg(lines.size());
    }
    void showListWindow(ListWindow window) override
    {
        calls << QStringLiteral("show %1").arg(int(window));
    }
    void appendToCommandsWindow(const QByteArray& text) override
    {
        calls << QStringLiteral("commands ") + QString::fromLatin1(text);
    }
    void showCommandsWindow() override { calls << QStringLiteral("show commands"); }
};

} // namespace

class BlockReplyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void lines_data();
    void lines();
    void routing_data();
    void routing();
    void commandsWindowShownOncePerEvent();
};

void BlockReplyTest::parse_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("identifier");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("standard header")
        << block("100", "51", "History for alice:\n\r 1: ...\n\r") << QByteArray("100")
        << QByteArray("51") << QByteArray("History for alice:\n\r 1: ...\n\r ");
    QTest::newRow("three-digit code")
        << block("107", "143", "Variable settings\n\r") << QByteArray("107") << QByteArray("143")
        << QByteArray("Variable settings\n\r ");
    QTest::newRow("prompts are removed")
        << block("500", "37", "fics% line\n\rfics%") << QByteArray("500") << QByteArray("37")
        << QByteArray("line\n\r");
    QTest::newRow("error code gets its message")
        << block("500", "512", "") << QByteArray("500") << QByteArray("512")
        << QByteArray(" Command not found.\r\n");
    QTest::newRow("last error code")
        << block("500", "520", "") << QByteArray("500") << QByteArray("520")
        << QByteArray(" Error: Invalid Block Length.\r\n");
    QTest::newRow("code outside the error range gets nothing")
        << block("500", "521", "x") << QByteArray("500") << QByteArray("521") << QByteArray("x ");
    QTest::newRow("no CR: the whole text is the header line")
        << block("101", "127", "no line end") << QByteArray("101") << QByteArray("127")
        << QByteArray("no line end ");
    QTest::newRow("header with the two separators first")
        << QByteArray("\x15\x16\x16" "99956rest\x17") << QByteArray("999") << QByteArray("56")
        << QByteArray("rest ");
    QTest::newRow("truncated block does not read past its end")
        << QByteArray("\x15" "1") << QByteArray(" ") << QByteArray() << QByteArray();
    QTest::newRow("empty block") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
}

void BlockReplyTest::parse()
{
    QFETCH(QByteArray, raw);
    QFETCH(QByteArray, identifier);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, text);
    const BlockReply reply = BlockReply::parse(raw);
    QCOMPARE(reply.identifier, identifier);
    QCOMPARE(reply.commandCode, code);
    QCOMPARE(reply.text, text);
}

void BlockReplyTest::lines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("LF CR ends") << QByteArray("a\n\rb\n\r") << QByteArrayList{"a", "b"};
    QTest::newRow("empty item between two CRs") << QByteArray("a\r\rb") << QByteArrayList{"a", "", "b"};
    QTest::newRow("no CR") << QByteArray("one") << QByteArrayList{"one"};
}

void BlockReplyTest::lines()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, lines);
    BlockReply reply;
    reply.text = text;
    QCOMPARE(reply.lines(), lines);
}

void BlockReplyTest::routing_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("history with its own identifier fills the window only")
        << block("100", "51", "h\n\r") << QStringList{"load 0 2", "show 0"};
    QTest::newRow("history with identifier 500 also goes to the Commands window")
        << block("500", "51", "h\n\r") << QStringList{"load 0 2", "show 0", "commands h\n\r "};
    QTest::newRow("stored is filled then shown")
        << block("101", "127", "s") << QStringList{"load 1 1", "show 1"};
    QTest::newRow("journal is filled then shown")
        << block("102", "60", "j") << QStringList{"load 2 1", "show 2"};
    QTest::newRow("variables window is shown before it is filled")
        << block("107", "143", "v") << QStringList{"show 3", "load 3 1"};
    QTest::newRow("any other code goes to the Commands window whatever its identifier")
        << block("100", "37", "finger") << QStringList{"commands finger "};
}

void BlockReplyTest::routing()
{
    QFETCH(QByteArray, raw);
    QFETCH(QStringList, calls);
    RecordingWindows windows;
    const TraceLog trace(false);
    BlockReplyRouter router(windows, trace);
    router.route(raw);
    QCOMPARE(windows.calls, calls);
}

void BlockReplyTest::commandsWindowShownOncePerEvent()
{
    RecordingWindows windows;
    const TraceLog trace(false);
    BlockReplyRouter router(windows, trace);
    router.route(block("500", "37", "a"));
    router.route(block("500", "23", "b"));
    router.finishEvent();
    router.finishEvent();
    QCOMPARE(windows.calls, (QStringList{"commands a ", "commands b ", "show commands"}));
}

QTEST_GUILESS_MAIN(BlockReplyTest)
#include "BlockReplyTest.moc"
