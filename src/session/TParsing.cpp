#include "session/TParsing.h"

#include "session/ServerText.h"

#include <array>
#include <bit>

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

namespace {

// For each upper-cased letter, the rows (as bits, row 0 lowest) that can match a
// line whose first word, or whose second word for rows beginning with "*",
// begins with it. Only those rows are tried, still in table order.
struct RowIndex
{
    std::array<quint64, 256> byFirstLetter{};
    std::array<quint64, 256> bySecondLetter{};

    RowIndex()
    {
        for (size_t row = 0; row < Table.size(); ++row) {
            const QByteArrayView pattern = Table[row].pattern;
            const bool star = pattern[0] == '*';
            const auto letter = static_cast<unsigned char>(
                ServerText::upperAscii(star ? pattern[2] : pattern[0]));
            (star ? bySecondLetter : byFirstLetter)[letter] |= quint64(1) << row;
        }
    }
};

} // namespace

int TParsing::classify(QByteArrayView line, QByteArrayView firstWord)
{
    static const RowIndex index;
    const QByteArrayView text = trimmed(line);
    if (text.size() > 3 && firstWord.size() >= 2 && firstWord.endsWith("):"))
        return ChannelTellClass;
    if (text.isEmpty())
        return NoClass;

    // Rows beginning with "*" match from the end of the first word; it is found once.
    qsizetype afterFirstWord = text.indexOf(' ');
    if (afterFirstWord < 0)
        afterFirstWord = text.size();
    qsizetype secondWord = afterFirstWord;
    while (secondWord < text.size() && text[secondWord] == ' ')
        ++secondWord;

    quint64 candidates =
        index.byFirstLetter[static_cast<unsigned char>(ServerText::upperAscii(text[0]))];
    if (secondWord < text.size()) {
        candidates |= index.bySecondLetter[static_cast<unsigned char>(
            ServerText::upperAscii(text[secondWord]))];
    }
    for (; candidates != 0; candidates &= candidates - 1) {
        const TParse& row = Table[size_t(std::countr_zero(candidates))];
        const bool matched = row.pattern[0] == '*'
                                 ? matchesFrom(text, afterFirstWord, row.pattern.sliced(1))
                                 : matchesFrom(text, 0, row.pattern);
        if (matched)
            return row.lineClass;
    }
    return NoClass;
}
