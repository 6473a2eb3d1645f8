#pragma once

#include <QPoint>
#include <optional>
#include <utility>

struct Style12Record;

// Which new positions slide a piece instead of jumping: only the next half-move of the
// same game, not the user's own moves (already drawn when made) nor isolated positions, and
// only moves whose from- and to-squares can be read (castling and drops cannot). Moves that
// follow one another faster than an eye can follow a slide jump, so a flood of positions
// costs no animation frames.
class MoveAnimationRule
{
public:
    using SquarePair = std::pair<QPoint, QPoint>; // display (column, row) from and to
    static constexpr qint64 HumanPaceMilliseconds = 250;

    // Whether a position that follows the one shown this many milliseconds ago comes at a
    // pace where a slide can be watched (negative: no position was shown yet).
    static bool atHumanPace(qint64 sincePreviousPosition);
    // Whether a position sets the pace: the echo of the user's own move does not, so that an
    // opponent who answers at once still has the answer slide.
    static bool setsPace(const Style12Record& record);

    static std::optional<SquarePair> squaresToSlide(const Style12Record& last,
                                                    const Style12Record& next, int moveSpeed,
                                                    bool reversed);
};
