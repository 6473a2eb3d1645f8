#include "games/GameEndLine.h"

bool GameEndLine::announcesStart() const
{
    const QByteArray words = reason.trimmed();
    return words.startsWith("Creating ") || words.startsWith("Continuing ");
}

bool GameEndLine::namesOtherPlayers(const QByteArray& white, const QByteArray& black) const
{
    return complete && names.contains(" vs. ") && names != white + " vs. " + black;
}

GameEndLine GameEndLine::parse(const QByteArray& line)
{
    GameEndLine end;
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.indexOf(')');
    const qsizetype brace = close < 0 ? -1 : line.indexOf('}', close);
    if (open >= 0 && close > open) {
        end.names = line.mid(open + 1, close - open - 1);
        end.complete = brace > close;
        end.reason = line.mid(close + 1, (brace > close ? brace : line.size()) - close - 1);
    } else {
        // Without the names the reason is whatever the braces hold.
        const qsizetype first = line.indexOf('}');
        end.reason = line.left(first < 0 ? line.size() : first);
    }
    const QByteArray tail = brace >= 0 ? line.mid(brace + 1) : line;
    if (tail.contains("0-1"))
        end.result = "0-1";
    else if (tail.contains("1-0"))
        end.result = "1-0";
    else if (tail.contains("1/2-1/2"))
        end.result = "1/2-1/2";
    return end;
}
