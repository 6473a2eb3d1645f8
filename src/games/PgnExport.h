#pragma once

#include "games/Style12Record.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// PGN text of a board's move list, appended game after game to a file. The first record is
// the position the game starts from: the standard one, or one given by a FEN tag (a game
// observed from its middle, or examined from a set-up position).
namespace PgnExport {

// One game as it goes into the file: an empty line, the tags, an empty line, the moves broken
// after the first move that takes a line past 73 characters, and the result ("*" when the
// game has none).
QByteArray gameText(const QList<Style12Record>& records, const QByteArray& result,
                    const QDate& date);

// Appends gameText to the file, creating it when missing. Nothing for an empty list. False
// with error set when the file cannot be written.
bool append(const QString& path, const QList<Style12Record>& records, const QByteArray& result,
            const QDate& date, QString* error);

// Forsyth-Edwards notation of a record's position. The server does not say how many moves
// were made since the last capture or pawn move, so that count is 0.
QByteArray fen(const Style12Record& record);

bool isStandardStart(const Style12Record& record);

} // namespace PgnExport
