#include "games/BoardGame.h"

#include "support/Style12Lines.h"

#include <QTest>

namespace {

QStringList entries(const BoardGame& game)
{
    QStringList texts;
    for (const MoveList::Item& item : game.moveList().items())
        texts << item.text;
    return texts;
}

// A game of 1. e4 e5 2. Nf3 Nc6 shown up to the given ply.
void playTo(BoardGame& game, int lastPly, int relation = 0)
{
    for (int ply = 0; ply <= lastPly; ++ply)
        game.showRecord(Style12Line::openingPly(ply, 1, relation).record(), false);
}

} // namespace

class BoardGameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positionsFillTheMoveList()
    {
        BoardGame game;
        playTo(game, 2);
        QCOMPARE(entries(game), (QStringList{"Moves", "1w. e4", "1b. e5"}));
        QCOMPARE(game.selectedItem(), 2);
        QVERIFY(game.InUse());
        QCOMPARE(game.moveList().lastPly(), 4);
    }

    void takebackCutsTheList()
    {
        BoardGame game;
        playTo(game, 2);
        game.showRecord(Style12Line::openingPly(1).record(), false);
        QCOMPARE(entries(game), (QStringList{"Moves", "1w. e4"}));
    }

    void refreshReplacesTheLastEntry()
    {
        BoardGame game;
        playTo(game, 2);
        game.showRecord(Style12Line::openingPly(2).record(), false);
        QCOMPARE(entries(game), (QStringList{"Moves", "1w. e4", "1b. e5"}));
    }

    void reviewKeepsThePositionWhileTheListGrows()
    {
        BoardGame game;
        playTo(game, 2);
        const BoardGame::Shown back = game.back();
        QVERIFY(back.displayed);
        QVERIFY(game.ReviewMode());
        QCOMPARE(game.current().PlyIndex(), 3);
        const BoardGame::Shown next = game.showRecord(Style12Line::openingPly(3).record(), false);
        QVERIFY(!next.displayed);
        QCOMPARE(game.current().PlyIndex(), 3);
        QCOMPARE(game.moveList().size(), 4);
        QCOMPARE(game.selectedItem(), 1);
        game.revert();
        QVERIFY(!game.ReviewMode());
        QCOMPARE(game.current().PlyIndex(), 5);
        QCOMPARE(game.selectedItem(), 3);
    }

    void forwardAndBackStopAtTheEnds()
    {
        BoardGame game;
        playTo(game, 2);
        QVERIFY(!game.forward().displayed); // not reviewing
        game.back();
        game.back();
        QVERIFY(!game.back().displayed);
        QCOMPARE(game.selectedItem(), 0);
        game.forward();
        QCOMPARE(game.selectedItem(), 1);
        game.forward();
        QVERIFY(!game.ReviewMode());
    }

    void newGameNumberStartsAfresh()
    {
        BoardGame game;
        playTo(game, 2);
        game.setUserFlip(true);
        game.setHoldingsMode(true);
        const BoardGame::Shown shown =
            game.showRecord(Style12Line::openingPly(0, 2).record(), false);
        QVERIFY(shown.newGame);
        QVERIFY(!game.UserFlip());
        QVERIFY(!game.HoldingsMode());
        QCOMPARE(entries(game), QStringList{"Moves"});
    }

    void startNewGameResetsAGameWithTheSameNumber()
    {
        BoardGame game;
        playTo(game, 3);
        game.back();
        game.setGameResult("1-0");
        game.leaveGame();
        game.startNewGame();
        const BoardGame::Shown shown = game.showRecord(Style12Line::openingPly(0).record(), false);
        QVERIFY(shown.newGame);
        QVERIFY(shown.displayed);
        QVERIFY(!game.ReviewMode());
        QVERIFY(game.GameResult().isEmpty());
        QCOMPARE(entries(game), QStringList{"Moves"});
    }

    void userFlipTurnsTheDisplayOnly()
    {
        BoardGame game;
        playTo(game, 1);
        QVERIFY(game.setUserFlip(true));
        QVERIFY(!game.setUserFlip(true));
        QCOMPARE(game.current().Flip, 1);
        game.showRecord(Style12Line::openingPly(2).record(), false);
        QCOMPARE(game.current().Flip, 1);
        QCOMPARE(game.moveList().at(2).record.Flip, 0);
    }

    void isolatedPositionIsNotListed()
    {
        BoardGame game;
        const BoardGame::Shown shown =
            game.showRecord(Style12Line::openingPly(0, 4, -3).record(), false);
        QVERIFY(shown.displayed);
        QVERIFY(!game.InUse());
        QVERIFY(game.moveList().isEmpty());
    }

    void sounds_data()
    {
        QTest::addColumn<QByteArray>("pretty");
        QTest::addColumn<int>("ply");
        QTest::addColumn<QString>("sound");
        QTest::newRow("a check forward") << QByteArray("Nf3+") << 3 << "Check";
        QTest::newRow("a plain move") << QByteArray("Nf3") << 3 << "Moved";
        QTest::newRow("a check taken back is only a move") << QByteArray("e4+") << 1 << "Moved";
    }
    void sounds()
    {
        QFETCH(QByteArray, pretty);
        QFETCH(int, ply);
        QFETCH(QString, sound);
        BoardGame game;
        game.setSoundsEnabled(true);
        playTo(game, 2);
        Style12Line line = Style12Line::openingPly(ply);
        line.prettyMove = pretty;
        QCOMPARE(game.showRecord(line.record(), false).sound, sound);
    }

    void silentBoardPlaysNothing()
    {
        BoardGame game;
        QVERIFY(game.showRecord(Style12Line::openingPly(0).record(), false).sound.isEmpty());
    }

    void moveActions_data()
    {
        QTest::addColumn<int>("relation");
        QTest::addColumn<bool>("review");
        QTest::addColumn<bool>("premove");
        QTest::addColumn<int>("action");
        QTest::newRow("own move is sent") << 1 << false << true << int(BoardGame::MoveAction::Send);
        QTest::newRow("opponent to move keeps a premove")
            << -1 << false << true << int(BoardGame::MoveAction::KeepAsPremove);
        QTest::newRow("premove switched off sends at once")
            << -1 << false << false << int(BoardGame::MoveAction::Send);
        QTest::newRow("reviewing a played game returns to the latest position")
            << 1 << true << true << int(BoardGame::MoveAction::ReturnToLatest);
        QTest::newRow("examined game sends") << 2 << false << true << int(BoardGame::MoveAction::Send);
    }
    void moveActions()
    {
        QFETCH(int, relation);
        QFETCH(bool, review);
        QFETCH(bool, premove);
        QFETCH(int, action);
        BoardGame game;
        playTo(game, 2, relation);
        if (review)
            game.back();
        QCOMPARE(int(game.moveAction(premove)), action);
    }

    void finishedGameKeepsMovesLocal()
    {
        BoardGame game;
        playTo(game, 2, 1);
        game.leaveGame();
        QCOMPARE(game.moveAction(true), BoardGame::MoveAction::KeepLocal);
    }

    void premoveIsSentWhenTheUserIsToMove()
    {
        BoardGame game;
        playTo(game, 1, -1);
        game.setPremove("g8f6");
        const BoardGame::Shown shown =
            game.showRecord(Style12Line::openingPly(2, 1, 1).record(), false);
        QCOMPARE(shown.premoveToSend, QByteArray("g8f6"));
        QVERIFY(game.premove().isEmpty());
    }

    void loadedRecordsAreReviewedFromTheFirst_data()
    {
        QTest::addColumn<QList<int>>("games"); // one loaded record per entry, by ply
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("gameNumber");
        QTest::newRow("empty file") << QList<int>{} << QStringList{} << BoardGame::NoGame;
        QTest::newRow("one game") << QList<int>{7, 7, 7}
                                  << QStringList{"Moves", "1w. e4", "1b. e5"} << 7;
        QTest::newRow("records of two games") << QList<int>{7, 8}
                                              << QStringList{"Moves", "1w. e4"} << 8;
    }

    void loadedRecordsAreReviewedFromTheFirst()
    {
        QFETCH(QList<int>, games);
        QFETCH(QStringList, texts);
        QFETCH(int, gameNumber);
        BoardGame game;
        playTo(game, 3, 1);
        game.setPremove("g8f6");
        QList<Style12Record> records;
        for (int ply = 0; ply < games.size(); ++ply)
            records << Style12Line::openingPly(ply, games[ply], -2).record();
        const BoardGame::Shown shown = game.loadRecords(records);
        QVERIFY(shown.listChanged);
        QCOMPARE(shown.displayed, !records.isEmpty());
        QCOMPARE(entries(game), texts);
        QCOMPARE(game.gameNumber(), gameNumber);
        QCOMPARE(game.ReviewMode(), !records.isEmpty());
        QVERIFY(!game.InUse());
        QVERIFY(game.premove().isEmpty());
        QCOMPARE(game.moveAction(true), BoardGame::MoveAction::KeepLocal);
        if (records.isEmpty())
            return;
        QCOMPARE(game.selectedItem(), 0);
        QCOMPARE(game.current().PlyIndex(), records.first().PlyIndex());
        // Stepping through keeps the whole file listed and the board in review.
        game.revert();
        QCOMPARE(game.selectedItem(), records.size() - 1);
        game.selectItem(0);
        QCOMPARE(entries(game), texts);
        QCOMPARE(game.selectedItem(), 0);
        QVERIFY(game.ReviewMode());
        QVERIFY(!game.InUse());
    }

    void premoveIsDroppedWhenTheGameEnds()
    {
        BoardGame game;
        playTo(game, 1, -1);
        game.setPremove("g8f6");
        game.leaveGame();
        QVERIFY(game.premove().isEmpty());
    }
};

QTEST_GUILESS_MAIN(BoardGameTest)
#include "BoardGameTest.moc"
