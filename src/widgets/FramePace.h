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
    // What the user did not just ask for (server text, observed games) reaches the screen
    // every sixth frame, about ten times a second: each paint pass costs a round trip to
    // the display however little it draws, and a faster pace is not read any sooner.
    static constexpr int TurnFrames = 6;

    // The grid's clock, in milliseconds.
    static qint64 now();
    // Milliseconds from the moment `now` on the grid's clock to the next frame, 1 to
    // Milliseconds; with every = n, to the next frame whose number is a multiple of n
    // (1 to n * Milliseconds), so that what comes every second frame and what comes every
    // fourth meet on the same frames. With a lead of k frames, to the frame k frames before
    // such a frame: what feeds a pass (a socket's read) runs just ahead of it. `FrameClock`
    // keeps the one timer that waits for them.
    static int untilNextFrame(qint64 now, int every, int lead = 0);
};
