#include "chat/TerminalText.h"

#include <QTest>

using namespace TerminalText;

class TerminalTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsLink_data();
    void findsLink();
    void splitsChannelSpeaker_data();
    void splitsChannelSpeaker();
    void opensLinkAt_data();
    void opensLinkAt();
    void picksWordAt_data();
    void picksWordAt();
    void onlyWebAndMailAddressesAreOpened();
};

void TerminalTextTest::findsLink_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("chat");
    QTest::addColumn<QString>("link"); // empty: none

    QTest::newRow("http with double slash")
        << "see http://www.freechess.org/ now" << false << "http://www.freechess.org";
    QTest::newRow("HTTP: without double slash, marked to the last name character")
        << "go HTTP:example.org/x." << false << "HTTP:example.org/x";
    QTest::newRow("mail address without the sentence's full stop")
        << "write to anna@example.org." << false << "anna@example.org";
    QTest::newRow("host with hyphen marked whole in the terminal")
        << "visit my-chess-club.com today" << false << "my-chess-club.com";
    QTest::newRow("host with hyphen: chat marks the part after the last hyphen")
        << "visit my-chess-club.com today" << true << "club.com";
    QTest::newRow("five characters are too short") << "at a.com ok" << false << "";
    QTest::newRow("six characters are enough") << "at ab.com ok" << false << "ab.com";
    QTest::newRow("fixed anchor wins over an earlier free anchor")
        << "bob@x.org and www.site.net" << false << "www.site.net";
    QTest::newRow("brackets end the link") << "(www.abc.de)" << false << "www.abc.de";
    QTest::newRow("free anchor at the start of the word is no link")
        << "@handle here" << false << "";
    QTest::newRow("no anchor") << "Bob tells you: hi" << false << "";
    QTest::newRow("anchor as the last characters") << "ends with .com" << false << "";
    QTest::newRow("anchor found case-insensitively")
        << "Www.Example.Com" << false << "Www.Example.Com";
    QTest::newRow("a letter that upper-cases to two keeps the link in place")
        << QStringLiteral("Stra\u00DFe: see www.abcd.de") << false << "www.abcd.de";
    QTest::newRow("a later fixed anchor of the list loses to an earlier one of it")
        << "mailto:x@y.org or http://a.b" << false << "http://a.b";
}

void TerminalTextTest::findsLink()
{
    QFETCH(QString, line);
    QFETCH(bool, chat);
    QFETCH(QString, link);

    const std::optional<Span> span =
        FindLink(line, chat ? LinkCharacters::Chat : LinkCharacters::Terminal);
    QCOMPARE(span.has_value(), !link.isEmpty());
    if (span)
        QCOMPARE(line.mid(span->first, span->last - span->first + 1), link);
}

void TerminalTextTest::splitsChannelSpeaker_data()
{
    QTest::addColumn<QString>("speaker");
    QTest::addColumn<QString>("handle");
    QTest::addColumn<QString>("channel");

    QTest::newRow("title marker removed") << "Anna(TM)(50)"
                                          << "Anna"
                                          << "(50)";
    QTest::newRow("unknown title before the channel") << "Bob(GM)(50)"
                                                      << "Bob"
                                                      << "(50)";
    QTest::newRow("tournament director title") << "mamer(TD)(49)"
                                               << "mamer"
                                               << "(49)";
    QTest::newRow("unregistered title") << "X(U)(1)"
                                        << "X"
                                        << "(1)";
    QTest::newRow("no group of digits: the first group") << "Ivy(GM)"
                                                         << "Ivy"
                                                         << "(GM)";
    QTest::newRow("two markers") << "Cy(SR)(C)(4)"
                                 << "Cy"
                                 << "(4)";
    QTest::newRow("unlisted lower-case title") << "Dee(tm)(1)"
                                               << "Dee"
                                               << "(1)";
    QTest::newRow("plain") << "Eve(204)"
                           << "Eve"
                           << "(204)";
    QTest::newRow("no bracket: no handle") << "Fred"
                                           << ""
                                           << "";
    QTest::newRow("collection stops before the last character") << "Gil(50"
                                                                << "Gil"
                                                                << "(5)";
    QTest::newRow("empty brackets") << "Hal()"
                                    << "Hal"
                                    << "";
    QTest::newRow("two groups of digits: the last") << "Lou(1)(2)"
                                                    << "Lou"
                                                    << "(2)";
    QTest::newRow("a title after the channel") << "Kit(50)(GM)"
                                               << "Kit"
                                               << "(50)";
    QTest::newRow("digits mixed with letters are no channel") << "Max(5a)(7)"
                                                              << "Max"
                                                              << "(7)";
    QTest::newRow("a bracket inside a group") << "Ned((3)"
                                              << "Ned"
                                              << "(3)";
}

void TerminalTextTest::splitsChannelSpeaker()
{
    QFETCH(QString, speaker);
    QFETCH(QString, handle);
    QFETCH(QString, channel);

    const Speaker split = SplitChannelSpeaker(speaker);
    QCOMPARE(split.handle, handle);
    QCOMPARE(split.channel, channel);
}

void TerminalTextTest::opensLinkAt_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("address"); // empty: no link

    QTest::newRow("http link") << "see http://www.freechess.org/ now" << 10
                               << "http://www.freechess.org";
    QTest::newRow("missing double slash repaired")
        << "go HTTP:example.org/x." << 5 << "HTTP://example.org/x";
    QTest::newRow("ftp colon repaired") << "get ftp:files.org/a" << 6 << "FTP://files.org/a";
    QTest::newRow("mail address gets mailto")
        << "write to anna@example.org." << 12 << "mailto:anna@example.org";
    QTest::newRow("mailto kept") << "mailto:bo@x.org" << 3 << "mailto:bo@x.org";
    QTest::newRow("www gets HTTP://") << "(www.abc.de)" << 4 << "HTTP://www.abc.de";
    QTest::newRow("ftp host gets FTP://") << "ftp.gnu.org" << 0 << "FTP://ftp.gnu.org";
    QTest::newRow("html page") << "page.htm" << 2 << "page.htm";
    QTest::newRow("five characters: no link") << "at a.com ok" << 4 << "";
    QTest::newRow("plain word: no link") << "Bob tells you" << 1 << "";
    QTest::newRow("at sign at the end: no mail") << "nobody@ here" << 2 << "";
    QTest::newRow("click on a blank: no link") << "www.abc.de  now" << 11 << "";
    QTest::newRow("click beyond 159 characters")
        << QString(160, u' ') + "www.example.com" << 165 << "";
}

void TerminalTextTest::opensLinkAt()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(QString, address);

    const std::optional<QString> opened = linkAddressAt(line, column);
    QCOMPARE(opened.value_or(QString()), address);
}

void TerminalTextTest::picksWordAt_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("word");

    QTest::newRow("handle with title marker") << "Anna(TM)(50): hi" << 2 << "Anna";
    QTest::newRow("caret at the word's end") << "Bob tells you" << 3 << "Bob";
    QTest::newRow("caret before the word") << "Bob tells you" << 4 << "tells";
    QTest::newRow("hyphen is a name character") << "x Jean-Luc y" << 6 << "Jean-Luc";
    QTest::newRow("no name character") << "a :: b" << 3 << "";
    QTest::newRow("beyond 159 characters") << QString(170, u'a') << 165 << "";
}

void TerminalTextTest::picksWordAt()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(QString, word);

    const WordRange range = wordAt(line, column);
    QCOMPARE(range.length > 0 ? line.mid(range.start, range.length) : QString(), word);
}

void TerminalTextTest::onlyWebAndMailAddressesAreOpened()
{
    QVERIFY(isOpenableAddress("HTTP://www.freechess.org"));
    QVERIFY(isOpenableAddress("https://x.org"));
    QVERIFY(isOpenableAddress("FTP://ftp.gnu.org"));
    QVERIFY(isOpenableAddress("mailto:a@b.org"));
    QVERIFY(!isOpenableAddress("file:///etc/passwd.htm"));
    QVERIFY(!isOpenableAddress("javascript:alert(1).htm"));
    QVERIFY(!isOpenableAddress("page.htm"));
}

QTEST_GUILESS_MAIN(TerminalTextTest)
#include "TerminalTextTest.moc"
