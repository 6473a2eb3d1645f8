// The style 12 board line, fields separated by single blanks:
//
//   <12> r8 r7 r6 r5 r4 r3 r2 r1 side dblpush wOO wOOO bOO bOOO irrev game white black
//        relation minutes increment wstrength bstrength wsecs bsecs moveno verbose time
//        pretty flip [anything newer servers append]
//
// Ranks run from rank 8 to rank 1, eight characters each ("-" for an empty square).
// Field numbers below count the "<12>" marker as field 0.

#include "games/ParseStyle12.h"

#include "games/Style12Record.h"

#include <QByteArrayView>
#include <QElapsedTimer>
#include <array>
#include <limits>
#include <optional>

namespace {

constexpr int FieldCount = 31;
constexpr int RankLength = 8;

bool isBlankOrControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' || byte == 0x7f;
}

QByteArrayView trimmedLine(QByteArrayView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlankOrControl(line[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

// Views into the line, without copies: every board line of every observed game passes here.
using Fields = std::array<QByteArrayView, FieldCount>;

// Splitting stops at the first empty field, so "a  b" yields only "a". Returns the count.
int splitFields(QByteArrayView line, Fields& fields)
{
    const QByteArrayView rest = trimmedLine(line);
    int count = 0;
    qsizetype start = 0;
    while (count < FieldCount && start < rest.size()) {
        qsizetype blank = rest.indexOf(' ', start);
        if (blank < 0)
            blank = rest.size();
        if (blank == start)
            break;
        fields[count++] = rest.sliced(start, blank - start);
        start = blank + 1;
    }
    return count;
}

std::optional<qint64> decimal(QByteArrayView field)
{
    qsizetype i = 0;
    const bool negative = field.startsWith('-');
    if (negative || field.startsWith('+'))
        i = 1;
    if (i >= field.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    return negative ? -value : value;
}

// A decimal integer times scale that still fits into 32 bits.
bool scaledInt32(QByteArrayView field, qint64 scale, LittleEndianInt32& out)
{
    const std::optional<qint64> value = decimal(field);
    if (!value)
        return false;
    const qint64 scaled = *value * scale;
    if (scaled < std::numeric_limits<qint32>::min() || scaled > std::numeric_limits<qint32>::max())
        return false;
    out = static_cast<qint32>(scaled);
    return true;
}

quint8 startsWith(QByteArrayView field, char c)
{
    return field.startsWith(c) ? 1 : 0;
}

quint32 millisecondTick()
{
    // The monotonic clock's reference is the boot time: the tick count that wraps in 32 bits.
    QElapsedTimer timer;
    timer.start();
    return static_cast<quint32>(timer.msecsSinceReference());
}

} // namespace

bool ParseStyle12(const QByteArray& line, Style12Record& record)
{
    record.ReceivedTick = millisecondTick();
    Fields f;
    if (splitFields(line, f) < FieldCount)
        return false;

    for (int field = 8; field >= 1; --field) {
        const QByteArrayView rank = f[field];
        if (rank.size() < RankLength)
            return false;
        for (int k = 0; k < RankLength; ++k)
            record.Squares[(field - 1) * 8 + k] = pieceCodeFromLetter(rank[k]);
    }

    record.WhitesMove = startsWith(f[9], 'W');
    if (!scaledInt32(f[10], 1, record.LastDblPPush))
        return false;
    record.WCanCastleKS = startsWith(f[11], '1');
    record.WCanCastleQS = startsWith(f[12], '1');
    record.BCanCastleKS = startsWith(f[13], '1');
    record.BCanCastleQS = startsWith(f[14], '1');
    if (!scaledInt32(f[16], 1, record.GameNumber))
        return false;
    record.WhiteName.setValue(f[17]);
    record.BlackName.setValue(f[18]);
    const bool numbersRead = scaledInt32(f[19], 1, record.Relation)
                             && scaledInt32(f[20], 60000, record.InitialTime)
                             && scaledInt32(f[21], 1000, record.Increment)
                             && scaledInt32(f[22], 1, record.WhiteStrength)
                             && scaledInt32(f[23], 1, record.BlackStrength)
                             && scaledInt32(f[24], 1000, record.WhiteTime)
                             && scaledInt32(f[25], 1000, record.BlackTime)
                             && scaledInt32(f[26], 1, record.MoveNumber);
    // Plies are counted in an int: a move number beyond any real game is a broken line.
    if (!numbersRead || record.MoveNumber < 0 || record.MoveNumber > Style12Record::MaxMoveNumber)
        return false;
    record.VerboseMove.setValue(f[27]);
    record.MoveTime.setValue(f[28]);
    record.PrettyMove.setValue(f[29]);
    record.Flip = startsWith(f[30], '1');
    record.LiveGame = qAbs(qint64(record.Relation.value())) < 2 ? 1 : 0;
    return true;
}
