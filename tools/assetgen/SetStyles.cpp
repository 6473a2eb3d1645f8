#include "SetStyles.h"

#include "games/PieceSetCatalog.h"

namespace {

using SF = ShapeFamily;

// The shaded standing set keeps its proportions; the others fill about 85 % of the picture's
// height, standing a little below the anchor so that they also look centred on a flat board.
const SetStyle Styles[PieceSetCatalog::Count] = {
    {SF::Staunton, Fill::Cylinder, 0.022, 0.95, 0.07, 0.75, 0, false, 4, 10},   // 3d Set
    {SF::Staunton, Fill::Flat, 0.040, 1.00, 0.035, 0.885, 0, false, 4, 0},        // 2d Set 1
    {SF::Geometric, Fill::TwoTone, 0.035, 1.00, 0.035, 0.885, 0, false, 4, 6},    // 2d Set 2
    {SF::GlyphBold, Fill::Gradient, 0.0, 1.00, 0.035, 0.885, 0, false, 4, 9},     // 2d WCN
    {SF::Staunton, Fill::Bevel, 0.045, 1.00, 0.035, 0.885, 0.10, false, 4, 10},   // 2d Staunton
    {SF::Glyph, Fill::Flat, 0.0, 1.00, 0.035, 0.885, 0, false, 4, 0},             // Alpha
    {SF::Staunton, Fill::Engraved, 0.035, 0.92, 0.035, 0.885, 0, false, 4, 8},    // Book
    {SF::Geometric, Fill::Bevel, 0.025, 0.95, 0.035, 0.885, 0.16, false, 4, 13},  // Decius
    {SF::Staunton, Fill::Gradient, 0.050, 0.85, 0.035, 0.885, 0, false, 4, 7},    // Leipzig
    {SF::Staunton, Fill::Flat, 0.035, 1.05, 0.035, 0.885, 0, false, 1, 0},        // Mac
    {SF::Stepped, Fill::TwoTone, 0.030, 1.05, 0.035, 0.885, 0, false, 4, 11},     // Mayan
    {SF::Geometric, Fill::Flat, 0.020, 0.90, 0.035, 0.885, 0, false, 4, 0},       // Mono
    {SF::Staunton, Fill::Cylinder, 0.025, 0.95, 0.035, 0.885, 0, true, 4, 12},    // Old Style
    {SF::Staunton, Fill::Cylinder, 0.030, 1.00, 0.035, 0.885, 0, false, 4, 13},   // Staunton
    {SF::Geometric, Fill::Flat, 0.050, 1.00, 0.035, 0.885, 0, true, 4, 0},        // USCF
    {SF::Glyph, Fill::Bevel, 0.0, 1.00, 0.035, 0.885, 0.08, false, 4, 11},        // Usual
    {SF::Staunton, Fill::Bevel, 0.055, 1.18, 0.035, 0.885, 0.14, false, 4, 13},   // WStaunton
    {SF::Geometric, Fill::Gradient, 0.045, 1.15, 0.035, 0.885, 0, false, 4, 12},  // WUSCF
};

} // namespace

const SetStyle& setStyle(int set)
{
    return Styles[set];
}
