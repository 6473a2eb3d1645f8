#include "games/RunningClock.h"

#include "games/ClockText.h"

namespace {
constexpr qint64 Day = 24LL * 3600 * 1000;
}

RunningClock::RunningClock(QObject* parent) : QObject(parent)
{
    m_ticker.setInterval(TickMilliseconds);
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &RunningClock::tick);
}

void RunningClock::start(qint64 serverMilliseconds)
{
    const qint64 seconds = serverMilliseconds / 1000;
    m_remaining = (serverMilliseconds < 0 || serverMilliseconds >= Day) ? 0 : seconds * 1000;
    m_elapsed.start();
    m_lastTick = 0;
    m_ticked = false;
    m_paused = false;
    m_ticker.start();
}

void RunningClock::stop()
{
    m_ticker.stop();
    m_paused = false;
}

void RunningClock::pause()
{
    if (!m_ticker.isActive())
        return;
    tick();
    m_ticker.stop();
    m_paused = true;
}

bool RunningClock::resume()
{
    if (!m_paused)
        return false;
    m_paused = false;
    m_elapsed.start();
    m_lastTick = 0;
    m_ticker.start();
    return true;
}

void RunningClock::tick()
{
    const qint64 now = m_elapsed.isValid() ? m_elapsed.elapsed() : 0;
    m_remaining -= now - m_lastTick;
    m_lastTick = now;
    m_ticked = true;
    Q_EMIT ticked(ClockText::running(m_remaining));
}
