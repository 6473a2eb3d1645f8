#include "lists/GameListCommands.h"

#include "lists/GameListState.h"

namespace GameListCommands {

namespace {

bool needsOpponent(Button button)
{
    return button == Button::Resign || button == Button::OfferDraw ||
           button == Button::OfferAbort || button == Button::Adjudicate;
}

QString gameCommand(const char* verb, const GameListState& list, int row)
{
    // A stored game is named by its two players, the others by their number.
    const QString game =
        list.kind().id == GameListKind::Stored ? list.opponent(row) : list.number(row);
    return QStringLiteral("%1 %2 %3").arg(QLatin1String(verb), list.owner(), game);
}

} // namespace

QString forButton(const GameListState& list, int row, Button button, const Extra& extra)
{
    const QString needed = needsOpponent(button) ? list.opponent(row) : list.number(row);
    if (needed.isEmpty())
        return {};
    switch (button) {
    case Button::Examine:
        return gameCommand("examine", list, row);
    case Button::Position:
        return gameCommand("spos", list, row);
    case Button::Moves:
        return gameCommand("smoves", list, row);
    case Button::MailStored:
        return gameCommand("mailstored", list, row);
    case Button::Resign:
        return QStringLiteral("resign ") + needed;
    case Button::OfferDraw:
        return QStringLiteral("sdraw ") + needed;
    case Button::OfferAbort:
        return QStringLiteral("sabort ") + needed;
    case Button::Adjudicate:
        return extra.adjudicateLabel + u' ' + extra.adjudicateText;
    case Button::DeleteFromJournal:
        return QStringLiteral("jkill ") + needed;
    case Button::AddToJournal:
        return QStringLiteral("jsave %1 %2 %3").arg(extra.slot, list.owner(), needed);
    }
    return {};
}

} // namespace GameListCommands
