#include "games/PgnExport.h"

#include <QFile>

namespace {

constexpr qsizetype LineLength = 73;
const QByteArray StandardStartFen =
    QByteArrayLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");

// Tag values are server text: a quote or backslash would end the value early.
QByteArray tagLine(const char* name, const QByteArray& value)
{
    QByteArray escaped;
    for (const char c : value) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        if (uchar(c) >= 32)
            escaped += c;
    }
    return QByteArray("[") + name + " \"" + escaped + "\"]\n";
}

QByteArray placement(const Style12Record& record)
{
    QByteArray text;
    for (int row = 0; row < 8; ++row) {
        int empty = 0;
        for (int column = 0; column < 8; ++column) {
            const PieceCode code = record.square(row, column);
            if (code == PieceCode::Empty) {
                ++empty;
                continue;
            }
            if (empty > 0)
                text += QByteArray::number(empty);
            empty = 0;
            text += pieceLetter(code);
        }
        if (empty > 0)
            text += QByteArray::number(empty);
        if (row < 7)
            text += '/';
    }
    return text;
}

QByteArray castling(const Style12Record& record)
{
    QByteArray text;
    if (record.WCanCastleKS)
        text += 'K';
    if (record.WCanCastleQS)
        text += 'Q';
    if (record.BCanCastleKS)
        text += 'k';
    if (record.BCanCastleQS)
        text += 'q';
    return text.isEmpty() ? QByteArray("-") : text;
}

QByteArray enPassant(const Style12Record& record)
{
    const qint32 file = record.LastDblPPush;
    if (file < 0 || file > 7)
        return "-";
    // The pawn moved by the side that is not to move; it passed over rank 3 or rank 6.
    return QByteArray(1, char('a' + file)) + (record.WhitesMove ? "6" : "3");
}

} // namespace

namespace PgnExport {

QByteArray fen(const Style12Record& record)
{
    return placement(record) + ' ' + (record.WhitesMove ? 'w' : 'b') + ' ' + castling(record) +
           ' ' + enPassant(record) + " 0 " + QByteArray::number(qMax(1, qint32(record.MoveNumber)));
}

bool isStandardStart(const Style12Record& record)
{
    return fen(record) == StandardStartFen;
}

QByteArray gameText(const QList<Style12Record>& records, const QByteArray& result,
                    const QDate& date)
{
    if (records.isEmpty())
        return {};
    const Style12Record& first = records.first();
    QByteArray out = "\n";
    out += tagLine("Event", "ICS Game");
    out += tagLine("Site", "ICS");
    out += tagLine("Date", date.toString(QStringLiteral("yyyy.MM.dd")).toLatin1());
    out += tagLine("White", first.WhiteName.value());
    out += tagLine("Black", first.BlackName.value());
    if (!result.isEmpty())
        out += tagLine("Result", result);
    if (!isStandardStart(first)) {
        out += tagLine("SetUp", "1");
        out += tagLine("FEN", fen(first));
    }
    out += '\n';

    QByteArray text;
    bool firstMove = true;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const Style12Record& record = records.at(i);
        if (!record.WhitesMove)
            text += QByteArray::number(qint32(record.MoveNumber)) + ". ";
        else if (firstMove)
            text += QByteArray::number(qint32(record.MoveNumber) - 1) + "... ";
        text += record.PrettyMove.value() + ' ';
        firstMove = false;
        if (text.size() > LineLength) {
            out += text + '\n';
            text.clear();
        }
    }
    out += text + ' ' + (result.isEmpty() ? QByteArray("*") : result) + '\n';
    return out;
}

bool append(const QString& path, const QList<Style12Record>& records, const QByteArray& result,
            const QDate& date, QString* error)
{
    if (records.isEmpty())
        return true;
    QFile file(path);
    const QByteArray text = gameText(records, result, date);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(text) != text.size() ||
        !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace PgnExport
