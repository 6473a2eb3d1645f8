#include "games/ParseStyle12.h"
#include "games/Style12Record.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QByteArray StartRanks = "rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP RNBQKBNR";

// The fields after the ranks of a new 2 12 game, game 7, the user (white) to move.
QList<QByteArray> exampleFields()
{
    return QByteArray("<12> " + StartRanks
                      + " W -1 1 1 1 1 0 7 alice bob 1 2 12 39 39 120 120 1 none (0:00) none 0")
        .split(' ');
}

QByteArray joined(const QList<QByteArray>& fields)
{
    return fields.join(' ');
}

QByteArray withField(int index, const QByteArray& value)
{
    QList<QByteArray> fields = exampleFields();
    fields[index] = value;
    return joined(fields);
}

} // namespace

class ParseStyle12Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleLineGivesListedValues()
    {
        Style12Record r;
        QVERIFY(ParseStyle12(joined(exampleFields()), r));
        const int rank8[] = {10, 8, 9, 11, 12, 9, 8, 10};
        const int rank1[] = {4, 2, 3, 5, 6, 3, 2, 4};
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(int(r.Squares[c]), rank8[c]);
            QCOMPARE(int(r.Squares[56 + c]), rank1[c]);
            QCOMPARE(r.Squares[8 + c], PieceCode::BlackPawn);
            QCOMPARE(r.Squares[32 + c], PieceCode::Empty);
        }
        QCOMPARE(r.WhitesMove, 1);
        QCOMPARE(r.GameNumber.value(), 7);
        QCOMPARE(r.LastDblPPush.value(), -1);
        QCOMPARE(r.Relation.value(), 1);
        QCOMPARE(r.InitialTime.value(), 120000);
        QCOMPARE(r.Increment.value(), 12000);
        QCOMPARE(r.WhiteStrength.value(), 39);
        QCOMPARE(r.WhiteTime.value(), 120000);
        QCOMPARE(r.BlackTime.value(), 120000);
        QCOMPARE(r.MoveNumber.value(), 1);
        QCOMPARE(r.PlyIndex(), 2);
        QCOMPARE(r.LiveGame, 1);
        QCOMPARE(r.WhiteName.value(), QByteArray("alice"));
        QCOMPARE(r.BlackName.value(), QByteArray("bob"));
        QCOMPARE(r.VerboseMove.value(), QByteArray("none"));
        QCOMPARE(r.MoveTime.value(), QByteArray("(0:00)"));
        QCOMPARE(r.Flip, 0);
        QCOMPARE(r.WCanCastleKS + r.WCanCastleQS + r.BCanCastleKS + r.BCanCastleQS, 4);
    }

    void castlingFlagsGoToTheirOwnFields()
    {
        QList<QByteArray> fields = exampleFields();
        fields[11] = "1"; // white king-side
        fields[12] = "0";
        fields[13] = "0"; // black king-side
        fields[14] = "1";
        Style12Record r;
        QVERIFY(ParseStyle12(joined(fields), r));
        QCOMPARE(r.WCanCastleKS, 1);
        QCOMPARE(r.WCanCastleQS, 0);
        QCOMPARE(r.BCanCastleKS, 0);
        QCOMPARE(r.BCanCastleQS, 1);
    }

    void rejectedLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QList<QByteArray> thirty = exampleFields();
        thirty.removeLast();
        QTest::newRow("only 30 fields") << joined(thirty);
        QTest::newRow("empty line") << QByteArray();
        QTest::newRow("two blanks before the flip field")
            << joined(exampleFields()).replace(" none 0", " none  0");
        QTest::newRow("rank of 7 characters") << withField(4, "-------");
        QTest::newRow("first rank of 7 characters") << withField(8, "RNBQKBN");
        QTest::newRow("game number not decimal") << withField(16, "7x");
        QTest::newRow("relation empty sign") << withField(19, "-");
        QTest::newRow("move number hexadecimal") << withField(26, "0x1");
        QTest::newRow("double push not a number") << withField(10, "e");
        QTest::newRow("move number whose ply would overflow") << withField(26, "2147483647");
        QTest::newRow("negative move number") << withField(26, "-3");
        QTest::newRow("strength beyond 32 bits") << withField(22, "2147483648");
        QTest::newRow("white time overflows in milliseconds") << withField(24, "2147484");
        QTest::newRow("black time underflows in milliseconds") << withField(25, "-2147484");
        QTest::newRow("initial minutes overflow") << withField(20, "35792");
        QTest::newRow("increment overflows") << withField(21, "99999999999999999999");
    }
    void rejectedLines()
    {
        QFETCH(QByteArray, line);
        Style12Record r;
        QVERIFY(!ParseStyle12(line, r));
    }

    void acceptedVariants_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("whitesMove");
        QTest::addColumn<int>("whiteTime");
        QTest::addColumn<int>("relation");
        QTest::addColumn<int>("liveGame");
        QTest::addColumn<QByteArray>("whiteName");
        QTest::addColumn<QByteArray>("prettyMove");

        const QByteArray alice = "alice";
        QTest::newRow("32 fields parse as 31")
            << joined(exampleFields()) + " 0 extra" << 1 << 120000 << 1 << 1 << alice
            << QByteArray("none");
        QTest::newRow("lower-case w is black to move")
            << withField(9, "w") << 0 << 120000 << 1 << 1 << alice << QByteArray("none");
        QTest::newRow("B is black to move")
            << withField(9, "B") << 0 << 120000 << 1 << 1 << alice << QByteArray("none");
        QTest::newRow("21-character handle is cut to 20")
            << withField(17, "abcdefghijklmnopqrstu") << 1 << 120000 << 1 << 1
            << QByteArray("abcdefghijklmnopqrst") << QByteArray("none");
        QTest::newRow("promotion with check fits")
            << withField(29, "exd8=Q+") << 1 << 120000 << 1 << 1 << alice << QByteArray("exd8=Q+");
        QTest::newRow("long pretty move is cut to 12")
            << withField(29, "abcdefghijklmn") << 1 << 120000 << 1 << 1 << alice
            << QByteArray("abcdefghijkl");
        QTest::newRow("negative time")
            << withField(24, "-5") << 1 << -5000 << 1 << 1 << alice << QByteArray("none");
        QTest::newRow("largest time that fits")
            << withField(24, "2147483") << 1 << 2147483000 << 1 << 1 << alice
            << QByteArray("none");
        QTest::newRow("observing an examined game") << withField(19, "-2") << 1 << 120000 << -2
                                                    << 0 << alice << QByteArray("none");
        QTest::newRow("observing a played game") << withField(19, "0") << 1 << 120000 << 0 << 1
                                                 << alice << QByteArray("none");
        QTest::newRow("opponent to move") << withField(19, "-1") << 1 << 120000 << -1 << 1
                                          << alice << QByteArray("none");
        QTest::newRow("isolated position") << withField(19, "-3") << 1 << 120000 << -3 << 0
                                           << alice << QByteArray("none");
        QTest::newRow("examining") << withField(19, "2") << 1 << 120000 << 2 << 0 << alice
                                   << QByteArray("none");
        QTest::newRow("surrounding white space and line end")
            << " \t" + joined(exampleFields()) + " \r\n" << 1 << 120000 << 1 << 1 << alice
            << QByteArray("none");
    }
    void acceptedVariants()
    {
        QFETCH(QByteArray, line);
        Style12Record r;
        QVERIFY(ParseStyle12(line, r));
        QTEST(int(r.WhitesMove), "whitesMove");
        QTEST(r.WhiteTime.value(), "whiteTime");
        QTEST(r.Relation.value(), "relation");
        QTEST(int(r.LiveGame), "liveGame");
        QTEST(r.WhiteName.value(), "whiteName");
        QTEST(r.PrettyMove.value(), "prettyMove");
        QCOMPARE(r.GameNumber.value(), 7);
    }

    void longRankCharactersAreIgnoredAndUnknownLettersEmpty()
    {
        Style12Record r;
        QVERIFY(ParseStyle12(withField(1, "rxbqkbnrKKK"), r));
        QCOMPARE(r.Squares[0], PieceCode::BlackRook);
        QCOMPARE(r.Squares[1], PieceCode::Empty);
        QCOMPARE(r.Squares[7], PieceCode::BlackRook);
        QCOMPARE(r.Squares[8], PieceCode::BlackPawn);
    }

    void flipAndPlyIndexAfterBlacksMove()
    {
        QList<QByteArray> fields = exampleFields();
        fields[9] = "B";
        fields[26] = "3";
        fields[30] = "1";
        Style12Record r;
        QVERIFY(ParseStyle12(joined(fields), r));
        QCOMPARE(r.PlyIndex(), 7);
        QCOMPARE(r.Flip, 1);
    }

    void everyCapturedBoardLineParses()
    {
        const QDir dir(QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics"));
        int parsed = 0;
        for (const QString& name : dir.entryList({QStringLiteral("*.raw")})) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (QByteArray line : file.readAll().split('\n')) {
                const qsizetype marker = line.indexOf("<12> ");
                if (marker < 0)
                    continue;
                line = line.mid(marker);
                Style12Record r;
                QVERIFY2(ParseStyle12(line, r), line.constData());
                QVERIFY(r.MoveNumber.value() >= 1);
                QCOMPARE(r.LiveGame, qAbs(r.Relation.value()) < 2 ? 1 : 0);
                ++parsed;
            }
        }
        QVERIFY(parsed >= 70);
    }
};

QTEST_GUILESS_MAIN(ParseStyle12Test)
#include "ParseStyle12Test.moc"
