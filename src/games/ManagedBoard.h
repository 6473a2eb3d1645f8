#pragma once

#include <QtCore/qcontainerfwd.h>

class BoardGame;
class QByteArray;
struct GameInfo;
struct Style12Record;

// Which column of game buttons a board shows: by the user's relation to its game.
enum class ButtonPanel
{
    Playing,
    Examining,
    Observing,
};

ButtonPanel buttonPanelFor(int relation);

// One board window as the board manager drives it.
class ManagedBoard
{
public:
    virtual ~ManagedBoard() = default;

    virtual BoardGame& game() = 0;
    // Shows a position from the server (redisplay false) or from the move list.
    virtual void ShowRecord(const Style12Record& record, bool redisplay) = 0;
    // Fills the board with a game file's records for review.
    virtual void LoadRecords(const QList<Style12Record>& records) = 0;
    virtual void ApplyGameInfo(const GameInfo& info) = 0;
    virtual void ClearGameInfo() = 0;
    virtual void ApplyHoldings(const QByteArray& line) = 0;
    // Runs the clock of the side to move in the current position.
    virtual void startClock() = 0;
    virtual void stopClock() = 0;
    // The server stopped or restarted the game's clocks: the ticker stops where it is and
    // goes on from there.
    virtual void setClockPaused(bool paused) = 0;
    virtual void setActive(bool active) = 0;
    virtual void showButtonPanel(ButtonPanel panel, bool gameBarShown) = 0;
};
