#pragma once

// The countdown of the selected command list's automatic refresh, in timer
// ticks of one second: idle (-1) until a list's output has arrived, then the
// list's interval; at 0 the next tick asks for the list again.
class RefreshCountdown
{
public:
    static constexpr int Idle = -1;

    int value() const { return m_value; }
    bool isRunning() const { return m_value != Idle; }

    void stop() { m_value = Idle; }
    // seconds: the list's interval, -1 for never.
    void arm(int seconds) { m_value = seconds < 0 ? Idle : seconds; }

    // One tick: true when the list is due now (the caller requests it, which
    // stops the countdown until its output arrives).
    bool tick();

private:
    int m_value = Idle;
};
