#pragma once

#include <QByteArray>

// What the line dispatcher hands to the board manager and the board windows.
class BoardSink
{
public:
    virtual ~BoardSink() = default;

    virtual void style12Line(const QByteArray& line) = 0;
    virtual void gameEnded(const QByteArray& line, int game) = 0;
    virtual void gameLeft(int game) = 0;
    virtual void refreshBoards() = 0;
    // Kept for the next board that opens.
    virtual void setPendingGameInfo(const QByteArray& line) = 0;
    virtual void setPartnerGame(int game) = 0;
    // Goes to the board in use that shows this game; ignored when none does.
    virtual void applyHoldings(int game, const QByteArray& line) = 0;
    // The server stopped (paused) or restarted a game's clocks; game 0 is the user's own.
    virtual void clockPaused(int game, bool paused) = 0;
};
