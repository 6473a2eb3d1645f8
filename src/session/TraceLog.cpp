#include "session/TraceLog.h"

#include <QDateTime>
#include <QFile>

TraceLog::TraceLog(bool enabled, qint64 rotationSize)
    : m_enabled(enabled), m_rotationSize(rotationSize)
{
}

TraceLog::~TraceLog() = default;

// Every line of a flood is stamped: reading the clock is cheap, turning it
// into local-time text is not, so the text is made once per second.
QByteArray TraceLog::timeStamp()
{
    thread_local qint64 stampedSecond = -1;
    thread_local QByteArray stamp;
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    if (second != stampedSecond) {
        stampedSecond = second;
        stamp = QDateTime::fromSecsSinceEpoch(second)
                    .toString(QStringLiteral("yyMMdd HHmmss : "))
                    .toLatin1();
    }
    return stamp;
}

QString TraceLog::previousPartName(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= fileName.lastIndexOf(u'/'))
        return fileName + QStringLiteral(".1");
    return fileName.left(dot) + QStringLiteral(".1") + fileName.mid(dot);
}

// Opened once, unbuffered: each record is one write to the system, and nothing is
// lost when the program ends abruptly.
QFile* TraceLog::openFile(const QString& fileName) const
{
    std::unique_ptr<QFile>& file = m_files[fileName];
    if (!file)
        file = std::make_unique<QFile>(fileName);
    if (file->isOpen())
        return file.get();
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return nullptr;
    // A file left over this size by an earlier run starts the rotation at once.
    if (file->size() > m_rotationSize)
        startFreshPart(fileName);
    return file->isOpen() ? file.get() : nullptr;
}

void TraceLog::startFreshPart(const QString& fileName) const
{
    QFile& file = *m_files.at(fileName);
    file.close();
    const QString previous = previousPartName(fileName);
    QFile::remove(previous);
    QFile::rename(fileName, previous);
    file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void TraceLog::write(const QString& fileName, std::initializer_list<QByteArrayView> parts,
                     bool stamped) const
{
    if (!m_enabled)
        return;
    QFile* file = openFile(fileName);
    if (!file)
        return;
    QByteArray record;
    if (stamped)
        record += timeStamp();
    for (const QByteArrayView part : parts)
        record += part;
    record += "\r\n";
    file->write(record);
    // Only this log appends to the file, so its position is its size, known
    // without asking the system at every record.
    if (file->pos() > m_rotationSize)
        startFreshPart(fileName);
}

void TraceLog::ensureFile(const QString& fileName) const
{
    if (m_enabled)
        openFile(fileName);
}
