#pragma once

// One move of a game: a piece going from one square to another, or a bughouse drop.
// Squares are 0..63 with a1 = 0, b1 = 1, ..., h8 = 63.
struct ChessMove
{
    int from = -1; // -1 for a drop
    int to = -1;
    char promotion = 0; // 'q', 'r', 'b', 'n' when a pawn reaches the last rank
    char drop = 0;      // 'P', 'N', 'B', 'R', 'Q' for a piece put down from the holdings

    bool isDrop() const { return drop != 0; }
    bool operator==(const ChessMove&) const = default;
};
