#include "session/SessionLog.h"

bool SessionLog::open(const QString& path)
{
    if (m_file.isOpen())
        return true;
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void SessionLog::close()
{
    m_file.close();
}

void SessionLog::write(const QByteArray& bytes)
{
    if (m_file.isOpen()) {
        m_file.write(bytes);
        m_file.flush();
    }
}
