#pragma once

#include "games/GameInfo.h"
#include "games/MoveList.h"
#include "games/Style12Record.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <limits>

// The game one board window shows, without the window: the position on display, the
// move list and review, the flags the board manager reads, and a premove. The window
// renders what this class decides.
class BoardGame
{
public:
    static constexpr int NoGame = std::numeric_limits<int>::min();

    // What showing a position changed.
    struct Shown
    {
        bool displayed = false; // the board, labels and caption show current() now
        bool newGame = false;
        bool listChanged = false;
        QString sound;             // "Check", "Moved", or empty
        QByteArray premoveToSend;  // a premove that the position made the user's turn
    };

    // What to do with a move the user made on the board.
    enum class MoveAction
    {
        Send,
        KeepAsPremove,
        ReturnToLatest, // the user was reviewing an earlier position of a game they play
        KeepLocal,      // no game in use: drawn, not sent
    };

    Shown showRecord(const Style12Record& record, bool redisplay);
    // A board taken for a game the manager opens starts afresh, even when the server
    // gives the new game the number of the previous one.
    void startNewGame();
    // A game file's records replace the move list; the first is shown for review. The board
    // stays free, so the next new game may take it over.
    Shown loadRecords(const QList<Style12Record>& records);
    // Relation -3: the server no longer sends this game.
    void leaveGame();

    // The flip the user chose turns the display only. False when nothing changed.
    bool setUserFlip(bool value);

    Shown selectItem(int index);
    Shown back();
    Shown forward();
    Shown revert();

    MoveAction moveAction(bool premoveEnabled) const;
    void setPremove(const QByteArray& move) { m_premove = move; }
    void cancelPremove() { m_premove.clear(); }
    const QByteArray& premove() const { return m_premove; }

    const Style12Record& current() const { return m_current; }
    int gameNumber() const { return m_gameNumber; }
    int relation() const { return m_current.Relation.value(); }
    bool playing() const { return relation() == 1 || relation() == -1; }
    bool InUse() const { return m_inUse; }
    bool ReviewMode() const { return m_reviewMode; }
    bool UserFlip() const { return m_userFlip; }
    bool CloseWhenEnded() const { return m_closeWhenEnded; }
    void setCloseWhenEnded(bool on) { m_closeWhenEnded = on; }
    bool HoldingsMode() const { return m_holdingsMode; }
    void setHoldingsMode(bool on) { m_holdingsMode = on; }
    bool SoundsEnabled() const { return m_soundsEnabled; }
    void setSoundsEnabled(bool on) { m_soundsEnabled = on; }

    const GameInfo& gameInfo() const { return m_gameInfo; }
    void setGameInfo(const GameInfo& info) { m_gameInfo = info; }
    void ClearGameInfo() { m_gameInfo = GameInfo(); }
    const QByteArray& GameResult() const { return m_gameResult; }
    void setGameResult(const QByteArray& result) { m_gameResult = result; }

    // A paused clock stays still while the position stays: a refresh of the same position
    // does not restart it, a resume or the game's next move does.
    void setClockPaused(bool paused);
    bool clockPaused() const;

    const MoveList& moveList() const { return m_moves; }
    int selectedItem() const { return m_selected; }
    void ClearMoveList();

private:
    QString soundFor(const Style12Record& record) const;

    Style12Record m_current;
    Style12Record m_previous;
    int m_gameNumber = NoGame;
    bool m_inUse = false;
    bool m_reviewMode = false;
    bool m_userFlip = false;
    bool m_closeWhenEnded = false;
    bool m_holdingsMode = false;
    bool m_soundsEnabled = false;
    GameInfo m_gameInfo;
    QByteArray m_gameResult;
    MoveList m_moves;
    int m_selected = -1;
    QByteArray m_premove;
    int m_pausedPly = -1;
};
