#include "widgets/FrameClock.h"

#include "widgets/FramePace.h"

#include <algorithm>

FrameClock& FrameClock::instance()
{
    static FrameClock clock;
    return clock;
}

FrameClock::FrameClock()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FrameClock::frameDue);
}

void FrameClock::request(QObject* owner, int every, std::function<void()> due, int lead)
{
    if (waits(owner))
        return;
    const qint64 now = FramePace::now();
    wait(owner, now + FramePace::untilNextFrame(now, every, lead), std::move(due), now);
}

void FrameClock::requestTurn(QObject* owner, std::function<void()> due, int lead)
{
    if (waits(owner))
        return;
    const qint64 now = FramePace::now();
    m_turn = FramePace::nextTurn(now, m_turn, lead);
    wait(owner, m_turn - FramePace::leadMilliseconds(lead), std::move(due), now);
}

void FrameClock::wait(QObject* owner, qint64 at, std::function<void()> due, qint64 now)
{
    m_waiting.push_back({owner, at, std::move(due)});
    arm(now);
}

void FrameClock::cancel(const QObject* owner)
{
    std::erase_if(m_waiting, [owner](const Waiting& waiting) { return waiting.owner == owner; });
    // A call of this frame may end another owner's wait (a board drawn at once): that
    // owner's call, already taken out, is dropped too.
    for (Waiting& waiting : m_due) {
        if (waiting.owner == owner)
            waiting.owner = nullptr;
    }
    if (m_waiting.empty())
        m_timer.stop();
}

bool FrameClock::waits(const QObject* owner) const
{
    return std::any_of(m_waiting.begin(), m_waiting.end(),
                       [owner](const Waiting& waiting) { return waiting.owner == owner; });
}

void FrameClock::arm(qint64 now)
{
    if (m_waiting.empty()) {
        m_timer.stop();
        return;
    }
    const auto earliest =
        std::min_element(m_waiting.begin(), m_waiting.end(),
                         [](const Waiting& a, const Waiting& b) { return a.at < b.at; });
    const int wait = int(qMax<qint64>(0, earliest->at - now));
    if (!m_timer.isActive() || m_timer.remainingTime() > wait)
        m_timer.start(wait);
}

void FrameClock::frameDue()
{
    const qint64 now = FramePace::now();
    // Taken out first: a call may ask for the next frame again.
    const auto notYet = std::stable_partition(m_waiting.begin(), m_waiting.end(),
                                              [now](const Waiting& w) { return w.at <= now; });
    m_due.assign(std::make_move_iterator(m_waiting.begin()), std::make_move_iterator(notYet));
    m_waiting.erase(m_waiting.begin(), notYet);
    for (std::size_t i = 0; i < m_due.size(); ++i) {
        if (m_due[i].owner)
            m_due[i].due();
    }
    m_due.clear();
    arm(FramePace::now());
}
