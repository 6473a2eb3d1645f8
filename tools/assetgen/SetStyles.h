#pragma once

#include "PieceShapes.h"

// How the pieces of one set are shaded: the brightness of each body pixel before it is
// mapped to the set's marker colours.
enum class Fill
{
    Flat,     // one light tone
    Gradient, // light at the top, darker towards the base
    Cylinder, // lit from the front left like a turned piece
    Bevel,    // flat with rounded edges lit from the top left
    Engraved, // light, with hatching on the shadow side like a printed diagram
    TwoTone,  // light head, darker lower half
};

struct SetStyle
{
    ShapeFamily family;
    Fill fill;
    double outline;    // outline pen width as a fraction of S
    double widthScale; // wider or narrower than the family's outline
    double top;        // where the unit box's top and bottom land, as fractions of S
    double bottom;
    double bevel;     // bevel radius as a fraction of S
    bool innerLine;   // a second black line inside the outline
    int supersample;  // 1 draws straight at S, for a pixel-art look
    int darkestShade; // of the 14; sets 0 to 2 snap to their four markers
};

const SetStyle& setStyle(int set);
