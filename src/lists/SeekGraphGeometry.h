#pragma once

#include <QList>
#include <QRect>

struct TSeek;

// Where the seek graph puts things, as pure arithmetic so that it can be checked
// without a window. Across: expected duration, 0 to 30 minutes; up: rating.
namespace SeekGraphGeometry {

constexpr int DotSize = 10;      // a dot's rectangle; its picture is one pixel larger
constexpr int MaxMinutes = 30;   // expected times beyond are drawn at 30
constexpr int BlitzMinutes = 3;  // the Lightning/Blitz boundary
constexpr int StandardMinutes = 15;
constexpr int RatingLabelCount = 6;

// The rating range of the graph. Settings files and the options dialog give raw
// numbers; the range is always at least MinimumSpan wide, so nothing divides by
// zero and no clamp is reversed.
struct RatingRange
{
    static constexpr int MinimumSpan = 100;
    static constexpr int LowestMin = 0;
    static constexpr int HighestMin = 2250;
    static constexpr int HighestMax = 3000;

    int min = 750;
    int max = 2250;

    static RatingRange clamped(int from, int to);
    int span() const { return max - min; }
};

// Pixels per minute of expected time for a graph of this width: 30 minutes
// span the width less one dot picture, so that a dot at 30 minutes still fits.
double scale(int width);

// Left edge of a dot (and of the grid's point) for an expected time.
int xForMinutes(int minutes, int width);

// The x of the vertical grid lines at 3 and 15 minutes: through the middle of
// the dots of those times.
int gridLineX(int minutes, int width);
// The y of horizontal grid line k (1 to 4).
int gridLineY(int k, int height);

// Sets the dot of every entry, moving a dot that would cover an earlier one
// 5 pixels aside (left when it would leave the graph).
void placeDots(QList<TSeek>& seeks, QSize graph, const RatingRange& range);

// The first entry whose dot holds the point (right and bottom edges excluded), or -1.
int seekAt(const QList<TSeek>& seeks, QPoint point);

// The six rating labels from the top: max, four steps, min.
QList<int> ratingLabels(const RatingRange& range);
// The top of rating label k (1 to 5; label 0 sits at the top).
int ratingLabelTop(int k, int height);

// The widths of the "Lightning" and "Blitz" labels under a graph of this width.
int lightningLabelWidth(int width);
int blitzLabelWidth(int width);

} // namespace SeekGraphGeometry
