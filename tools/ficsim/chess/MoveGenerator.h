#pragma once

#include "ficsim/chess/ChessMove.h"

#include <QList>

class ChessPosition;

// The legal moves of a position by the rules of chess, drops from the holdings included
// (a drop never puts a pawn on the first or last rank).
namespace MoveGenerator {

QList<ChessMove> legalMoves(const ChessPosition& position);
bool isAttacked(const ChessPosition& position, int square, bool byWhite);
// Whether the side to move is in check.
bool inCheck(const ChessPosition& position);
// Leaf count of the move tree to the given depth: the well-known check of a move generator.
quint64 perft(const ChessPosition& position, int depth);

} // namespace MoveGenerator
