#include "lists/SeekGraphGeometry.h"

#include "lists/TSeek.h"

#include <algorithm>
#include <cmath>

namespace SeekGraphGeometry {

namespace {

constexpr int CollisionStep = 5;
constexpr int GridMargin = 10; // the dot height kept free under the lowest rating

} // namespace

RatingRange RatingRange::clamped(int from, int to)
{
    RatingRange range;
    range.min = std::clamp(from, LowestMin, HighestMin);
    range.max = std::clamp(to, range.min + MinimumSpan, HighestMax);
    return range;
}

double scale(int width)
{
    return std::max(0, width - DotSize - 1) / double(MaxMinutes);
}

int xForMinutes(int minutes, int width)
{
    return int(scale(width) * std::clamp(minutes, 0, MaxMinutes));
}

int gridLineX(int minutes, int width)
{
    return xForMinutes(minutes, width) + DotSize / 2;
}

int gridLineY(int k, int height)
{
    return (height - GridMargin) * k / 5 + 5;
}

void placeDots(QList<TSeek>& seeks, QSize graph, const RatingRange& range)
{
    const qint64 span = std::max(1, range.span());
    const qint64 usable = std::max(0, graph.height() - GridMargin);
    for (qsizetype i = 0; i < seeks.size(); ++i) {
        TSeek& seek = seeks[i];
        const qint64 above = std::clamp<qint64>(qint64(seek.rating) - range.min, 0, span);
        const int left = xForMinutes(seek.expectedTime, graph.width());
        const int top = int((span - above) * usable / span);
        QRect dot(QPoint(left, top), QPoint(left + DotSize, top + DotSize));
        for (qsizetype earlier = 0; earlier < i; ++earlier) {
            const QRect& other = seeks[earlier].dot;
            if (other != dot)
                continue;
            const bool roomRight = other.right() + CollisionStep < graph.width();
            dot.translate(roomRight ? CollisionStep : -CollisionStep, 0);
        }
        seek.dot = dot;
    }
}

int seekAt(const QList<TSeek>& seeks, QPoint point)
{
    for (qsizetype i = 0; i < seeks.size(); ++i) {
        const QRect& dot = seeks[i].dot;
        if (point.x() >= dot.left() && point.x() < dot.right() && point.y() >= dot.top() &&
            point.y() < dot.bottom())
            return int(i);
    }
    return -1;
}

QList<int> ratingLabels(const RatingRange& range)
{
    const int span = range.span();
    return {range.max,
            range.min + span * 4 / 5,
            range.min + span * 3 / 5,
            range.min + span * 2 / 5,
            range.min + span / 5,
            range.min};
}

int ratingLabelTop(int k, int height)
{
    return (height - GridMargin) * k / 5 - 4;
}

int lightningLabelWidth(int width)
{
    return int(scale(width) * BlitzMinutes) + DotSize / 2;
}

int blitzLabelWidth(int width)
{
    return int(scale(width) * (StandardMinutes - BlitzMinutes));
}

} // namespace SeekGraphGeometry
