#include "games/StrengthBars.h"

#include <QTest>

class StrengthBarsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void heights_data()
    {
        QTest::addColumn<QByteArray>("ws");
        QTest::addColumn<QByteArray>("bs");
        QTest::addColumn<QByteArray>("wr");
        QTest::addColumn<QByteArray>("br");
        QTest::addColumn<QList<int>>("heights");
        QTest::newRow("equal material, stronger black")
            << QByteArray("39") << QByteArray("39") << QByteArray("1500") << QByteArray("2000")
            << QList<int>{100, 100, 75, 100};
        QTest::newRow("provisional rating reads its digits")
            << QByteArray("30") << QByteArray("39") << QByteArray("1586E") << QByteArray("1586")
            << QList<int>{77, 100, 100, 100};
        QTest::newRow("bare kings give empty material bars")
            << QByteArray("0") << QByteArray("0") << QByteArray("") << QByteArray("----")
            << QList<int>{0, 0, 100, 100};
    }
    void heights()
    {
        QFETCH(QByteArray, ws);
        QFETCH(QByteArray, bs);
        QFETCH(QByteArray, wr);
        QFETCH(QByteArray, br);
        QFETCH(QList<int>, heights);
        const StrengthBars bars = StrengthBars::compute(ws, bs, wr, br, 100);
        QCOMPARE((QList<int>{bars.white, bars.black, bars.whiteSkill, bars.blackSkill}), heights);
    }
};

QTEST_GUILESS_MAIN(StrengthBarsTest)
#include "StrengthBarsTest.moc"
