#pragma once

#include <QLockFile>

// Tests that start a Timeseal stand-in share its fixed port 127.0.0.1:5005, also when
// CTest runs them in parallel: each holds this lock while its relay is in use.
class RelayPortLock
{
public:
    RelayPortLock();
    bool isLocked() const { return m_lock.isLocked(); }

private:
    QLockFile m_lock;
};
