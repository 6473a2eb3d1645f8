#include "session/TParsing.h"

#include "session/ServerText.h"

#include <array>
#include <bit>

namespace {

constexpr std::array<TParse, 40> Table{{
    {LineClass::Holdings, "<B1> GAME"},
    {LineClass::Style12, "<12>"},
    {LineClass::GameResult, "{GAME"},
    {LineClass::IllegalMove, "ILLEGAL MOVE"},
    {LineClass::NoAds, "NO ADS"},
    {LineClass::GameLeft, "REMOVING GAME"},
    {LineClass::GameLeft, "YOU ARE NO LONGER EXAMINING"},
    {LineClass::GameLeft, "YOU ARE NO LONGER OBSERVING"},
    {LineClass::PartnerIs, "YOUR PARTNER IS"},
    {LineClass::KibitzTarget, "YOUR KIBITZES AND WHISPERS WILL NOW GO TO"},
    {LineClass::Continuation, "\\"},
    {LineClass::Shout, "-->"},
    {LineClass::CShout, "* C-SHOUTS"},
    {LineClass::Thanks, "* SAYS THANK"},
    {LineClass::Thanks, "* SAYS THX"},
    {LineClass::Say, "* SAYS"},
    {LineClass::Shout, "* SHOUTS"},
    {LineClass::CShout, "* S-SHOUTS"},
    {LineClass::Whisper, "* WHISPERS"},
    {LineClass::Thanks, "* TELLS YOU THANK"},
    {LineClass::Thanks, "* TELLS YOU THX"},
    {LineClass::Tell, "* TELLS"},
    {LineClass::Kibitz, "* KIBITZES"},
    {LineClass::PartnerTell, "* PTELLS"},
    {LineClass::PartnerTell, "* (YOUR PARTNER) TELLS"},
    {LineClass::DrawOffer, "* OFFERS YOU A DRAW"},
    {LineClass::AbortRequest, "* WOULD LIKE TO ABORT"},
    {LineClass::AdjournRequest, "* WOULD LIKE TO ADJOURN"},
    {LineClass::TakebackRequest, "* WOULD LIKE TO TAKE BACK"},
    {LineClass::PauseRequest, "* REQUESTS TO PAUSE"},
    {LineClass::TimeAdded, "YOUR OPPONENT HAS ADDED"},
    {LineClass::Arrival, "NOTIFICATION: * HAS ARRIVED"},
    {LineClass::Challenge, "CHALLENGE:"},
    {LineClass::DrawOffer, "YOUR OPPONENT OFFERS YOU A DRAW"},
    {LineClass::AbortRequest, "YOUR OPPONENT REQUESTS THAT THE GAME BE ABORTED"},
    {LineClass::AdjournRequest, "YOUR OPPONENT REQUESTS THAT THE GAME BE ADJOURNED"},
    {LineClass::TakebackRequest, "YOUR OPPONENT REQUESTS TAKEBACK"},
    {LineClass::GameCreated, "CREATING: "},
    {LineClass::TimeAdded, "* has added * seconds to your clock"},
    {LineClass::GameInfo, "<G1> "},
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

LineClass TParsing::classify(QByteArrayView line, QByteArrayView firstWord)
{
    static const RowIndex index;
    const QByteArrayView text = trimmed(line);
    if (text.size() > 3 && firstWord.size() >= 2 && firstWord.endsWith("):"))
        return LineClass::ChannelTell;
    if (text.isEmpty())
        return LineClass::None;

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
    return LineClass::None;
}
