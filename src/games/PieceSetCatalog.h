#pragma once

#include "games/PieceCode.h"

#include <QString>

// The 18 piece sets the user can choose from: their names, picture names and picture size,
// and which marker colours of their pictures take the user's piece colour in which shade.
struct PieceSetInfo
{
    const char* name;
    const char* prefix;
    const char* suffix;
    int size; // S: every picture of the set is S x S pixels
};

class PieceSetCatalog
{
public:
    static constexpr int Count = 18;
    static constexpr int ShadeCount = 14;

    static bool isValidIndex(int index) { return index >= 0 && index < Count; }
    static const PieceSetInfo& info(int index); // index must be valid
    static QString pictureName(int index, PieceKind kind); // "KNIGHT2D"
    static QString picturePath(int index, PieceKind kind); // resource path of the picture
    // Sets 0 to 2 mark four shades only; the later sets mark fourteen and shade smoothly.
    static bool hasFourMarkers(int index) { return index <= 2; }
    // Shade 0..13 that a picture pixel of colour rgb (0xRRGGBB) stands for, -1 when the
    // colour is not one of the set's markers and is drawn as it is.
    static int markerShade(int index, quint32 rgb);
    // The marker colour that stands for shade k in the set; -1 when the set has none.
    static qint64 markerForShade(int index, int shade);
};
