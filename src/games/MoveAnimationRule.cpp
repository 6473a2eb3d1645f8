#include "games/MoveAnimationRule.h"

#include "games/BoardOrientation.h"
#include "games/Style12Record.h"

namespace {
constexpr int OpponentToMove = -1;
constexpr int IsolatedPosition = -3;
} // namespace

std::optional<MoveAnimationRule::SquarePair> MoveAnimationRule::squaresToSlide(
    const Style12Record& last, const Style12Record& next, int moveSpeed, bool reversed)
{
    const int relation = next.Relation.value();
    if (moveSpeed <= 0 || next.GameNumber.value() != last.GameNumber.value()
        || relation == OpponentToMove || relation == IsolatedPosition
        || next.PlyIndex() != last.PlyIndex() + 1)
        return std::nullopt;
    // P/e2-e4: characters 3-4 and 6-7 (1-based) name the squares.
    const QByteArray move = next.VerboseMove.value();
    const auto from = BoardOrientation::parseSquare(move.mid(2, 2), reversed);
    const auto to = BoardOrientation::parseSquare(move.mid(5, 2), reversed);
    if (!from || !to)
        return std::nullopt;
    return SquarePair(*from, *to);
}

bool MoveAnimationRule::setsPace(const Style12Record& record)
{
    return record.Relation.value() != OpponentToMove;
}

bool MoveAnimationRule::atHumanPace(qint64 sincePreviousPosition)
{
    return sincePreviousPosition < 0 || sincePreviousPosition >= HumanPaceMilliseconds;
}
