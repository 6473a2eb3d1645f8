#include "games/GameButtons.h"

#include "games/BoardGame.h"

namespace GameButtons {

namespace {

Effect send(const QString& command)
{
    return {Action::Send, command};
}

// In an examined game the server steps through the moves; elsewhere the move list does.
Effect examinedOr(const BoardGame& game, const char* command, Action listAction)
{
    return game.relation() == 2 ? send(QLatin1String(command)) : Effect{listAction, {}};
}

} // namespace

Effect forTag(int tag, const BoardGame& game, const QString& helloText,
              const QString& goodGameText)
{
    switch (tag) {
    case 0:
    case 1:
    case 2:
        return {Action::Compose, {}};
    case 3:
        return send(QStringLiteral("Draw"));
    case 4:
        return send(QStringLiteral("Resign"));
    case 5:
    case 13:
    case 14:
        return {Action::CloseOrAbort, {}};
    case 6:
        return {Action::Autoflag, {}};
    case 7:
        return send(QStringLiteral("Takeback 1"));
    case 8:
        return send(QStringLiteral("Pause"));
    case 9:
        return send(QStringLiteral("Accept"));
    case 10:
        return send(QStringLiteral("Say ") + goodGameText);
    case 11:
        return send(QStringLiteral("Allobservers ") + QString::number(game.gameNumber()));
    case 12:
        return send(QStringLiteral("Decline"));
    case 15:
        return examinedOr(game, "Back", Action::ListBack);
    case 16:
        return examinedOr(game, "Forward", Action::ListForward);
    case 17:
        return send(QStringLiteral("Forward 4"));
    case 18:
        return {Action::Flip, {}};
    case 20:
        return {Action::Promote, {}};
    case 21:
        return send(QStringLiteral("Say ") + helloText);
    case 22:
        return {Action::ListBack, {}};
    case 23:
        return examinedOr(game, "Revert", Action::ListRevert);
    case 24:
        return {Action::ListForward, {}};
    default:
        return {};
    }
}

} // namespace GameButtons
