#pragma once

#include <QPoint>
#include <optional>
#include <utility>

struct Style12Record;

// Which new positions slide a piece instead of jumping: only the next half-move of the
// same game, not the user's own moves (already drawn when made) nor isolated positions, and
// only moves whose from- and to-squares can be read (castling and drops cannot).
class MoveAnimationRule
{
public:
    using SquarePair = std::pair<QPoint, QPoint>; // display (column, row) from and to

    static std::optional<SquarePair> squaresToSlide(const Style12Record& last,
                                                    const Style12Record& next, int moveSpeed,
                                                    bool reversed);
};
