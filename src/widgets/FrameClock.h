#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

// The one timer of the frame grid (`FramePace`). Whatever waits for a frame (a board's
// new position, a text pane's gathered lines) asks this clock, and all that is due at a
// frame runs in the same timer event, so it reaches the screen in one paint pass: a timer
// of its own for each would fire a fraction of a millisecond apart from the others and
// split the pass, each pass a round trip to the display.
class FrameClock : public QObject
{
    Q_OBJECT

public:
    static FrameClock& instance();

    // Runs `due` at the next frame whose number is a multiple of `every`, or `lead` frames
    // before it. An owner that already waits keeps its frame and its call; an owner
    // destroyed meanwhile is skipped.
    void request(QObject* owner, int every, std::function<void()> due, int lead = 0);
    // Runs `due` at the turn (`FramePace::nextTurn`), or `lead` frames before it: server
    // text, observed games and the socket read that brings them.
    void requestTurn(QObject* owner, std::function<void()> due, int lead = 0);
    // The moment of the last turn asked for, on the grid's clock.
    qint64 lastTurn() const { return m_turn; }
    void cancel(const QObject* owner);
    bool waits(const QObject* owner) const;

private:
    FrameClock();
    void frameDue();
    void wait(QObject* owner, qint64 at, std::function<void()> due, qint64 now);
    void arm(qint64 now);

    struct Waiting
    {
        QPointer<QObject> owner;
        qint64 at = 0; // the frame's moment on the grid's clock
        std::function<void()> due;
    };
    std::vector<Waiting> m_waiting;
    std::vector<Waiting> m_due; // the calls of the frame being served
    QTimer m_timer;
    qint64 m_turn = -(qint64(1) << 40); // the last turn asked for, long ago at first
};
