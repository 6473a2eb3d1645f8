#include "games/PacedSlide.h"

PacedSlide::PacedSlide(QPoint start, QPoint target, int stepLength)
    : m_path(start, target, stepLength), m_target(target)
{
}

QPoint PacedSlide::pointAt(qint64 elapsedMilliseconds)
{
    const qint64 due = elapsedMilliseconds * StepsPerSecond / 1000;
    while (m_steps < due && !m_path.finished()) {
        m_path.advance();
        ++m_steps;
    }
    // The last step may pass the target; the piece stops on it.
    return m_path.finished() ? m_target : m_path.current();
}
