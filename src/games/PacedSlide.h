#pragma once

#include "games/AnimationPath.h"

#include <QPoint>

// A piece's slide along its path, paced by the clock rather than by how fast frames are
// drawn: the steps are due at a fixed rate, so a slide lasts as long on a busy machine as
// on an idle one and each frame shows the piece where it is due at that moment.
class PacedSlide
{
public:
    static constexpr int StepsPerSecond = 250;

    PacedSlide(QPoint start, QPoint target, int stepLength);

    // Takes the steps due after this many milliseconds since the start and returns where
    // the piece is then; the target once the path is walked.
    QPoint pointAt(qint64 elapsedMilliseconds);
    bool finished() const { return m_path.finished(); }
    QPoint target() const { return m_target; }

private:
    AnimationPath m_path;
    QPoint m_target;
    qint64 m_steps = 0;
};
