#pragma once

#include "games/Style12Record.h"

#include <QList>
#include <QString>

// The client's own game file (".ql"): the move list's records, 190 bytes each, one after the
// other, with no header. Written records say "observing an examined game", so a loaded game
// is only ever reviewed.
namespace QlGameFile {

// A file beyond this is not a game of ours; refusing it keeps a stray file from filling memory.
inline constexpr qint64 MaxFileSize = qint64(sizeof(Style12Record)) * 20000;

struct Loaded
{
    QList<Style12Record> records;
    QString error;         // the file could not be read at all (then records is empty)
    qint64 ignoredBytes = 0; // bytes after the last whole record
    int repairedRecords = 0; // records with piece codes, texts or numbers out of range
};

// Writes the records (an existing file is replaced). Nothing is written for an empty list.
// False with error set when the file cannot be written.
bool save(const QList<Style12Record>& records, const QString& path, QString* error);

Loaded load(const QString& path);

// Makes a record read from disk safe to show: unknown piece codes become empty squares, text
// lengths are cut to their fields, flags become 0/1, the move number is held to a real game's.
// True when something had to change.
bool repair(Style12Record& record);

} // namespace QlGameFile
