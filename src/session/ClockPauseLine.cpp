#include "session/ClockPauseLine.h"

#include "session/ServerText.h"
#include "session/TParsing.h"

namespace {
const QByteArrayView Paused = "Game clock paused.";
const QByteArrayView Resumed = "Game clock resumed.";
const QByteArrayView GamePrefix = "Game ";
} // namespace

std::optional<ClockPauseLine> ClockPauseLine::parse(QByteArrayView line)
{
    const QByteArrayView text = TParsing::trimmed(line);
    ClockPauseLine result;
    if (text.endsWith(Paused))
        result.paused = true;
    else if (!text.endsWith(Resumed))
        return std::nullopt;
    const QByteArrayView before = text.first(text.size() - (result.paused ? Paused : Resumed).size());
    if (before.isEmpty())
        return result;
    // "Game 12: Game clock paused." names an observed game; other text before it does not
    // belong to the notice.
    if (before.size() <= GamePrefix.size() + 2 || !before.startsWith(GamePrefix)
        || !before.endsWith(": "))
        return std::nullopt;
    const QByteArrayView number = before.sliced(GamePrefix.size(), before.size() - GamePrefix.size() - 2);
    for (const char c : number) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    result.game = ServerText::readInteger(number);
    return result.game > 0 ? std::optional(result) : std::nullopt;
}
