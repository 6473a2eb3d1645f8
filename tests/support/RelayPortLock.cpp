#include "RelayPortLock.h"

#include <QDir>

RelayPortLock::RelayPortLock()
    : m_lock(QDir::temp().filePath(QStringLiteral("tolvaris-timeseal-relay-5005.lock")))
{
    m_lock.tryLock(120000);
}
