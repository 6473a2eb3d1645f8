#include "widgets/FramePace.h"

#include <QElapsedTimer>

qint64 FramePace::now()
{
    static const QElapsedTimer grid = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return grid.elapsed();
}

int FramePace::untilNextFrame(qint64 now, int every, int lead)
{
    const int period = qMax(1, every) * Milliseconds;
    return period - int((now + leadMilliseconds(lead)) % period);
}

qint64 FramePace::nextTurn(qint64 now, qint64 previous, int lead)
{
    const qint64 ahead = leadMilliseconds(lead);
    if (previous - ahead > now)
        return previous;
    const qint64 next = now + untilNextFrame(now, TurnFrames, lead) + ahead;
    return qMax(next, previous + qint64(BusyTurnFrames) * Milliseconds);
}
