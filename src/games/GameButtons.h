#pragma once

#include <QString>

class BoardGame;

// The game buttons of the board windows and the main window's game bar and Game menu
// share their tags; this says what a tag does on a board's game.
namespace GameButtons {

enum class Action
{
    None,
    Send,          // send the command text
    CloseOrAbort,
    ListBack,
    ListForward,
    ListRevert,
    Flip,
    Promote,
    Compose,       // open the chat window to compose a say, kibitz or whisper
    Autoflag,
};

struct Effect
{
    Action action = Action::None;
    QString command;
};

// helloText and goodGameText are the "Hello" and "GoodGame" settings.
Effect forTag(int tag, const BoardGame& game, const QString& helloText,
              const QString& goodGameText);

} // namespace GameButtons
