#pragma once

#include "games/Style12Record.h"

#include <QByteArray>

// The squares of the move that led to a position, for the board's highlight, read from
// the verbose move: "P/e2-e4", "o-o" and "o-o-o" (the king's squares), a drop
// "P/@@-d4" (its square only). Names are empty when the record names no move.
struct LastMoveSquares
{
    QByteArray from;
    QByteArray to;

    static LastMoveSquares of(const Style12Record& record);
};
