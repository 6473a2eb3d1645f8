#pragma once

#include "games/PieceCode.h"

#include <QPainterPath>

// Piece outlines in a unit box: x from -0.5 to 0.5, y from 0 (top) to 1 (bottom of the base).
enum class ShapeFamily
{
    Staunton,   // turned profiles: ball-headed pawn, crenellated rook, mitred bishop
    Geometric,  // straight-edged, diagram-like
    Stepped,    // the geometric outlines on a coarse grid, like carved stone
    Glyph,      // chess symbols of the DejaVu Sans fonts
    GlyphBold,
};

struct PieceShape
{
    QPainterPath body;    // filled with the piece colour
    QPainterPath details; // stroked in black inside the body (eyes, slits, bands)
    bool detailsFilled = false; // glyph details are areas, not lines
};

PieceShape pieceShape(ShapeFamily family, PieceKind kind, double widthScale);
