#include "games/QlGameFile.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

namespace {

constexpr qint64 RecordSize = qint64(sizeof(Style12Record));
constexpr qint32 ObservingExamined = -2;

template <int Capacity>
bool normalise(ShortText<Capacity>& text)
{
    if (text.lengthFits())
        return false;
    text.setValue(text.value());
    return true;
}

bool normaliseFlag(quint8& flag)
{
    if (flag <= 1)
        return false;
    flag = 1;
    return true;
}

} // namespace

namespace QlGameFile {

bool save(const QList<Style12Record>& records, const QString& path, QString* error)
{
    if (records.isEmpty())
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    for (Style12Record record : records) {
        record.Relation = ObservingExamined;
        file.write(reinterpret_cast<const char*>(&record), RecordSize);
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

Loaded load(const QString& path)
{
    Loaded loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = file.errorString();
        return loaded;
    }
    if (file.size() > MaxFileSize) {
        loaded.error = QStringLiteral("The file is larger than any game (%1 bytes).")
                           .arg(file.size());
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.error = file.errorString();
        return loaded;
    }
    const qint64 whole = bytes.size() / RecordSize;
    loaded.ignoredBytes = bytes.size() - whole * RecordSize;
    loaded.records.reserve(whole);
    for (qint64 i = 0; i < whole; ++i) {
        Style12Record record;
        std::memcpy(&record, bytes.constData() + i * RecordSize, RecordSize);
        if (repair(record))
            ++loaded.repairedRecords;
        loaded.records.append(record);
    }
    return loaded;
}

bool repair(Style12Record& record)
{
    bool changed = false;
    for (PieceCode& square : record.Squares) {
        if (quint8(square) > quint8(PieceCode::BlackKing)) {
            square = PieceCode::Empty;
            changed = true;
        }
    }
    for (quint8* flag : {&record.WCanCastleQS, &record.WCanCastleKS, &record.BCanCastleQS,
                         &record.BCanCastleKS, &record.WhitesMove, &record.Flip,
                         &record.LiveGame})
        changed |= normaliseFlag(*flag);
    changed |= normalise(record.WhiteName);
    changed |= normalise(record.BlackName);
    changed |= normalise(record.VerboseMove);
    changed |= normalise(record.MoveTime);
    changed |= normalise(record.PrettyMove);
    const qint32 move = record.MoveNumber;
    if (move < 0 || move > Style12Record::MaxMoveNumber) {
        record.MoveNumber = qBound(0, move, Style12Record::MaxMoveNumber);
        changed = true;
    }
    if (record.LastDblPPush < -1 || record.LastDblPPush > 7) {
        record.LastDblPPush = -1;
        changed = true;
    }
    return changed;
}

} // namespace QlGameFile
