#pragma once

#include <QtGlobal>

// One frame grid for the whole process: whatever waits for the next frame (a board's new
// position, a sliding piece's next step) waits for the same moment, so the boards are
// painted and sent to the screen together in one pass instead of one pass each.
class FramePace
{
public:
    static constexpr int Milliseconds = 16;

    // Milliseconds from now to the next frame of the grid, 1 to Milliseconds.
    static int untilNextFrame();
    // The same for a moment given in milliseconds on the grid's clock.
    static int untilNextFrame(qint64 now);
};
