#include "session/TParsing.h"

#include "session/ServerText.h"

#include <array>

namespace {

constexpr std::array<TParse, 40> Table{{
    {1, "<B1> GAME"},
    {2, "<12>"},
    {27, "{GAME"},
    {4, "ILLEGAL MOVE"},
    {5, "NO ADS"},
    {6, "REMOVING GAME"},
    {6, "YOU ARE NO LONGER EXAMINING"},
    {6, "YOU ARE NO LONGER OBSERVING"},
    {7, "YOUR PARTNER IS"},
    {8, "YOUR KIBITZES AND WHISPERS WILL NOW GO TO"},
    {9, "\\"},
    {10, "-->"},
    {11, "* C-SHOUTS"},
    {12, "* SAYS THANK"},
    {12, "* SAYS THX"},
    {13, "* SAYS"},
    {10, "* SHOUTS"},
    {11, "* S-SHOUTS"},
    {17, "* WHISPERS"},
    {12, "* TELLS YOU THANK"},
    {12, "* TELLS YOU THX"},
    {14, "* TELLS"},
    {15, "* KIBITZES"},
    {16, "* PTELLS"},
    {16, "* (YOUR PARTNER) TELLS"},
    {19, "* OFFERS YOU A DRAW"},
    {20, "* WOULD LIKE TO ABORT"},
    {21, "* WOULD LIKE TO ADJOURN"},
    {22, "* WOULD LIKE TO TAKE BACK"},
    {23, "* REQUESTS TO PAUSE"},
    {24, "YOUR OPPONENT HAS ADDED"},
    {25, "NOTIFICATION: * HAS ARRIVED"},
    {26, "CHALLENGE:"},
    {19, "YOUR OPPONENT OFFERS YOU A DRAW"},
    {20, "YOUR OPPONENT REQUESTS THAT THE GAME BE ABORTED"},
    {21, "YOUR OPPONENT REQUESTS THAT THE GAME BE ADJOURNED"},
    {22, "YOUR OPPONENT REQUESTS TAKEBACK"},
    {3, "CREATING: "},
    {24, "* has added * seconds to your clock"},
    {28, "<G1> "},
}};

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

QByteArrayView TParsing::trimmed(QByteArrayView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

bool TParsing::matches(QByteArrayView line, QByteArrayView pattern)
{
    return matchesFrom(line, 0, pattern);
}

bool TParsing::matchesFrom(QByteArrayView line, qsizetype at, QByteArrayView pattern)
{
    for (const char p : pattern) {
        if (p == '*') {
            while (at < line.size() && line[at] != ' ')
                ++at;
            continue;
        }
        if (at >= line.size() || ServerText::upperAscii(line[at]) != ServerText::upperAscii(p))
            return false;
        ++at;
        if (p == ' ') {
            while (at < line.size() && line[at] == ' ')
                ++at;
        }
    }
    return true;
}

int TParsing::classify(QByteArrayView line, QByteArrayView firstWord)
{
    const QByteArrayView text = trimmed(line);
    if (text.size() > 3 && firstWord.size() >= 2 && firstWord.endsWith("):"))
        return ChannelTellClass;
    if (text.isEmpty())
        return NoClass;

    // Most rows begin with a word of any length ("* TELLS"): skip it once for all of
    // them, and let the first letters turn away the rows that cannot match.
    qsizetype afterFirstWord = text.indexOf(' ');
    if (afterFirstWord < 0)
        afterFirstWord = text.size();
    qsizetype secondWord = afterFirstWord;
    while (secondWord < text.size() && text[secondWord] == ' ')
        ++secondWord;
    const char firstLetter = ServerText::upperAscii(text[0]);
    const char secondLetter =
        secondWord < text.size() ? ServerText::upperAscii(text[secondWord]) : '\0';

    for (const TParse& row : Table) {
        const QByteArrayView pattern = row.pattern;
        bool matched;
        if (pattern[0] == '*') {
            matched = afterFirstWord < text.size()
                      && ServerText::upperAscii(pattern[2]) == secondLetter
                      && matchesFrom(text, afterFirstWord, pattern.sliced(1));
        } else {
            matched = ServerText::upperAscii(pattern[0]) == firstLetter
                      && matchesFrom(text, 0, pattern);
        }
        if (matched)
            return row.lineClass;
    }
    return NoClass;
}
