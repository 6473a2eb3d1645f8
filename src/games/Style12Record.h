#pragma once

#include "games/PackedFields.h"
#include "games/PieceCode.h"

#include <cstddef>

// One position as the server's style 12 board line describes it. The layout is fixed to the
// byte: game files are sequences of these records, so it must not change with the compiler
// or the host's byte order. Squares are row-major from white's view: row 0 is rank 8,
// column 0 is file a.
struct Style12Record
{
    PieceCode Squares[64] = {};
    quint8 WCanCastleQS = 0;
    quint8 WCanCastleKS = 0;
    quint8 BCanCastleQS = 0;
    quint8 BCanCastleKS = 0;
    quint8 WhitesMove = 0;
    LittleEndianInt32 GameNumber;
    LittleEndianInt32 LastDblPPush; // file 0..7 of a pawn that just moved two squares, -1 none
    ShortText<20> WhiteName;
    ShortText<20> BlackName;
    LittleEndianInt32 Relation; // -3 isolated, -2/0 observing, -1/1 playing, 2 examining
    LittleEndianInt32 InitialTime; // milliseconds
    LittleEndianInt32 Increment; // milliseconds
    LittleEndianInt32 WhiteStrength;
    LittleEndianInt32 BlackStrength;
    LittleEndianInt32 WhiteTime; // milliseconds, may be negative
    LittleEndianInt32 BlackTime;
    LittleEndianInt32 MoveNumber; // white's and black's first moves are both move 1
    ShortText<8> VerboseMove; // P/e2-e4, o-o, P/@@-d4, none
    ShortText<10> MoveTime;
    ShortText<12> PrettyMove;
    quint8 Flip = 0; // the server wants black at the bottom
    LittleEndianUInt32 ReceivedTick; // informational only
    quint8 LiveGame = 0; // |Relation| < 2

    // No game reaches this move; beyond it a record is broken (and plies would overflow).
    static constexpr int MaxMoveNumber = 1000000;

    // Orders the records of one game: the starting position (move 1, white to move) is 2.
    int PlyIndex() const { return MoveNumber.value() * 2 + 1 - WhitesMove; }

    PieceCode square(int row, int column) const { return Squares[row * 8 + column]; }
};

static_assert(sizeof(Style12Record) == 190);
static_assert(offsetof(Style12Record, GameNumber) == 69);
static_assert(offsetof(Style12Record, WhiteName) == 77);
static_assert(offsetof(Style12Record, BlackName) == 98);
static_assert(offsetof(Style12Record, Relation) == 119);
static_assert(offsetof(Style12Record, MoveNumber) == 147);
static_assert(offsetof(Style12Record, VerboseMove) == 151);
static_assert(offsetof(Style12Record, MoveTime) == 160);
static_assert(offsetof(Style12Record, PrettyMove) == 171);
static_assert(offsetof(Style12Record, Flip) == 184);
static_assert(offsetof(Style12Record, ReceivedTick) == 185);
static_assert(offsetof(Style12Record, LiveGame) == 189);
