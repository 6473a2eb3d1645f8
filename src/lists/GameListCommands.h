#pragma once

#include <QString>

class GameListState;

// The commands of the game list windows' buttons for the selected row.
namespace GameListCommands {

enum class Button {
    Examine,
    Position,
    Moves,
    MailStored,
    Resign,       // stored games
    OfferDraw,    // stored games
    OfferAbort,   // stored games
    Adjudicate,   // stored games: label and message come from the window
    DeleteFromJournal,
    AddToJournal, // history: into the chosen journal slot
};

struct Extra
{
    QString adjudicateLabel; // stored window's label text
    QString adjudicateText;  // stored window's message text
    QString slot;            // history window's journal slot
};

// The command, or an empty text when the button needs a selected game and the
// row gives none.
QString forButton(const GameListState& list, int row, Button button, const Extra& extra = {});

} // namespace GameListCommands
