#include "games/MoveAnimationRule.h"
#include "games/ParseStyle12.h"
#include "games/Style12Record.h"

#include <QTest>

namespace {

Style12Record record(int game, int relation, int moveNumber, bool whiteToMove,
                     const QByteArray& verbose)
{
    const QByteArray line = "<12> rnbqkbnr pppppppp -------- -------- ----P--- -------- PPPP-PPP "
                            "RNBQKBNR "
                            + QByteArray(whiteToMove ? "W" : "B") + " -1 1 1 1 1 0 "
                            + QByteArray::number(game) + " alice bob "
                            + QByteArray::number(relation) + " 5 0 39 39 300 300 "
                            + QByteArray::number(moveNumber) + " " + verbose + " (0:01) x 0";
    Style12Record r;
    if (!ParseStyle12(line, r))
        qFatal("test record did not parse");
    return r;
}

} // namespace

class MoveAnimationRuleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pairs_data()
    {
        QTest::addColumn<int>("lastGame");
        QTest::addColumn<int>("lastMove");
        QTest::addColumn<bool>("lastWhite");
        QTest::addColumn<int>("relation");
        QTest::addColumn<int>("moveNumber");
        QTest::addColumn<bool>("white");
        QTest::addColumn<QByteArray>("verbose");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("animates");

        const QByteArray e4 = "P/e2-e4";
        QTest::newRow("opponent's move in my game") << 1 << 1 << true << 1 << 1 << false << e4
                                                    << 5 << true;
        QTest::newRow("black's move observed") << 1 << 1 << false << 0 << 2 << true
                                               << QByteArray("P/e7-e5") << 5 << true;
        QTest::newRow("examined move") << 1 << 1 << true << 2 << 1 << false << e4 << 5 << true;
        QTest::newRow("observing an examined game") << 1 << 1 << true << -2 << 1 << false << e4
                                                    << 5 << true;
        QTest::newRow("my own move echoed") << 1 << 1 << true << -1 << 1 << false << e4 << 5
                                            << false;
        QTest::newRow("isolated position") << 1 << 1 << true << -3 << 1 << false << e4 << 5
                                           << false;
        QTest::newRow("animation off") << 1 << 1 << true << 1 << 1 << false << e4 << 0 << false;
        QTest::newRow("two half-moves apart") << 1 << 1 << true << 1 << 2 << true << e4 << 5
                                              << false;
        QTest::newRow("same ply again") << 1 << 1 << false << 1 << 1 << false << e4 << 5
                                        << false;
        QTest::newRow("a move back") << 1 << 2 << true << 1 << 1 << false << e4 << 5 << false;
        QTest::newRow("another game") << 2 << 1 << true << 1 << 1 << false << e4 << 5 << false;
        QTest::newRow("castling") << 1 << 1 << true << 1 << 1 << false << QByteArray("o-o") << 5
                                  << false;
        QTest::newRow("drop") << 1 << 1 << true << 1 << 1 << false << QByteArray("P/@@-d4") << 5
                              << false;
    }
    void pairs()
    {
        QFETCH(int, lastGame);
        QFETCH(int, lastMove);
        QFETCH(bool, lastWhite);
        QFETCH(int, relation);
        QFETCH(int, moveNumber);
        QFETCH(bool, white);
        QFETCH(QByteArray, verbose);
        QFETCH(int, speed);
        QFETCH(bool, animates);
        const Style12Record last = record(lastGame, 1, lastMove, lastWhite, "none");
        const Style12Record next = record(1, relation, moveNumber, white, verbose);
        const auto squares = MoveAnimationRule::squaresToSlide(last, next, speed, false);
        QCOMPARE(squares.has_value(), animates);
    }

    void squaresFollowTheOrientation()
    {
        const Style12Record last = record(1, -1, 1, true, "none");
        const Style12Record next = record(1, 1, 1, false, "P/e2-e4");
        const auto plain = MoveAnimationRule::squaresToSlide(last, next, 5, false);
        QVERIFY(plain);
        QCOMPARE(plain->first, QPoint(4, 6));
        QCOMPARE(plain->second, QPoint(4, 4));
        const auto turned = MoveAnimationRule::squaresToSlide(last, next, 5, true);
        QVERIFY(turned);
        QCOMPARE(turned->first, QPoint(3, 1));
        QCOMPARE(turned->second, QPoint(3, 3));
    }

    void ownMoveSetsNoPace_data()
    {
        QTest::addColumn<int>("relation");
        QTest::addColumn<bool>("setsPace");
        QTest::newRow("the echo of the user's move") << -1 << false;
        QTest::newRow("the opponent's move") << 1 << true;
        QTest::newRow("an observed game's move") << 0 << true;
    }
    void ownMoveSetsNoPace()
    {
        QFETCH(int, relation);
        QFETCH(bool, setsPace);
        QCOMPARE(MoveAnimationRule::setsPace(record(1, relation, 2, true, "P/d7-d5")), setsPace);
    }

    void slidesOnlyAtHumanPace_data()
    {
        QTest::addColumn<qint64>("sincePrevious");
        QTest::addColumn<bool>("slides");
        QTest::newRow("first position of the board") << qint64(-1) << true;
        QTest::newRow("a move a second later") << qint64(1000) << true;
        QTest::newRow("just at the pace") << MoveAnimationRule::HumanPaceMilliseconds << true;
        QTest::newRow("a flood, a frame after the last") << qint64(16) << false;
        QTest::newRow("the same moment") << qint64(0) << false;
    }
    void slidesOnlyAtHumanPace()
    {
        QFETCH(qint64, sincePrevious);
        QFETCH(bool, slides);
        QCOMPARE(MoveAnimationRule::atHumanPace(sincePrevious), slides);
    }
};

QTEST_GUILESS_MAIN(MoveAnimationRuleTest)
#include "MoveAnimationRuleTest.moc"
