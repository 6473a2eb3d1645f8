#pragma once

#include "games/ManagedBoard.h"

#include <QString>

class BoardGame;

// What the board manager needs of the main window: board windows made and unmade, their
// places, the game bar and Game menu, and the notices of a game's end.
class BoardHost
{
public:
    virtual ~BoardHost() = default;

    // A new board window for this slot, with its hooks set.
    virtual ManagedBoard* createBoard(int slot) = 0;
    virtual void destroyBoard(ManagedBoard* board) = 0;
    // The only board was closed: it stays, but a separate window is hidden.
    virtual void hideBoard(ManagedBoard* board) = 0;
    // The slots' boards changed: docked boards are laid out again, separate windows shown.
    virtual void arrangeBoards(int lastIndex) = 0;
    // The number of open boards crossed between one and several.
    virtual void boardCountChanged(int oldLastIndex, int newLastIndex) = 0;
    virtual void showBoardsTab() = 0;
    // A fifth game was refused; the user is told once, without blocking the session.
    virtual void boardLimitReached(int game) = 0;
    virtual void showGamePanels(ButtonPanel panel) = 0;
    virtual void showGameOver(const QString& caption, const QString& message) = 0;
    // A game the user played has ended and should be kept when automatic saving is on.
    virtual void gameFinished(const BoardGame& game) = 0;
    virtual void promotionRequested() = 0;
};
