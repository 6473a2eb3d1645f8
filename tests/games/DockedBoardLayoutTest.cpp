#include "games/DockedBoardLayout.h"

#include <QTest>

class DockedBoardLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boards_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("gameBar");
        QTest::addColumn<QRect>("first");
        QTest::addColumn<QRect>("last");
        QTest::newRow("one board above the game bar")
            << 1 << true << QRect(0, 0, 799, 570) << QRect(0, 0, 799, 570);
        QTest::newRow("one board without the game bar")
            << 1 << false << QRect(0, 0, 799, 600) << QRect(0, 0, 799, 600);
        QTest::newRow("two side by side") << 2 << true << QRect(0, 0, 399, 570)
                                          << QRect(399, 0, 399, 570);
        QTest::newRow("four in two rows") << 4 << true << QRect(0, 0, 399, 285)
                                          << QRect(399, 285, 399, 285);
        QTest::newRow("three leave the fourth place empty")
            << 3 << true << QRect(0, 0, 399, 285) << QRect(0, 285, 399, 285);
    }
    void boards()
    {
        QFETCH(int, count);
        QFETCH(bool, gameBar);
        QFETCH(QRect, first);
        QFETCH(QRect, last);
        const DockedBoardLayout layout =
            DockedBoardLayout::arrange(QSize(800, 600), QSize(500, 30), gameBar, count);
        QCOMPARE(layout.boards[0], first);
        QCOMPARE(layout.boards[count - 1], last);
    }

    void gameBarIsCentredOrAtTheLeft()
    {
        QCOMPARE(DockedBoardLayout::arrange(QSize(800, 600), QSize(500, 30), true, 1).gameBar,
                 QRect(150, 570, 500, 30));
        QCOMPARE(DockedBoardLayout::arrange(QSize(400, 600), QSize(500, 30), true, 1).gameBar,
                 QRect(0, 570, 400, 30));
    }
};

QTEST_GUILESS_MAIN(DockedBoardLayoutTest)
#include "DockedBoardLayoutTest.moc"
