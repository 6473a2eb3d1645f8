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

int FramePace::untilNextFrame(qint64 now, int every)
{
    const int period = qMax(1, every) * Milliseconds;
    return period - int(now % period);
}
