#include "games/AnimationPath.h"

#include <cmath>
#include <cstdlib>

AnimationPath::AnimationPath(QPoint start, QPoint target, int stepLength)
    : m_start(start), m_target(target), m_current(start), m_x(start.x()), m_y(start.y())
{
    const int dx = target.x() - start.x();
    const int dy = target.y() - start.y();
    const auto sign = [](int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); };
    if (std::abs(dx) > std::abs(dy)) {
        m_stepX = sign(dx) * stepLength;
        m_stepY = double(dy) / std::abs(dx) * stepLength;
    } else if (dy != 0) {
        m_stepY = sign(dy) * stepLength;
        m_stepX = double(dx) / std::abs(dy) * stepLength;
    }
}

bool AnimationPath::reached(int position, int target, int distance) const
{
    if (distance == 0)
        return true;
    return distance > 0 ? position >= target : position <= target;
}

bool AnimationPath::finished() const
{
    return reached(m_current.x(), m_target.x(), m_target.x() - m_start.x())
           && reached(m_current.y(), m_target.y(), m_target.y() - m_start.y());
}

void AnimationPath::advance()
{
    m_x += m_stepX;
    m_y += m_stepY;
    // Rounds halves to even, like the platform's default rounding mode.
    m_current = QPoint(int(std::nearbyint(m_x)), int(std::nearbyint(m_y)));
}
