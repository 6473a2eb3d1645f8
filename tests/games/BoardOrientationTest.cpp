#include "games/BoardOrientation.h"

#include <QTest>

class BoardOrientationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void squareNames_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("top left, white below") << 0 << 0 << false << QByteArray("a8");
        QTest::newRow("bottom right, white below") << 7 << 7 << false << QByteArray("h1");
        QTest::newRow("e2, white below") << 6 << 4 << false << QByteArray("e2");
        QTest::newRow("top left, reversed") << 0 << 0 << true << QByteArray("h1");
        QTest::newRow("bottom right, reversed") << 7 << 7 << true << QByteArray("a8");
        QTest::newRow("e2, reversed") << 1 << 3 << true << QByteArray("e2");
    }
    void squareNames()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, reversed);
        QFETCH(QByteArray, name);
        QCOMPARE(BoardOrientation::squareName(row, column, reversed), name);
        QCOMPARE(BoardOrientation::parseSquare(name, reversed), QPoint(column, row));
    }

    void parseSquare_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("upper case") << QByteArray("E4") << true << 4 << 4;
        QTest::newRow("piece letter before the square") << QByteArray("N/g1") << true << 6 << 7;
        QTest::newRow("letter as last character") << QByteArray("e") << false << 0 << 0;
        QTest::newRow("rank 9") << QByteArray("e9") << false << 0 << 0;
        QTest::newRow("rank 0") << QByteArray("a0") << false << 0 << 0;
        QTest::newRow("castling") << QByteArray("o-") << false << 0 << 0;
        QTest::newRow("drop origin") << QByteArray("@@") << false << 0 << 0;
        QTest::newRow("empty") << QByteArray() << false << 0 << 0;
    }
    void parseSquare()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, found);
        const auto square = BoardOrientation::parseSquare(text, false);
        QCOMPARE(square.has_value(), found);
        if (found) {
            QTEST(square->x(), "column");
            QTEST(square->y(), "row");
        }
    }
};

QTEST_GUILESS_MAIN(BoardOrientationTest)
#include "BoardOrientationTest.moc"
