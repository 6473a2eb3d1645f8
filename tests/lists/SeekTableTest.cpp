#include "lists/SeekTable.h"

#include <QTest>

class SeekTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneOffer_data();
    void oneOffer();
    void skippedLines_data();
    void skippedLines();
    void iccColumnOrder();
    void lastLineWithoutLineEnd();
    void atMost512Offers();
    void everyParseStartsAfresh();
};

void SeekTableTest::oneOffer_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("rating");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("rated");
    QTest::addColumn<int>("picture");

    QTest::newRow("rated blitz of five and twelve")
        << QByteArray("  5 1643 alice              5  12 rated   blitz      0-9999 \r\n") << 5
        << 1643 << QByteArray("alice") << 13 << true << 0;
    QTest::newRow("lightning of two and nothing")
        << QByteArray(" 12 1500 bob                2   0 unrated lightning  0-9999 \n") << 12
        << 1500 << QByteArray("bob") << 2 << false << 1;
    QTest::newRow("untimed game counts as 250 minutes")
        << QByteArray("  7 1500 bob                0   0 rated   standard   0-9999 \n") << 7
        << 1500 << QByteArray("bob") << 250 << true << 0;
    QTest::newRow("guest rating is zero")
        << QByteArray(" 16 ++++ GuestABCD          2  12 unrated blitz      0-9999 \n") << 16 << 0
        << QByteArray("GuestABCD") << 10 << false << 1;
    QTest::newRow("provisional rating keeps its digits")
        << QByteArray("  3 1402P carol             3   0 RATED   blitz      0-9999 \n") << 3
        << 1402 << QByteArray("carol") << 3 << true << 0;
    QTest::newRow("computer is a square and loses its mark")
        << QByteArray("  4 2100 Computer(C)        3   0 rated   blitz      0-9999 \n") << 4
        << 2100 << QByteArray("Computer") << 3 << true << 2;
    QTest::newRow("suicide is a wild triangle")
        << QByteArray("  8 1500 dave               3   0 unrated suicide    0-9999 \n") << 8
        << 1500 << QByteArray("dave") << 3 << false << 5;
    QTest::newRow("atomic has its own picture")
        << QByteArray("  9 1500 dave(C)            3   0 rated   atomic     0-9999 \n") << 9
        << 1500 << QByteArray("dave") << 3 << true << 6;
    QTest::newRow("rating too long to fit is zero")
        << QByteArray("  9 99999999999 dave        3   0 rated   blitz      0-9999 \n") << 9 << 0
        << QByteArray("dave") << 3 << true << 0;
}

void SeekTableTest::oneOffer()
{
    QFETCH(QByteArray, line);
    SeekTable table;
    table.parse(line, ServerProtocol::Fics);
    QCOMPARE(table.count(), 1);
    const TSeek& seek = table.at(0);
    QTEST(seek.number, "number");
    QTEST(seek.rating, "rating");
    QTEST(seek.name, "name");
    QTEST(seek.expectedTime, "expected");
    QTEST(seek.rated, "rated");
    QTEST(seek.pictureIndex(), "picture");
}

void SeekTableTest::skippedLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("summary line") << QByteArray("3 ads displayed.\n");
    QTest::newRow("too few words") << QByteArray("  5 1643 alice 5 12 rated\n");
    QTest::newRow("number not numeric") << QByteArray("  x 1643 alice 5 12 rated blitz 0-9999\n");
    QTest::newRow("time not numeric") << QByteArray("  5 1643 alice 5m 12 rated blitz 0-9999\n");
    QTest::newRow("rated column neither") << QByteArray("  5 1643 alice 5 12 maybe blitz x\n");
    QTest::newRow("seek number does not fit")
        << QByteArray("  99999999999 1643 alice 5 12 rated blitz 0-9999\n");
    QTest::newRow("time does not fit")
        << QByteArray("  5 1643 alice 5000000000 12 rated blitz 0-9999\n");
    QTest::newRow("empty text") << QByteArray();
    QTest::newRow("control characters only") << QByteArray("\x01\x02\r\n\x7f\xff\n");
}

void SeekTableTest::skippedLines()
{
    QFETCH(QByteArray, text);
    SeekTable table;
    table.parse(text, ServerProtocol::Fics);
    QCOMPARE(table.count(), 0);
}

void SeekTableTest::iccColumnOrder()
{
    SeekTable table;
    table.parse("  5 1643 alice wild/5 3 6 rated\n", ServerProtocol::Icc);
    QCOMPARE(table.count(), 1);
    QCOMPARE(table.at(0).type, QByteArray("WILD/5"));
    QCOMPARE(table.at(0).time, 3);
    QCOMPARE(table.at(0).increment, 6);
    QCOMPARE(table.at(0).expectedTime, 7);
    QVERIFY(table.at(0).wild);
}

void SeekTableTest::lastLineWithoutLineEnd()
{
    SeekTable table;
    table.parse("  5 1643 alice 5 12 rated blitz\n  6 1500 bob 2 0 unrated blitz",
                ServerProtocol::Fics);
    QCOMPARE(table.count(), 2);
    QCOMPARE(table.at(1).name, QByteArray("bob"));
    QCOMPARE(table.at(0).line, QByteArray("5 1643 alice 5 12 rated blitz"));
    QCOMPARE(table.at(1).line, QByteArray("6 1500 bob 2 0 unrated blitz"));
}

void SeekTableTest::atMost512Offers()
{
    QByteArray text;
    for (int i = 1; i <= 600; ++i)
        text += QByteArray::number(i) + " 1500 bob 2 0 rated blitz 0-9999 \n";
    SeekTable table;
    table.parse(text, ServerProtocol::Fics);
    QCOMPARE(table.count(), SeekTable::MaxSeeks);
    QCOMPARE(table.at(511).number, 512);
}

void SeekTableTest::everyParseStartsAfresh()
{
    SeekTable table;
    table.parse("5 1643 alice 5 12 rated blitz 0-9999\n", ServerProtocol::Fics);
    table.parse("0 ads displayed.\n", ServerProtocol::Fics);
    QCOMPARE(table.count(), 0);
}

QTEST_GUILESS_MAIN(SeekTableTest)
#include "SeekTableTest.moc"
