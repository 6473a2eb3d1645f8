#include "games/Style12Record.h"

#include <QTest>
#include <cstring>

// The record is also the unit of game files, so its bytes are checked, not just its fields.
class Style12RecordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void integersAreLittleEndianAtTheirOffsets()
    {
        Style12Record r;
        r.GameNumber = 0x01020304;
        r.Relation = -2;
        r.ReceivedTick = 0xA1B2C3D4u;
        unsigned char bytes[sizeof r];
        std::memcpy(bytes, &r, sizeof r);
        QCOMPARE(int(bytes[69]), 0x04);
        QCOMPARE(int(bytes[72]), 0x01);
        QCOMPARE(int(bytes[119]), 0xFE);
        QCOMPARE(int(bytes[122]), 0xFF);
        QCOMPARE(int(bytes[185]), 0xD4);
        QCOMPARE(int(bytes[188]), 0xA1);
    }

    void textFieldsAreLengthPrefixedAndCut()
    {
        Style12Record r;
        r.WhiteName.setValue("abcdefghijklmnopqrstuvwxyz");
        r.PrettyMove.setValue("Nf3+");
        unsigned char bytes[sizeof r];
        std::memcpy(bytes, &r, sizeof r);
        QCOMPARE(int(bytes[77]), 20);
        QCOMPARE(char(bytes[78]), 'a');
        QCOMPARE(char(bytes[97]), 't');
        QCOMPARE(int(bytes[171]), 4);
        QCOMPARE(char(bytes[172]), 'N');
        QCOMPARE(r.WhiteName.value(), QByteArray("abcdefghijklmnopqrst"));
    }

    void lengthByteBeyondCapacityReadsOnlyTheCapacity()
    {
        Style12Record r;
        unsigned char bytes[sizeof r] = {};
        bytes[151] = 200; // a damaged game file
        std::memset(bytes + 152, 'x', 8);
        std::memcpy(&r, bytes, sizeof r);
        QCOMPARE(r.VerboseMove.value(), QByteArray(8, 'x'));
    }

    void plyIndexCountsHalfMoves_data()
    {
        QTest::addColumn<int>("moveNumber");
        QTest::addColumn<int>("whitesMove");
        QTest::addColumn<int>("ply");
        QTest::newRow("start, white to move") << 1 << 1 << 2;
        QTest::newRow("after white's first move") << 1 << 0 << 3;
        QTest::newRow("after black's first move") << 2 << 1 << 4;
    }
    void plyIndexCountsHalfMoves()
    {
        QFETCH(int, moveNumber);
        QFETCH(int, whitesMove);
        Style12Record r;
        r.MoveNumber = moveNumber;
        r.WhitesMove = quint8(whitesMove);
        QTEST(r.PlyIndex(), "ply");
    }
};

QTEST_GUILESS_MAIN(Style12RecordTest)
#include "Style12RecordTest.moc"
