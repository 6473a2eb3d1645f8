#include "games/PieceSetCatalog.h"

namespace {

const PieceSetInfo Sets[PieceSetCatalog::Count] = {
    {"3d Set", "", "", 60},      {"2d Set 1", "", "2D", 60},   {"2d Set 2", "", "22", 65},
    {"2d WCN", "", "X", 65},     {"2d Staunton", "", "23", 42}, {"Alpha", "A", "", 59},
    {"Book", "B", "", 62},       {"Decius", "C", "", 74},       {"Leipzig", "D", "", 53},
    {"Mac", "E", "", 32},        {"Mayan", "F", "", 62},        {"Mono", "G", "", 69},
    {"Old Style", "H", "", 88},  {"Staunton", "I", "", 62},     {"USCF", "J", "", 88},
    {"Usual", "K", "", 59},      {"WStaunton", "L", "", 69},    {"WUSCF", "M", "", 88},
};

const char* const KindNames[PieceKindCount] = {"PAWN", "KNIGHT", "BISHOP", "ROOK", "QUEEN", "KING"};

struct Marker
{
    quint32 rgb;
    int fourMarkerShade; // -1: kept as drawn in sets 0 to 2
};

// In the order of their shade in the fourteen-marker sets.
const Marker Markers[PieceSetCatalog::ShadeCount] = {
    {0x00FFFF, -1}, // aqua
    {0xFF00FF, 3},  // fuchsia
    {0x0000FF, -1}, // blue
    {0xFFFF00, -1}, // yellow
    {0x00FF00, -1}, // lime
    {0xFF0000, 0},  // red
    {0x808080, -1}, // gray
    {0xC0C0C0, -1}, // silver
    {0x008080, -1}, // teal
    {0x800080, 6},  // purple
    {0x000080, -1}, // navy
    {0x808000, -1}, // olive
    {0x008000, -1}, // green
    {0x800000, 10}, // maroon
};

} // namespace

const PieceSetInfo& PieceSetCatalog::info(int index)
{
    return Sets[index];
}

QString PieceSetCatalog::pictureName(int index, PieceKind kind)
{
    const PieceSetInfo& set = Sets[index];
    return QLatin1String(set.prefix) + QLatin1String(KindNames[int(kind)])
           + QLatin1String(set.suffix);
}

QString PieceSetCatalog::picturePath(int index, PieceKind kind)
{
    return QStringLiteral(":/pieces/%1.png").arg(pictureName(index, kind));
}

int PieceSetCatalog::markerShade(int index, quint32 rgb)
{
    rgb &= 0xFFFFFF;
    for (int k = 0; k < ShadeCount; ++k) {
        if (Markers[k].rgb == rgb)
            return hasFourMarkers(index) ? Markers[k].fourMarkerShade : k;
    }
    return -1;
}

qint64 PieceSetCatalog::markerForShade(int index, int shade)
{
    for (int k = 0; k < ShadeCount; ++k) {
        const int markerShadeHere = hasFourMarkers(index) ? Markers[k].fourMarkerShade : k;
        if (markerShadeHere == shade)
            return Markers[k].rgb;
    }
    return -1;
}
