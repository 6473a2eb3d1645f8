#pragma once

#include <QtGlobal>

// The two clocks of a played game, in milliseconds. Time is passed in by the caller
// (a monotonic millisecond count), so the referee runs the same under a test's clock.
class GameClock
{
public:
    GameClock(qint64 initialMs, qint64 incrementMs);

    void start(qint64 now);
    bool running() const { return m_running; }
    bool whiteRunning() const { return m_whiteRunning; }
    qint64 remaining(bool white, qint64 now) const;
    // The side to move has moved: its clock stops and gets the increment, the other
    // side's starts. Returns the time the move took.
    qint64 press(qint64 now);
    void stop(qint64 now);
    // Puts both clocks back (a takeback) and gives the move to `whiteToMove`.
    void reset(qint64 whiteMs, qint64 blackMs, bool whiteToMove, qint64 now);
    // Milliseconds until the running clock reaches zero; negative once it has.
    qint64 untilFlag(qint64 now) const;

private:
    qint64 m_white;
    qint64 m_black;
    qint64 m_increment;
    qint64 m_since = 0;
    bool m_whiteRunning = true;
    bool m_running = false;
};
