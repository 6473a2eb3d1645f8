#pragma once

#include "games/BoardLook.h"

class TChessBoard;

// A board control's look read and set as one value. Setting it draws the board once more
// when anything it shows changed.
namespace BoardLookOnControl {

BoardLook lookOf(const TChessBoard& board);
void applyLook(TChessBoard& board, const BoardLook& look);

} // namespace BoardLookOnControl
