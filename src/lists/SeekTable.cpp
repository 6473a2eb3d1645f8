#include "lists/SeekTable.h"

#include <array>
#include <optional>

namespace {

enum class Column { Number, Rating, Name, Time, Increment, Rated, Type };
constexpr int ColumnCount = 7;

constexpr std::array<Column, ColumnCount> FicsOrder{Column::Number, Column::Rating, Column::Name,
                                                    Column::Time,   Column::Increment,
                                                    Column::Rated,  Column::Type};
constexpr std::array<Column, ColumnCount> IccOrder{Column::Number, Column::Rating, Column::Name,
                                                   Column::Type,   Column::Time,
                                                   Column::Increment, Column::Rated};

// The largest value taken from a column; longer digit runs do not fit.
constexpr int MaxDigits = 9;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<int> wholeNumber(const QByteArray& word)
{
    if (word.isEmpty() || word.size() > MaxDigits)
        return std::nullopt;
    int value = 0;
    for (char c : word) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The leading digits; 0 when there are none or too many to be a rating.
int leadingDigits(const QByteArray& word)
{
    int value = 0;
    int digits = 0;
    for (char c : word) {
        if (!isDigit(c))
            break;
        if (++digits > MaxDigits)
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct LineState
{
    TSeek seek;
    bool valid = true;
    int words = 0;
    QByteArray word;

    void storeWord(Column column)
    {
        switch (column) {
        case Column::Number:
            store(seek.number);
            break;
        case Column::Time:
            store(seek.time);
            break;
        case Column::Increment:
            store(seek.increment);
            break;
        case Column::Rating:
            seek.rating = leadingDigits(word);
            break;
        case Column::Name:
            seek.name = word;
            break;
        case Column::Rated: {
            const QByteArray upper = word.toUpper();
            seek.rated = upper == "RATED";
            if (!seek.rated && upper != "UNRATED")
                valid = false;
            break;
        }
        case Column::Type:
            seek.type = word.toUpper();
            break;
        }
    }

    void store(int& field)
    {
        const std::optional<int> value = wholeNumber(word);
        if (value)
            field = *value;
        else
            valid = false;
    }
};

void complete(TSeek& seek)
{
    const int cut = seek.name.indexOf('(');
    seek.computer = seek.name.contains("(C)");
    if (cut >= 0)
        seek.name.truncate(cut);
    seek.expectedTime = (seek.time == 0 && seek.increment == 0)
                            ? SeekTable::UntimedExpectedTime
                            : seek.time + 2 * seek.increment / 3;
    seek.wild = seek.type.contains("WILD") || seek.type.contains("SUICIDE");
    seek.atomic = seek.type.contains("ATOMIC");
    seek.shape = seek.wild ? 2 : seek.atomic ? 3 : seek.computer ? 1 : 0;
}

} // namespace

void SeekTable::parse(QByteArrayView text, ServerProtocol protocol)
{
    m_seeks.clear();
    const auto& order = protocol == ServerProtocol::Icc ? IccOrder : FicsOrder;
    LineState state;
    const auto endLine = [&] {
        // A word still open at the line end is finished too: the server ends
        // lines with a blank, and a last line may lack its line end.
        if (!state.word.isEmpty()) {
            if (state.words < ColumnCount)
                state.storeWord(order[state.words]);
            ++state.words;
        }
        if (state.valid && state.words >= ColumnCount && m_seeks.size() < MaxSeeks) {
            complete(state.seek);
            m_seeks.append(state.seek);
        }
        state = LineState();
    };
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            endLine();
        } else if (c == ' ') {
            if (!state.word.isEmpty()) {
                if (state.words < ColumnCount)
                    state.storeWord(order[state.words]);
                ++state.words;
                state.word.clear();
                state.seek.line += ' ';
            }
        } else if (byte >= 33 && byte <= 127) {
            state.word += c;
            state.seek.line += c;
        }
    }
    endLine();
}
