#pragma once

#include <QByteArray>
#include <QString>
#include <array>

struct GameInfo;
struct Style12Record;

// The texts a board window derives from a position.
namespace BoardTexts {

// "12: alice(1586E) vs bob(1500) blitz Rated 5/0"
QString caption(const Style12Record& record, const GameInfo& info);

// The last move above the player labels: "12. ... Nf6", "12. Nf3 ...", "1. ...", or empty.
QString lastMove(const Style12Record& record);

// A move-list entry: "Moves" for the start, "1w. e4", "1b. e5".
QString moveListEntry(const Style12Record& record);

// A handle as the player labels show it.
QString shortName(const QByteArray& handle);

// Pieces one side has lost: pawn, knight, bishop, rook, queen, king (0 when a
// promotion left more on the board than a side starts with).
std::array<int, 6> lostPieces(const Style12Record& record, bool white);

} // namespace BoardTexts
