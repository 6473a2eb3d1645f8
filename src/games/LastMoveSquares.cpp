#include "games/LastMoveSquares.h"

namespace {

bool isSquare(const QByteArray& text)
{
    return text.size() == 2 && text[0] >= 'a' && text[0] <= 'h' && text[1] >= '1' &&
           text[1] <= '8';
}

} // namespace

LastMoveSquares LastMoveSquares::of(const Style12Record& record)
{
    const QByteArray move = record.VerboseMove.value();
    // The side that moved is the one not to move now.
    const QByteArray rank = record.WhitesMove ? "8" : "1";
    if (move == "o-o")
        return {"e" + rank, "g" + rank};
    if (move == "o-o-o")
        return {"e" + rank, "c" + rank};
    const qsizetype slash = move.indexOf('/');
    const qsizetype dash = move.indexOf('-', slash + 1);
    if (slash < 0 || dash < 0)
        return {};
    const QByteArray from = move.mid(slash + 1, dash - slash - 1);
    const QByteArray to = move.mid(dash + 1, 2);
    if (!isSquare(to))
        return {};
    return {isSquare(from) ? from : QByteArray(), to};
}
