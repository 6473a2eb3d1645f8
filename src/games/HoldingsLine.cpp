#include "games/HoldingsLine.h"

namespace {

HoldingsLine::Counts countPieces(const QByteArray& upper, qsizetype from, qsizetype to)
{
    static constexpr char Letters[] = "PNBRQK";
    HoldingsLine::Counts counts{};
    for (qsizetype i = from; i < to && upper[i] != ']'; ++i) {
        for (int kind = 0; kind < 6; ++kind) {
            if (upper[i] == Letters[kind])
                ++counts[kind];
        }
    }
    return counts;
}

} // namespace

std::optional<HoldingsLine> HoldingsLine::parse(const QByteArray& line)
{
    const QByteArray upper = line.toUpper();
    const qsizetype white = upper.indexOf("WHITE");
    if (white < 0)
        return std::nullopt;
    const qsizetype black = upper.indexOf("BLACK", white + 5);
    if (black < 0)
        return std::nullopt;
    HoldingsLine holdings;
    holdings.white = countPieces(upper, white + 5, black);
    holdings.black = countPieces(upper, black + 5, upper.size());
    return holdings;
}
