#include "games/BoardOrientation.h"

QByteArray BoardOrientation::squareName(int row, int column, bool reversed)
{
    const int file = reversed ? 7 - column : column;
    const int rank = reversed ? row + 1 : 8 - row;
    QByteArray name;
    name.append(char('a' + file));
    name.append(char('0' + rank));
    return name;
}

std::optional<QPoint> BoardOrientation::parseSquare(const QByteArray& text, bool reversed)
{
    const QByteArray upper = text.toUpper();
    for (qsizetype i = 0; i + 1 < upper.size(); ++i) {
        if (upper[i] < 'A' || upper[i] > 'H')
            continue;
        const char rankChar = upper[i + 1];
        if (rankChar < '1' || rankChar > '8')
            return std::nullopt;
        const int file = upper[i] - 'A';
        const int rank = rankChar - '0';
        if (reversed)
            return QPoint(7 - file, rank - 1);
        return QPoint(file, 8 - rank);
    }
    return std::nullopt;
}
