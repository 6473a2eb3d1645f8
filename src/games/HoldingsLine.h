#pragma once

#include <QByteArray>
#include <array>
#include <optional>

// The pieces in hand of a crazyhouse or bughouse game:
//   <b1> game 7 white [PPN] black [Q] <- BQ
// Counts are in the order pawn, knight, bishop, rook, queen, king.
struct HoldingsLine
{
    using Counts = std::array<int, 6>;
    Counts white{};
    Counts black{};

    // None when the line lacks "white" followed by "black".
    static std::optional<HoldingsLine> parse(const QByteArray& line);
};
