#include "widgets/FramePace.h"

#include <QElapsedTimer>

int FramePace::untilNextFrame(int every)
{
    static const QElapsedTimer grid = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return untilNextFrame(grid.elapsed(), every);
}

int FramePace::untilNextFrame(qint64 now, int every)
{
    const int period = qMax(1, every) * Milliseconds;
    return period - int(now % period);
}
