#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The clock of the side to move, counted down once a second between two positions from
// the server. Time is measured on a monotonic timer, so a change of the wall clock or a
// late tick does not skew it; the ticker runs only while a live game's clock runs.
class RunningClock : public QObject
{
    Q_OBJECT

public:
    static constexpr int TickMilliseconds = 1000;

    explicit RunningClock(QObject* parent = nullptr);

    // Starts counting down from the server's time (whole seconds are kept; a negative
    // time or one of a day or more counts as 0).
    void start(qint64 serverMilliseconds);
    void stop();
    // Stops with the time counted up to now; resume() goes on from there. A clock that was
    // not paused is not started by resume(), which then answers false.
    void pause();
    bool resume();
    bool isRunning() const { return m_ticker.isActive(); }
    qint64 remaining() const { return m_remaining; }
    bool hasTicked() const { return m_ticked; }
    // One tick now, as the ticker would do it.
    void tick();

Q_SIGNALS:
    void ticked(const QString& text);

private:
    QTimer m_ticker;
    QElapsedTimer m_elapsed;
    qint64 m_lastTick = 0;
    qint64 m_remaining = 0;
    bool m_ticked = false;
    bool m_paused = false;
};
