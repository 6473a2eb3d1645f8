#include "session/BlockAssembler.h"

#include <QTest>

namespace {
const QByteArray S = "\x15";
const QByteArray Sep = "\x16";
const QByteArray E = "\x17";
} // namespace

class BlockAssemblerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extract_data();
    void extract();
    void pendingBlockIsBounded();
    void hugeUnfinishedBlockInOneChunkStaysPlain();
};

void BlockAssemblerTest::extract_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QByteArrayList>("blocks");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<bool>("inBlock");

    const QByteArray a = S + "100" + Sep + "51" + Sep + "first" + E;
    const QByteArray b = S + "101" + Sep + "127" + Sep + "second" + E;

    QTest::newRow("plain text passes through") << QByteArrayList{"just text"} << QByteArrayList{}
                                               << QByteArray("just text") << false;
    QTest::newRow("one block between text")
        << QByteArrayList{"before" + a + "after"} << QByteArrayList{a} << QByteArray("beforeafter")
        << false;
    QTest::newRow("two blocks back to back") << QByteArrayList{a + b + "tail"}
                                             << QByteArrayList{a, b} << QByteArray("tail") << false;
    QTest::newRow("block split over two chunks")
        << QByteArrayList{"x" + a.left(8), a.mid(8) + "shown at once"} << QByteArrayList{a}
        << QByteArray("xshown at once") << false;
    QTest::newRow("block spread over three chunks")
        << QByteArrayList{a.left(3), a.mid(3, 4), a.mid(7)} << QByteArrayList{a} << QByteArray()
        << false;
    QTest::newRow("second start character before the end begins the block")
        << QByteArrayList{S + "stray" + a} << QByteArrayList{a} << QByteArray(S + "stray") << false;
    QTest::newRow("start without end waits in the pending block")
        << QByteArrayList{"text" + S + "100" + Sep + "51" + Sep + "partial"} << QByteArrayList{}
        << QByteArray("text") << true;
    QTest::newRow("S2 split over two chunks ends the block state and vanishes")
        << QByteArrayList{"text" + BlockAssembler::S2.left(4), BlockAssembler::S2.mid(4) + "rest"}
        << QByteArrayList{} << QByteArray("textrest") << false;
    QTest::newRow("S2 after a real block start leaves that start pending again")
        << QByteArrayList{S + "100" + Sep + "51" + Sep + "half", "more" + BlockAssembler::S2 + "rest"}
        << QByteArrayList{} << QByteArray() << true;
    QTest::newRow("S1 in plain text is removed")
        << QByteArrayList{"a" + BlockAssembler::S1 + "b"} << QByteArrayList{} << QByteArray("ab")
        << false;
    QTest::newRow("S2 inside a finished block is removed from it")
        << QByteArrayList{S + "100" + Sep + "51" + Sep + "x", BlockAssembler::S2 + "y" + E}
        << QByteArrayList{S + "100" + Sep + "51" + Sep + "xy" + E} << QByteArray() << false;
    // A remnant that completes in a later chunk ends the block state: the text after it
    // is scanned again, so a new start there begins the next block.
    QByteArrayList byteByByte{S + "abc"};
    for (const char c : BlockAssembler::S2.chopped(1))
        byteByByte.append(QByteArray(1, c));
    byteByByte += {BlockAssembler::S2.right(1) + "rest" + S + "new", E};
    QTest::newRow("S2 fed one byte per chunk into a pending block ends the block state")
        << byteByByte << QByteArrayList{S + "new" + E} << QByteArray(S + "abcrest") << false;
    QTest::newRow("S1 split where a chunk ends ends the block state")
        << QByteArrayList{S + "7" + Sep + "long text", BlockAssembler::S1.left(10),
                          BlockAssembler::S1.mid(10) + "tail" + S + "x", E}
        << QByteArrayList{S + "x" + E} << QByteArray(S + "7" + Sep + "long texttail") << false;
    QTest::newRow("blocks, plain text and a stray start in one chunk keep their order")
        << QByteArrayList{"a" + a + "b" + S + "c" + b + "d" + a}
        << QByteArrayList{a, b, a} << QByteArray("ab" + S + "cd") << false;
    QTest::newRow("remnant in the pending block after its end")
        << QByteArrayList{S + "1", "2" + E + BlockAssembler::S2 + "z"}
        << QByteArrayList{S + "12" + E} << QByteArray("z") << false;
}

void BlockAssemblerTest::extract()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QByteArrayList, blocks);
    QFETCH(QByteArray, plain);
    QFETCH(bool, inBlock);

    BlockAssembler assembler;
    QByteArrayList gotBlocks;
    QByteArray gotPlain;
    for (const QByteArray& chunk : chunks) {
        const BlockAssembler::Result result = assembler.extract(chunk);
        gotBlocks += result.blocks;
        gotPlain += result.plain;
    }
    QCOMPARE(gotBlocks, blocks);
    QCOMPARE(gotPlain, plain);
    QCOMPARE(assembler.inBlock(), inBlock);
}

void BlockAssemblerTest::pendingBlockIsBounded()
{
    BlockAssembler assembler;
    QByteArray plain = assembler.extract(S + "100" + Sep + "51" + Sep).plain;
    const QByteArray piece(256 * 1024, 'x');
    for (int i = 0; i < 3; ++i)
        plain += assembler.extract(piece).plain;
    QVERIFY(plain.isEmpty());
    QVERIFY(assembler.inBlock());

    // One more piece passes the bound: everything held comes out as text, unscanned.
    plain += assembler.extract(piece + S).plain;
    QVERIFY(!assembler.inBlock());
    QCOMPARE(assembler.pendingSize(), 0);
    QCOMPARE(plain.size(), 8 + 4 * piece.size() + 1);
    QVERIFY(plain.endsWith(S));

    const BlockAssembler::Result after = assembler.extract("a" + S + "1" + E + "b");
    QCOMPARE(after.plain, QByteArray("ab"));
    QCOMPARE(after.blocks.size(), 1);
}

void BlockAssemblerTest::hugeUnfinishedBlockInOneChunkStaysPlain()
{
    BlockAssembler assembler;
    const QByteArray chunk = "x" + S + QByteArray(BlockAssembler::MaxPending + 10, 'y');
    const BlockAssembler::Result result = assembler.extract(chunk);
    QCOMPARE(result.plain, chunk);
    QVERIFY(!assembler.inBlock());
}

QTEST_GUILESS_MAIN(BlockAssemblerTest)
#include "BlockAssemblerTest.moc"
