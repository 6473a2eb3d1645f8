#include "support/PipelineHarness.h"

#include "support/ReplayEvents.h"

#include <QTest>

using ReplayEvents::line;
using ReplayEvents::partial;

class SessionPipelineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void terminalLines_data();
    void terminalLines();
    void longLineKeepsItsLimit();
    void replyTextFollowsThePlainTextOfItsChunk();
    void connectionStartDropsUnfinishedState();
    void fontKeys_data();
    void fontKeys();
};

void SessionPipelineTest::terminalLines_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QByteArrayList>("expected");

    QTest::newRow("LF CR line ends give plain lines")
        << true << QByteArrayList{"one\n\rtwo\n\r"} << QByteArrayList{line("one"), line("two")};
    QTest::newRow("prompt at line start is removed")
        << true << QByteArrayList{"fics% hello\n\r"} << QByteArrayList{line("hello")};
    QTest::newRow("any first word ending in % is a prompt")
        << true << QByteArrayList{"50% of the rest\n\r"} << QByteArrayList{line("of the rest")};
    QTest::newRow("double prompt vanishes")
        << true << QByteArrayList{"fics% fics% \n\rnext\n\r"} << QByteArrayList{line("next")};
    QTest::newRow("empty line right after a prompt is not shown")
        << true << QByteArrayList{"fics% ", "\n\rtext\n\r"} << QByteArrayList{line("text")};
    QTest::newRow("control characters after a prompt are skipped")
        << true << QByteArrayList{"fics% \n\r\n\rtext\n\r"} << QByteArrayList{line("text")};
    QTest::newRow("empty line elsewhere is shown")
        << true << QByteArrayList{"a\n\r\n\rb\n\r"} << QByteArrayList{line("a"), line(""), line("b")};
    QTest::newRow("wrapped line joins with one space")
        << true << QByteArrayList{"some text\n\r\\   more text\n\r"}
        << QByteArrayList{line("some text more text")};
    QTest::newRow("wrap after a trailing space adds no second space")
        << true << QByteArrayList{"some text \n\r\\   more\n\r"} << QByteArrayList{line("some text more")};
    QTest::newRow("wrap split between chunks becomes a continuation line")
        << true << QByteArrayList{"some text\n", "\r\\   more\n\r"}
        << QByteArrayList{line("some text"), line("\\   more")};
    QTest::newRow("wrap joint split between chunks still gives one space")
        << true << QByteArrayList{"some text\n\r\\ ", "  more\n\r"}
        << QByteArrayList{line("some text more")};
    QTest::newRow("line split across chunks is joined after login")
        << true << QByteArrayList{"hel", "lo\n\r"} << QByteArrayList{line("hello")};
    QTest::newRow("before login a partial line is flushed at the chunk end")
        << false << QByteArrayList{"banner\n\rlogin: "}
        << QByteArrayList{line("banner"), partial("login: ")};
    QTest::newRow("before login a prompt alone flushes an empty line")
        << false << QByteArrayList{"fics% "} << QByteArrayList{partial("")};
    QTest::newRow("text after NUL is not processed")
        << true << QByteArrayList{QByteArray("a\n\rb\0c\n\r", 8), "d\n\r"}
        << QByteArrayList{line("a"), line("bd")};
    QTest::newRow("control characters never reach a line")
        << true << QByteArrayList{QByteArray("a\tb\x16" "c\x01\x17\n\r")} << QByteArrayList{line("abc")};
    QTest::newRow("telnet negotiation is removed, also split across chunks")
        << true << QByteArrayList{"pass\xff\xfb", "\x01word\xff", "\xfc\x01!\n\r"}
        << QByteArrayList{line("password!")};
    QTest::newRow("telnet IAC IAC is one 0xFF byte")
        << true << QByteArrayList{"a\xff\xff" "b\n\r"} << QByteArrayList{line("a\xff" "b")};
    QTest::newRow("block set answer becomes a space")
        << true << QByteArrayList{"xblock set.\n\ry\n\r"} << QByteArrayList{line("x y")};
    QTest::newRow("suppressed lines are not shown")
        << true << QByteArrayList{"No ads here\n\rshown\n\r"}
        << QByteArrayList{ReplayEvents::suppressed("No ads here"), line("shown")};
}

void SessionPipelineTest::terminalLines()
{
    QFETCH(bool, ready);
    QFETCH(QByteArrayList, chunks);
    QFETCH(QByteArrayList, expected);
    PipelineHarness harness(ready ? LoginState::Ready : LoginState::Connected);
    harness.feed(chunks);
    QByteArrayList shown;
    for (const QByteArray& event : harness.allEvents()) {
        if (event.startsWith("{\"ev\":\"line\"") || event.startsWith("{\"ev\":\"partial\"")
            || event.startsWith("{\"ev\":\"suppressed\""))
            shown.append(event);
    }
    QCOMPARE(shown, expected);
}

void SessionPipelineTest::longLineKeepsItsLimit()
{
    PipelineHarness harness;
    const QByteArray longText(20000, 'x');
    harness.feed(longText + "\n\rafter\n\r");
    QCOMPARE(harness.events("line"),
             (QByteArrayList{line(QByteArray(LineAssembler::MaxLineChars, 'x')), line("after")}));
}

void SessionPipelineTest::replyTextFollowsThePlainTextOfItsChunk()
{
    PipelineHarness harness;
    harness.feed(QByteArray("\x15" "100\x16" "51\x16" "history text\n\r\x17" "plain after\n\r"));
    const QByteArrayList all = harness.allEvents();
    QCOMPARE(all.size(), 3);
    QCOMPARE(all[0], line("plain after"));
    QVERIFY(all[1].startsWith("{\"ev\":\"reply\",\"id\":\"100\",\"code\":\"51\",\"to\":[\"history\"]"));
    QCOMPARE(all[2], line("history text"));
}

void SessionPipelineTest::connectionStartDropsUnfinishedState()
{
    PipelineHarness harness;
    harness.feed(QByteArray("half a li"));
    harness.pipeline().chunkIntake(QByteArray("\x15" "100\x16" "51\x16" "x\x17"));
    QCOMPARE(harness.pipeline().queuedReplies(), 1);
    harness.pipeline().chunkIntake(QByteArray("\x15" "101\x16" "127\x16" "unfinished"));
    harness.pipeline().connectionStarted();
    QCOMPARE(harness.pipeline().queuedReplies(), 0);
    harness.feed(QByteArray("fresh\n\r"));
    QCOMPARE(harness.events("reply").size(), 0);
    QCOMPARE(harness.events("line"), QByteArrayList{line("fresh")});
}

void SessionPipelineTest::fontKeys_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("key");

    QTest::newRow("channel tell keys on the text before the colon")
        << QByteArray("alice(50): hello") << 5 << QByteArray("alice(50)");
    QTest::newRow("tell keys on the upper-cased speaker")
        << QByteArray("alice tells you: hi") << 2 << QByteArray("ALICE");
    QTest::newRow("shout keys on the speaker")
        << QByteArray("alice shouts: hi") << 3 << QByteArray("ALICE");
    QTest::newRow("emote shout keys on the second word")
        << QByteArray("--> alice waves") << 3 << QByteArray("ALICE");
    QTest::newRow("kibitz keys on the first word with its rating")
        << QByteArray("alice(1558) kibitzes: hi") << 7 << QByteArray("ALICE(1558)");
    QTest::newRow("requests have no key")
        << QByteArray("alice offers you a draw.") << 10 << QByteArray();
    QTest::newRow("ordinary text has no key") << QByteArray("plain words") << 0 << QByteArray();
}

void SessionPipelineTest::fontKeys()
{
    QFETCH(QByteArray, text);
    QFETCH(int, kind);
    QFETCH(QByteArray, key);
    PipelineHarness harness;
    harness.feed(text + "\n\r");
    QCOMPARE(harness.events("line"), QByteArrayList{line(text, kind, key)});
}

QTEST_GUILESS_MAIN(SessionPipelineTest)
#include "SessionPipelineTest.moc"
