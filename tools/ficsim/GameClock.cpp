#include "ficsim/GameClock.h"

GameClock::GameClock(qint64 initialMs, qint64 incrementMs)
    : m_white(initialMs), m_black(initialMs), m_increment(incrementMs)
{
}

void GameClock::start(qint64 now)
{
    m_running = true;
    m_since = now;
}

qint64 GameClock::remaining(bool white, qint64 now) const
{
    const qint64 stored = white ? m_white : m_black;
    if (m_running && white == m_whiteRunning)
        return stored - (now - m_since);
    return stored;
}

qint64 GameClock::press(qint64 now)
{
    const qint64 taken = m_running ? now - m_since : 0;
    qint64& mover = m_whiteRunning ? m_white : m_black;
    mover -= taken;
    mover += m_increment;
    m_whiteRunning = !m_whiteRunning;
    m_since = now;
    return taken;
}

void GameClock::stop(qint64 now)
{
    if (!m_running)
        return;
    (m_whiteRunning ? m_white : m_black) -= now - m_since;
    m_running = false;
}

void GameClock::reset(qint64 whiteMs, qint64 blackMs, bool whiteToMove, qint64 now)
{
    m_white = whiteMs;
    m_black = blackMs;
    m_whiteRunning = whiteToMove;
    m_since = now;
}

qint64 GameClock::untilFlag(qint64 now) const
{
    return remaining(m_whiteRunning, now);
}
