#include "session/TraceLog.h"

#include <QDateTime>
#include <QFile>

TraceLog::TraceLog(bool enabled) : m_enabled(enabled) {}

QByteArray TraceLog::timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd HHmmss : ")).toLatin1();
}

void TraceLog::write(const QString& fileName, std::initializer_list<QByteArrayView> parts,
                     bool stamped) const
{
    if (!m_enabled)
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QByteArray record;
    if (stamped)
        record += timeStamp();
    for (const QByteArrayView part : parts)
        record += part;
    record += "\r\n";
    file.write(record);
}

void TraceLog::ensureFile(const QString& fileName) const
{
    if (!m_enabled)
        return;
    QFile file(fileName);
    file.open(QIODevice::WriteOnly | QIODevice::Append);
}
