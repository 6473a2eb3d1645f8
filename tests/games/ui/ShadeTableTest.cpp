#include "games/ui/ShadeTable.h"

#include <QTest>

class ShadeTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("0 white") << 0 << QColor(255, 255, 255);
        QTest::newRow("1 black") << 1 << QColor(0, 0, 0);
        QTest::newRow("2 light squares") << 2 << QColor(224, 164, 164);
        QTest::newRow("3 dark squares") << 3 << QColor(143, 143, 143);
        QTest::newRow("white pieces, shade 0") << 4 << QColor(228, 153, 155);
        QTest::newRow("white pieces, shade 1") << 5 << QColor(216, 145, 147);
        QTest::newRow("white pieces, shade 13") << 17 << QColor(79, 53, 54);
        QTest::newRow("black pieces, shade 0") << 18 << QColor(155, 158, 158);
        QTest::newRow("black pieces, shade 10") << 28 << QColor(77, 79, 79);
        QTest::newRow("black pieces, shade 13") << 31 << QColor(54, 55, 55);
    }
    void entries()
    {
        QFETCH(int, index);
        QFETCH(QColor, expected);
        const ShadeTable table(QColor(224, 164, 164), QColor(143, 143, 143),
                               QColor(228, 153, 155), QColor(155, 158, 158));
        QCOMPARE(QColor(table.entry(index)), expected);
    }
};

QTEST_GUILESS_MAIN(ShadeTableTest)
#include "ShadeTableTest.moc"
