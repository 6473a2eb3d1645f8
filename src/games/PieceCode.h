#pragma once

#include <QtGlobal>

// One byte per square of a position: 0 empty, 1..6 white pawn to king, 7..12 black.
enum class PieceCode : quint8
{
    Empty = 0,
    WhitePawn = 1,
    WhiteKnight = 2,
    WhiteBishop = 3,
    WhiteRook = 4,
    WhiteQueen = 5,
    WhiteKing = 6,
    BlackPawn = 7,
    BlackKnight = 8,
    BlackBishop = 9,
    BlackRook = 10,
    BlackQueen = 11,
    BlackKing = 12,
};

// The kind of a piece regardless of colour, in the order the piece sets list their pictures.
enum class PieceKind
{
    Pawn = 0,
    Knight = 1,
    Bishop = 2,
    Rook = 3,
    Queen = 4,
    King = 5,
};

inline constexpr int PieceKindCount = 6;

// Letter of the style 12 rank strings ("P".."K", "p".."k"); anything else is an empty square.
PieceCode pieceCodeFromLetter(char letter);
char pieceLetter(PieceCode code); // '-' for an empty square
bool isWhitePiece(PieceCode code);
bool isBlackPiece(PieceCode code);
PieceKind pieceKindOf(PieceCode code); // code must not be Empty
PieceCode pieceCodeOf(PieceKind kind, bool white);
