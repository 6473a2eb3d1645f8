#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The user's own record of the terminal ("Quodlin.log"), open while the
// "Lo&gging" menu item is checked. Reopening appends after the old content.
class SessionLog
{
public:
    static inline const QString FileName = QStringLiteral("Quodlin.log");

    SessionLog() = default;
    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    void write(const QByteArray& bytes);

private:
    QFile m_file;
};
