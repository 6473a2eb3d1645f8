#pragma once

#include "ficsim/chess/ChessMove.h"

#include <QByteArray>

#include <optional>

class ChessPosition;

// Move texts as a FICS server reads and writes them.
//
// Read: coordinates ("e2e4", "e2-e4", "e7e8q", "e7e8=q", "e1g1"), castling ("o-o",
// "O-O-O", "0-0"), short algebraic ("Nf3", "exd5", "Nbd7", "e8=Q", "Qh4+") and drops
// ("P@e4", "n@f3"). A text that names no legal move, or more than one, is refused.
// Written: the short algebraic form with "+" after a checking move (mate too, as the
// server shows it), the verbose form of style 12 ("P/e2-e4", "o-o", "P/@@-d4") and the
// coordinate form an engine understands ("e7e8q", "P@d4").
namespace MoveNotation {

// Whether a text has the shape of a move (it may still be illegal): commands never do.
bool looksLikeMove(const QByteArray& text);
// A pawn reaching the last rank without a named piece becomes `promotion`.
std::optional<ChessMove> parse(const ChessPosition& position, const QByteArray& text,
                               char promotion = 'q');
QByteArray san(const ChessPosition& before, const ChessMove& move);
QByteArray verbose(const ChessPosition& before, const ChessMove& move);
QByteArray coordinate(const ChessMove& move);

} // namespace MoveNotation
