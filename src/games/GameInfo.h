#pragma once

#include <QByteArray>

// What a game-information line tells about a game, for the board's caption and bars:
//   <g1> GAME p=0 t=TYPE r=RATED u=0,0 it=SECONDS,INC i=... pt=0 rt=WRATING,BRATING ...
// Words are counted from 1 (the marker); a value's parts are separated by ",".
struct GameInfo
{
    int gameNumber = -1; // -1 when the line names none
    QByteArray typeText;
    bool rated = false;
    QByteArray firstInitialTime;  // minutes, or seconds when below a minute
    QByteArray secondInitialTime; // as received
    QByteArray whiteRating;       // as received, for example 1586E
    QByteArray blackRating;

    // Words that are missing leave their fields empty.
    static GameInfo parse(const QByteArray& line);
};
