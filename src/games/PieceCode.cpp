#include "games/PieceCode.h"

namespace {
constexpr char Letters[] = "-PNBRQKpnbrqk";
}

PieceCode pieceCodeFromLetter(char letter)
{
    for (int code = 1; code <= 12; ++code) {
        if (Letters[code] == letter)
            return static_cast<PieceCode>(code);
    }
    return PieceCode::Empty;
}

char pieceLetter(PieceCode code)
{
    const int index = static_cast<int>(code);
    return index >= 0 && index <= 12 ? Letters[index] : '-';
}

bool isWhitePiece(PieceCode code)
{
    const int index = static_cast<int>(code);
    return index >= 1 && index <= 6;
}

bool isBlackPiece(PieceCode code)
{
    const int index = static_cast<int>(code);
    return index >= 7 && index <= 12;
}

PieceKind pieceKindOf(PieceCode code)
{
    return static_cast<PieceKind>((static_cast<int>(code) - 1) % PieceKindCount);
}

PieceCode pieceCodeOf(PieceKind kind, bool white)
{
    return static_cast<PieceCode>(static_cast<int>(kind) + 1 + (white ? 0 : PieceKindCount));
}
