#pragma once

#include "games/GameInfo.h"
#include "games/ManagedBoard.h"
#include "session/BoardSink.h"

#include <QByteArray>
#include <QSet>
#include <array>

class BoardHost;
class ChatSink;
class CommandSender;
class SoundSink;
struct Style12Record;

// Owns the four board slots: routes each game's positions to its board, opens boards for
// new games, keeps one board active, and acts on game ends and the boards' requests.
// Occupied slots always run from slot 0 without holes; slot 0 always holds a board.
class BoardManager : public BoardSink
{
public:
    static constexpr int SlotCount = 4;
    static constexpr int FileLoadGame = -11; // placeholder game number of a loaded file

    struct Options
    {
        bool icc = false;
        bool gameBar = true;
        bool hideGameMessages = false;
        bool soundsOnFirstBoardOnly = false;
        bool manualPromotion = false;
    };

    BoardManager(BoardHost& host, CommandSender& commands, SoundSink& sounds, ChatSink& chat);
    BoardManager(const BoardManager&) = delete;
    BoardManager& operator=(const BoardManager&) = delete;

    Options& options() { return m_options; }

    // Creates the board of slot 0 and makes it active.
    void start();

    // From the line dispatcher.
    void style12Line(const QByteArray& line) override;
    void gameEnded(const QByteArray& line, int game) override;
    void gameLeft(int game) override;
    void refreshBoards() override;
    void setPendingGameInfo(const QByteArray& line) override;
    void setPartnerGame(int game) override { m_partnerGame = game; }
    void applyHoldings(int game, const QByteArray& line) override;
    void clockPaused(int game, bool paused) override;

    ManagedBoard* OpenBoard(const Style12Record& record);
    // Opens a board for a game file's records; null (and the limit reported) when all four
    // boards are in use.
    ManagedBoard* LoadGameFile(const QList<Style12Record>& records);
    void CloseBoard(int slot);
    void ActivateBoard(int slot);
    void ShowButtonPanels(ManagedBoard& board);
    // Acts on the active board: abort, unexamine, unobserve, or close a finished board.
    void CloseOrAbort();
    // A board window's own button: its board becomes the active one first.
    void closeOrAbortBoard(ManagedBoard* board);
    void activateBoard(ManagedBoard* board);

    int LastIndex() const { return m_lastIndex; }
    int ActiveIndex() const { return m_activeIndex; }
    ManagedBoard* board(int slot) const;
    ManagedBoard* activeBoard() const { return board(m_activeIndex); }
    int slotOf(const ManagedBoard* board) const;
    int PartnerGame() const { return m_partnerGame; }
    int PrimaryGame() const { return m_primaryGame; }
    // Whether a board other than `except` shows a game the user plays or examines.
    bool userPlaysOrExamines(const ManagedBoard* except) const;

private:
    ManagedBoard* boardOfGame(int game) const;
    ManagedBoard* CreateBoard();
    void SetBoardCount(int n);

    BoardHost& m_host;
    CommandSender& m_commands;
    SoundSink& m_sounds;
    ChatSink& m_chat;
    Options m_options;
    std::array<ManagedBoard*, SlotCount> m_slots{};
    int m_lastIndex = 0;
    int m_activeIndex = 0;
    ManagedBoard* m_marked = nullptr; // the board drawn as the active one
    GameInfo m_pendingGameInfo;
    bool m_hasPendingGameInfo = false;
    int m_partnerGame = 0;
    int m_primaryGame = 0;
    QSet<int> m_refusedGames; // told once each
};
