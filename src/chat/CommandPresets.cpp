#include "chat/CommandPresets.h"

#include <QFile>
#include <QSaveFile>

namespace CommandPresets {

QStringList builtIn()
{
    return {QStringLiteral("+chan"),         QStringLiteral("=chan"),
            QStringLiteral("accept"),        QStringLiteral("-chan"),
            QStringLiteral("decline"),       QStringLiteral("help channel_list"),
            QStringLiteral("help commands"), QStringLiteral("in 0"),
            QStringLiteral("in 37"),         QStringLiteral("in 90"),
            QStringLiteral("match"),         QStringLiteral("observe"),
            QStringLiteral("play"),          QStringLiteral("register"),
            QStringLiteral("say"),           QStringLiteral("shout"),
            QStringLiteral("tell"),          QStringLiteral("vars"),
            QStringLiteral("who as")};
}

ReadResult read(const QString& path, QStringList& entries)
{
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Failed;
    entries.clear();
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            entries.append(QString::fromLocal8Bit(line));
    }
    return ReadResult::Read;
}

bool write(const QString& path, const QStringList& entries)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString& entry : entries)
        file.write(entry.toLocal8Bit() + "\r\n");
    return file.commit();
}

} // namespace CommandPresets
