#pragma once

#include <QByteArray>
#include <QRect>

// One offer of the server's seek list, as one line of "sought" gives it.
struct TSeek
{
    int number = 0;       // the offer's number on the server
    QRect dot;            // where the graph draws it; set by SeekGraphGeometry
    int expectedTime = 0; // minutes: time + 2 * increment / 3, 250 for 0 0
    int rating = 0;       // leading digits of the rating column, 0 for "++++" or "----"
    bool rated = false;
    bool computer = false; // "(C)" in the name column
    bool wild = false;     // "WILD" or "SUICIDE" in the type
    bool atomic = false;
    int shape = 0; // 0 ordinary, 1 computer, 2 wild, 3 atomic
    int time = 0;
    int increment = 0;
    QByteArray type; // upper-cased
    QByteArray name; // cut before its first "("
    QByteArray line; // the line's words, single-spaced

    // Index of the dot picture: rated offers even, unrated odd.
    int pictureIndex() const { return shape * 2 + (rated ? 0 : 1); }
};
