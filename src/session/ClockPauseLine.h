#pragma once

#include <QByteArrayView>
#include <optional>

// The server's notice that a game's clocks stopped or run again: "Game clock paused." and
// "Game clock resumed.", to the players as they are, to observers after "Game N: ".
struct ClockPauseLine
{
    bool paused = false;
    int game = 0; // 0: the game the user plays

    static std::optional<ClockPauseLine> parse(QByteArrayView line);
};
