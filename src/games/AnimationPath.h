#pragma once

#include <QPoint>

// The points a sliding piece passes: steps of the given length along the longer axis and
// the proportional fraction along the other, kept in double precision and rounded (halves
// to even) for each point, until the target is reached or passed on both axes.
class AnimationPath
{
public:
    AnimationPath(QPoint start, QPoint target, int stepLength);

    bool finished() const;
    QPoint current() const { return m_current; }
    void advance();

private:
    bool reached(int position, int target, int distance) const;

    QPoint m_start;
    QPoint m_target;
    QPoint m_current;
    double m_x = 0;
    double m_y = 0;
    double m_stepX = 0;
    double m_stepY = 0;
};
