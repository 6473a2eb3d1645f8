#include "widgets/FramePace.h"

#include <QElapsedTimer>

int FramePace::untilNextFrame()
{
    static const QElapsedTimer grid = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return untilNextFrame(grid.elapsed());
}

int FramePace::untilNextFrame(qint64 now)
{
    return Milliseconds - int(now % Milliseconds);
}
