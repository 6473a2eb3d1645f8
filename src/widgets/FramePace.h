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
    // on a turn: the next sixth frame, within a tenth of a second. Each paint pass costs a
    // round trip to the display and a redraw of every board that changed, however little
    // it draws, and a faster pace is not read any sooner; so while such text keeps coming,
    // fifteen frames at least lie between two turns (four passes a second in a flood).
    static constexpr int TurnFrames = 6;
    static constexpr int BusyTurnFrames = 15;

    // The grid's clock, in milliseconds.
    static qint64 now();
    // Milliseconds from the moment `now` on the grid's clock to the next frame, 1 to
    // Milliseconds; with every = n, to the next frame whose number is a multiple of n
    // (1 to n * Milliseconds), so that what comes every second frame and what comes every
    // fourth meet on the same frames. With a lead of k frames, to the frame k frames before
    // such a frame: what feeds a pass (a socket's read) runs just ahead of it. `FrameClock`
    // keeps the one timer that waits for them.
    static int untilNextFrame(qint64 now, int every, int lead = 0);
    // The moment of the turn for what is asked for at `now`, after the turn at `previous`
    // (the last one served or gathering): that one while it gathers (its frame minus the
    // lead is still to come), otherwise the next sixth frame, but BusyTurnFrames after
    // `previous` at the earliest. `previous` lies on the grid, and so does the result.
    static qint64 nextTurn(qint64 now, qint64 previous, int lead = 0);
    // How far ahead of its frame a call with this lead runs; a negative lead is none.
    static qint64 leadMilliseconds(int lead) { return qint64(qMax(0, lead)) * Milliseconds; }
};
