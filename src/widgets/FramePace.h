#pragma once

#include <QtGlobal>

// One frame grid for the whole process: whatever waits for a frame (a board's new
// position, a sliding piece's next step, a text pane's gathered lines) waits for a moment
// of the same grid, so boards and panes are painted and sent to the screen together in
// one pass instead of one pass each.
class FramePace
{
public:
    static constexpr int Milliseconds = 16;

    // Milliseconds from now to the next frame of the grid, 1 to Milliseconds.
    static int untilNextFrame();
    // The same for a moment given in milliseconds on the grid's clock.
    static int untilNextFrame(qint64 now);
};
