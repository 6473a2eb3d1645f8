#include "games/StrengthBars.h"

#include "session/ServerText.h"

#include <algorithm>
#include <cmath>

namespace {

int rating(const QByteArray& text)
{
    const int value = text.isEmpty() ? 1 : ServerText::leadingDigits(text);
    return value == 0 ? 1 : value;
}

// Rounds halves to even, in two steps as the bars have always been measured: first to a
// whole percentage, then to pixels.
int height(int value, int largest, int room)
{
    if (largest <= 0 || value <= 0)
        return 0;
    const double percent = std::nearbyint(double(value) / largest * 100.0);
    return int(std::nearbyint(percent * room / 100.0));
}

} // namespace

StrengthBars StrengthBars::compute(const QByteArray& whiteStrength, const QByteArray& blackStrength,
                                   const QByteArray& whiteRating, const QByteArray& blackRating,
                                   int room)
{
    const int ws = ServerText::leadingDigits(whiteStrength);
    const int bs = ServerText::leadingDigits(blackStrength);
    const int wr = rating(whiteRating);
    const int br = rating(blackRating);
    const int strongest = std::max(ws, bs);
    const int best = std::max(wr, br);
    return {height(ws, strongest, room), height(bs, strongest, room), height(wr, best, room),
            height(br, best, room)};
}
