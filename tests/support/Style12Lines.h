#pragma once

#include "games/Style12Record.h"

#include <QByteArray>

// Style 12 board lines for tests, built from the fields a test cares about.
struct Style12Line
{
    QByteArray ranks = "rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP RNBQKBNR";
    bool whitesMove = true;
    int game = 1;
    QByteArray white = "alice";
    QByteArray black = "bob";
    int relation = 0;
    int initialMinutes = 5;
    int increment = 0;
    int whiteStrength = 39;
    int blackStrength = 39;
    int whiteSeconds = 300;
    int blackSeconds = 300;
    int moveNumber = 1;
    QByteArray verboseMove = "none";
    QByteArray prettyMove = "none";
    int flip = 0;

    QByteArray text() const;
    Style12Record record() const; // the parsed line; fails the test when it does not parse

    // The position after the given ply of a game of 1. e4 e5 2. Nf3 Nc6 (0 to 4 plies).
    static Style12Line openingPly(int ply, int game = 1, int relation = 0);
};
