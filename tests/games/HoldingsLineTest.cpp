#include "games/HoldingsLine.h"

#include <QTest>

using Counts = HoldingsLine::Counts;
Q_DECLARE_METATYPE(Counts)

class HoldingsLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void counts_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Counts>("white");
        QTest::addColumn<Counts>("black");
        QTest::newRow("pawns and knight against a queen")
            << QByteArray("<b1> game 7 white [PPN] black [Q]") << Counts{2, 1, 0, 0, 0, 0}
            << Counts{0, 0, 0, 0, 1, 0};
        QTest::newRow("empty holdings") << QByteArray("<b1> game 1 white [] black []")
                                        << Counts{} << Counts{};
        QTest::newRow("the arrow after the bracket is not counted")
            << QByteArray("<b1> game 2 white [] black [P] <- BP") << Counts{}
            << Counts{1, 0, 0, 0, 0, 0};
        QTest::newRow("lower-case letters count")
            << QByteArray("<b1> game 2 white [rb] black []") << Counts{0, 0, 1, 1, 0, 0}
            << Counts{};
    }
    void counts()
    {
        QFETCH(QByteArray, line);
        QFETCH(Counts, white);
        QFETCH(Counts, black);
        const auto holdings = HoldingsLine::parse(line);
        QVERIFY(holdings);
        QCOMPARE(holdings->white, white);
        QCOMPARE(holdings->black, black);
    }

    void lineWithoutBothSidesGivesNothing()
    {
        QVERIFY(!HoldingsLine::parse("<b1> game 7 black [Q] white [P]"));
        QVERIFY(!HoldingsLine::parse("<b1> game 7"));
    }
};

QTEST_GUILESS_MAIN(HoldingsLineTest)
#include "HoldingsLineTest.moc"
