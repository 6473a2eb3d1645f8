#include "games/BoardGame.h"
#include "games/BoardHost.h"
#include "games/BoardManager.h"
#include "session/ChatSink.h"
#include "session/CommandSender.h"
#include "session/SoundSink.h"

#include "support/Style12Lines.h"

#include <QTest>
#include <memory>
#include <vector>

namespace {

class FakeBoard : public ManagedBoard
{
public:
    BoardGame& game() override { return state; }
    void ShowRecord(const Style12Record& record, bool redisplay) override
    {
        state.showRecord(record, redisplay);
    }
    void LoadRecords(const QList<Style12Record>& records) override { state.loadRecords(records); }
    void ApplyGameInfo(const GameInfo& info) override { state.setGameInfo(info); }
    void ClearGameInfo() override { state.ClearGameInfo(); }
    void ApplyHoldings(const QByteArray& line) override
    {
        holdings = line;
        state.setHoldingsMode(true);
    }
    void startClock() override { clockRunning = !state.clockPaused(); }
    void setClockPaused(bool paused) override
    {
        state.setClockPaused(paused);
        clockRunning = !paused;
    }
    void stopClock() override { clockRunning = false; }
    void setActive(bool on) override { active = on; }
    void showButtonPanel(ButtonPanel shown, bool) override { panel = shown; }

    BoardGame state;
    QByteArray holdings;
    bool clockRunning = false;
    bool active = false;
    ButtonPanel panel = ButtonPanel::Observing;
};

class Recorder : public BoardHost, public CommandSender, public SoundSink, public ChatSink
{
public:
    ManagedBoard* createBoard(int) override
    {
        boards.push_back(std::make_unique<FakeBoard>());
        return boards.back().get();
    }
    void destroyBoard(ManagedBoard* board) override { destroyed.push_back(board); }
    void hideBoard(ManagedBoard*) override { ++hidden; }
    void arrangeBoards(int) override {}
    void boardCountChanged(int, int newLastIndex) override { counts << newLastIndex; }
    void showBoardsTab() override { ++boardsTab; }
    void boardLimitReached(int game) override { refused << game; }
    void showGamePanels(ButtonPanel panel) override { mainPanel = panel; }
    void showGameOver(const QString& caption, const QString& message) override
    {
        notices << caption + u'|' + message;
    }
    void gameFinished(const BoardGame& game) override { finished << game.gameNumber(); }
    void promotionRequested() override {}
    void sendCommand(const QString& commands) override { sent << commands; }
    void playSound(const QString& name) override { sounds << name; }
    bool includeShouts() const override { return true; }
    bool includeChannelTells() const override { return true; }
    void fanOut(const QByteArray& line, const QByteArray&, TextKind, const QByteArray&,
                bool) override
    {
        chat << line;
    }
    void direct(const QByteArray&, const QByteArray&, TextKind, const QByteArray&) override {}
    void channel(const QByteArray&, const QByteArray&, const QByteArray&) override {}

    std::vector<std::unique_ptr<FakeBoard>> boards;
    std::vector<ManagedBoard*> destroyed;
    int hidden = 0;
    int boardsTab = 0;
    QList<int> counts;
    QList<int> refused;
    QList<int> finished;
    QStringList notices;
    QStringList sent;
    QStringList sounds;
    QList<QByteArray> chat;
    ButtonPanel mainPanel = ButtonPanel::Observing;
};

QByteArray startOf(int game, int relation)
{
    return Style12Line::openingPly(0, game, relation).text();
}

} // namespace

class BoardManagerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Recorder> host;
    std::unique_ptr<BoardManager> manager;

    FakeBoard* slot(int index) { return static_cast<FakeBoard*>(manager->board(index)); }

private Q_SLOTS:
    void init()
    {
        host = std::make_unique<Recorder>();
        manager = std::make_unique<BoardManager>(*host, *host, *host, *host);
        manager->start();
    }
    void cleanup()
    {
        manager.reset();
        host.reset();
    }

    void startHasOneEmptyActiveBoard()
    {
        QCOMPARE(manager->LastIndex(), 0);
        QVERIFY(slot(0)->active);
        QVERIFY(!slot(0)->game().InUse());
    }

    void firstPositionFillsTheFirstBoard()
    {
        manager->style12Line(startOf(5, 0));
        QCOMPARE(manager->LastIndex(), 0);
        QCOMPARE(slot(0)->game().gameNumber(), 5);
        QVERIFY(slot(0)->clockRunning);
        QCOMPARE(host->boardsTab, 1);
        manager->style12Line(Style12Line::openingPly(1, 5, 0).text());
        QCOMPARE(slot(0)->game().moveList().size(), 2);
        QCOMPARE(host->boardsTab, 1);
    }

    void badLineChangesNothing()
    {
        manager->style12Line("<12> rnbqkbnr broken");
        QVERIFY(!slot(0)->game().InUse());
        QCOMPARE(host->boardsTab, 0);
    }

    void ownGameOpensBesideObservedOnesAndBecomesActive()
    {
        manager->style12Line(startOf(1, 0));
        manager->style12Line(startOf(2, 0));
        manager->style12Line(startOf(3, 1));
        QCOMPARE(manager->LastIndex(), 2);
        QCOMPARE(slot(2)->game().gameNumber(), 3);
        QCOMPARE(manager->ActiveIndex(), 2);
        QCOMPARE(host->mainPanel, ButtonPanel::Playing);
        // A game observed later does not take the activity from the user's game.
        manager->style12Line(startOf(4, 0));
        QCOMPARE(manager->ActiveIndex(), 2);
    }

    void fifthGameIsRefusedOnce()
    {
        for (int game = 1; game <= 4; ++game)
            manager->style12Line(startOf(game, 0));
        manager->style12Line(startOf(9, 0));
        manager->style12Line(Style12Line::openingPly(1, 9, 0).text());
        QCOMPARE(host->refused, QList<int>{9});
        for (int index = 0; index < 4; ++index)
            QCOMPARE(slot(index)->game().gameNumber(), index + 1);
    }

    void gameFileOpensAFreeBoardForReview_data()
    {
        QTest::addColumn<int>("observed");
        QTest::addColumn<int>("loadedSlot"); // -1: refused
        QTest::newRow("no game") << 0 << 0;
        QTest::newRow("beside a game") << 1 << 1;
        QTest::newRow("four games") << 4 << -1;
    }

    void gameFileOpensAFreeBoardForReview()
    {
        QFETCH(int, observed);
        QFETCH(int, loadedSlot);
        for (int game = 1; game <= observed; ++game)
            manager->style12Line(startOf(game, 0));
        const QList<Style12Record> records{Style12Line::openingPly(0, 40, -2).record(),
                                           Style12Line::openingPly(1, 40, -2).record()};
        ManagedBoard* loaded = manager->LoadGameFile(records);
        QCOMPARE(manager->slotOf(loaded), loadedSlot);
        QCOMPARE(host->refused, loadedSlot < 0 ? QList<int>{BoardManager::FileLoadGame}
                                               : QList<int>{});
        for (int index = 0; index < observed; ++index)
            QCOMPARE(slot(index)->game().gameNumber(), index + 1);
        if (!loaded)
            return;
        QCOMPARE(manager->ActiveIndex(), loadedSlot);
        QCOMPARE(loaded->game().moveList().size(), 2);
        QVERIFY(loaded->game().ReviewMode());
        QCOMPARE(loaded->game().selectedItem(), 0);
        QVERIFY(!host->sent.contains(QStringLiteral("primary %1").arg(BoardManager::FileLoadGame)));
        // The loaded board is free: the next new game takes it.
        manager->style12Line(startOf(50, 0));
        QCOMPARE(loaded->game().gameNumber(), 50);
        QCOMPARE(loaded->game().moveList().size(), 1);
    }

    void closingALowerSlotMovesTheActiveIndex()
    {
        manager->style12Line(startOf(1, 0));
        manager->style12Line(startOf(2, 0));
        manager->style12Line(startOf(3, 0));
        manager->ActivateBoard(2);
        FakeBoard* third = slot(2);
        manager->gameLeft(1);
        manager->CloseBoard(0);
        QCOMPARE(manager->LastIndex(), 1);
        QCOMPARE(manager->ActiveIndex(), 1);
        QCOMPARE(manager->activeBoard(), third);
        QCOMPARE(host->destroyed.size(), std::size_t(1));
    }

    void closingTheActiveSlotActivatesTheFirst()
    {
        manager->style12Line(startOf(1, 0));
        manager->style12Line(startOf(2, 0));
        manager->ActivateBoard(1);
        manager->gameLeft(2);
        manager->CloseOrAbort();
        QCOMPARE(manager->LastIndex(), 0);
        QCOMPARE(manager->ActiveIndex(), 0);
        QVERIFY(slot(0)->active);
    }

    void closeOrAbortSendsByRelation_data()
    {
        QTest::addColumn<int>("relation");
        QTest::addColumn<QString>("command");
        QTest::newRow("playing aborts") << 1 << "Abort";
        QTest::newRow("opponent to move aborts") << -1 << "Abort";
        QTest::newRow("examining unexamines") << 2 << "Unexamine";
        QTest::newRow("observing unobserves the game") << 0 << "Unobserve 7";
    }
    void closeOrAbortSendsByRelation()
    {
        QFETCH(int, relation);
        QFETCH(QString, command);
        manager->style12Line(startOf(7, relation));
        host->sent.clear();
        manager->CloseOrAbort();
        QCOMPARE(host->sent, QStringList{command});
        QVERIFY(slot(0)->game().CloseWhenEnded());
    }

    void closeOrAbortMarksOnlyTheBoardItSentFor()
    {
        manager->style12Line(startOf(1, 0));
        manager->style12Line(startOf(2, 0));
        manager->ActivateBoard(0);
        manager->CloseOrAbort();
        QVERIFY(slot(0)->game().CloseWhenEnded());
        QVERIFY(!slot(1)->game().CloseWhenEnded());
        manager->gameLeft(1);
        QCOMPARE(manager->LastIndex(), 0);
        QCOMPARE(slot(0)->game().gameNumber(), 2);
        QVERIFY(!slot(0)->game().CloseWhenEnded());
    }

    void gameEndOfAPlayedGame()
    {
        manager->style12Line(startOf(1, 1));
        manager->gameEnded("{Game 1 (alice vs. bob) alice resigns} 0-1", 1);
        QCOMPARE(host->sounds, QStringList{"Game End"});
        QCOMPARE(host->notices, QStringList{"alice vs. bob| alice resigns"});
        QCOMPARE(host->finished, QList<int>{1});
        QCOMPARE(slot(0)->game().GameResult(), QByteArray("0-1"));
        QVERIFY(!slot(0)->game().InUse());
        QCOMPARE(slot(0)->game().relation(), -3);
        QVERIFY(!slot(0)->clockRunning);
        QCOMPARE(host->chat.size(), 1);
    }

    void gameEndOfAGameNotShownIsQuiet()
    {
        manager->gameEnded("{Game 3 (carol vs. dave) carol resigns} 0-1", 3);
        QVERIFY(host->sounds.isEmpty());
        QVERIFY(host->notices.isEmpty());
    }

    void anotherGamesResultUnderAReusedNumberKeepsTheBoard()
    {
        manager->style12Line(startOf(1, 0));
        manager->style12Line(Style12Line::openingPly(1, 1, 0).text());
        const int entries = slot(0)->game().moveList().size();
        manager->gameEnded("{Game 1 (carol vs. dave) carol resigns} 0-1", 1);
        QVERIFY(slot(0)->game().InUse());
        QVERIFY(slot(0)->clockRunning);
        QVERIFY(host->sounds.isEmpty());
        QVERIFY(host->notices.isEmpty());
        QCOMPARE(host->chat.size(), 1); // the notice itself is still shown
        manager->style12Line(Style12Line::openingPly(2, 1, 0).text());
        QCOMPARE(slot(0)->game().moveList().size(), entries + 1);
    }

    void creationNoticeIsNoEnd()
    {
        manager->style12Line(startOf(1, 1));
        manager->gameEnded("{Game 1 (alice vs. bob) Creating rated blitz match.}", 1);
        QVERIFY(slot(0)->game().InUse());
        QVERIFY(host->sounds.isEmpty());
    }

    void hiddenGameMessagesShowNoNotice()
    {
        manager->options().hideGameMessages = true;
        manager->style12Line(startOf(1, 0));
        manager->gameEnded("{Game 1 (alice vs. bob) alice resigns} 0-1", 1);
        QVERIFY(host->notices.isEmpty());
        QVERIFY(host->finished.isEmpty()); // observed, not played
    }

    void rematchWithTheSameNumberStartsAfresh()
    {
        manager->style12Line(startOf(1, 1));
        manager->style12Line(Style12Line::openingPly(1, 1, -1).text());
        slot(0)->game().back();
        slot(0)->game().setUserFlip(true);
        manager->gameEnded("{Game 1 (alice vs. bob) alice resigns} 0-1", 1);
        manager->style12Line(startOf(1, 1));
        const BoardGame& game = slot(0)->game();
        QVERIFY(game.InUse());
        QVERIFY(!game.ReviewMode());
        QVERIFY(!game.UserFlip());
        QVERIFY(game.GameResult().isEmpty());
        QCOMPARE(game.moveList().size(), 1);
        QCOMPARE(game.current().PlyIndex(), 2);
    }

    void pendingGameInfoAppliesToItsOwnGameOnly()
    {
        manager->setPendingGameInfo("<g1> 4 p=0 t=blitz r=1 u=0,0 it=300,0 i=300,0 pt=0 rt=1700,1600");
        manager->style12Line(startOf(9, 0));
        QVERIFY(slot(0)->game().gameInfo().whiteRating.isEmpty());
        manager->style12Line(startOf(4, 0));
        QCOMPARE(slot(1)->game().gameInfo().whiteRating, QByteArray("1700"));
    }

    void holdingsGoToTheirGame()
    {
        manager->style12Line(startOf(1, 0));
        manager->applyHoldings(1, "<b1> game 1 white [P] black []");
        manager->applyHoldings(2, "<b1> game 2 white [Q] black []");
        QCOMPARE(slot(0)->holdings, QByteArray("<b1> game 1 white [P] black []"));
    }

    void clockPauseReachesItsGameOnly_data()
    {
        QTest::addColumn<int>("named"); // game of the notice, 0 for the user's own
        QTest::addColumn<bool>("ownStops");
        QTest::addColumn<bool>("observedStops");
        QTest::newRow("the players' notice stops the game the user plays") << 0 << true << false;
        QTest::newRow("an observer's notice stops the game it names") << 2 << false << true;
        QTest::newRow("a game no board shows stops nothing") << 9 << false << false;
    }
    void clockPauseReachesItsGameOnly()
    {
        QFETCH(int, named);
        QFETCH(bool, ownStops);
        QFETCH(bool, observedStops);
        manager->style12Line(startOf(1, 1));
        manager->style12Line(startOf(2, 0));
        QVERIFY(slot(0)->clockRunning && slot(1)->clockRunning);
        manager->clockPaused(named, true);
        QCOMPARE(slot(0)->clockRunning, !ownStops);
        QCOMPARE(slot(1)->clockRunning, !observedStops);
        manager->clockPaused(named, false);
        QVERIFY(slot(0)->clockRunning && slot(1)->clockRunning);
    }

    void pausedClockStaysStillUntilTheGameMovesOn()
    {
        manager->style12Line(startOf(1, 1));
        manager->clockPaused(0, true);
        manager->style12Line(startOf(1, 1)); // a refresh of the same position
        QVERIFY(!slot(0)->clockRunning);
        manager->style12Line(Style12Line::openingPly(1, 1, -1).text());
        QVERIFY(slot(0)->clockRunning);
    }

    void leavingABughouseGameLeavesThePartnersToo()
    {
        manager->style12Line(startOf(1, 1));
        manager->style12Line(startOf(2, 0));
        manager->setPartnerGame(2);
        manager->applyHoldings(1, "<b1> game 1 white [] black []");
        manager->gameLeft(1);
        QVERIFY(!slot(1)->game().InUse());
        QCOMPARE(manager->PartnerGame(), 0);
    }

    void refresh_data()
    {
        QTest::addColumn<bool>("icc");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("FICS refreshes all at once") << false << QStringList{"refresh"};
        QTest::newRow("ICC refreshes each board, the first last")
            << true << QStringList{"Refresh 2", "Refresh 1"};
    }
    void refresh()
    {
        QFETCH(bool, icc);
        QFETCH(QStringList, commands);
        manager->options().icc = icc;
        manager->style12Line(startOf(1, 0));
        manager->style12Line(startOf(2, 0));
        host->sent.clear();
        manager->refreshBoards();
        QCOMPARE(host->sent, commands);
    }

    void observedBoardBecomesPrimary()
    {
        manager->style12Line(startOf(1, 0));
        manager->style12Line(startOf(2, 0));
        host->sent.clear();
        manager->ActivateBoard(0);
        QCOMPARE(host->sent, QStringList{"primary 1"});
        manager->ActivateBoard(0);
        QCOMPARE(host->sent.size(), 1);
    }

    void primaryOnlyWhenTheActiveBoardChangesGame_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QStringList>("primaries");
        const QByteArray first = startOf(1, 0), second = startOf(2, 0);
        const QByteArray firstMoved = Style12Line::openingPly(1, 1, 0).text();
        QTest::newRow("each new observed game is made primary once")
            << QByteArrayList{first, second, firstMoved, Style12Line::openingPly(1, 2, 0).text()}
            << QStringList{"primary 1", "primary 2"};
        QTest::newRow("a refresh of every board sends nothing")
            << QByteArrayList{first, second, first, second} << QStringList{"primary 1", "primary 2"};
        QTest::newRow("another game's result under a reused number keeps the board")
            << QByteArrayList{first, "{Game 1 (carol vs. dave) carol resigns} 0-1", firstMoved}
            << QStringList{"primary 1"};
        QTest::newRow("a new game on the active board is made primary")
            << QByteArrayList{first, "{Game 1 (alice vs. bob) bob resigns} 1-0", startOf(3, 0)}
            << QStringList{"primary 1", "primary 3"};
        QTest::newRow("nothing while the user plays")
            << QByteArrayList{startOf(5, 1), first, second} << QStringList{};
    }
    void primaryOnlyWhenTheActiveBoardChangesGame()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QStringList, primaries);
        for (const QByteArray& line : lines) {
            if (line.startsWith("{Game "))
                manager->gameEnded(line, line.mid(6).split(' ').value(0).toInt());
            else
                manager->style12Line(line);
            // The user clicks the active board again: no change of game.
            manager->ActivateBoard(manager->ActiveIndex());
        }
        QCOMPARE(host->sent.filter(QStringLiteral("primary")), primaries);
    }

    void secondBoardPlaysSoundsUnlessFirstOnly()
    {
        manager->options().soundsOnFirstBoardOnly = true;
        manager->style12Line(startOf(1, 0));
        manager->style12Line(startOf(2, 0));
        QVERIFY(slot(0)->game().SoundsEnabled());
        QVERIFY(!slot(1)->game().SoundsEnabled());
    }
};

QTEST_GUILESS_MAIN(BoardManagerTest)
#include "BoardManagerTest.moc"
