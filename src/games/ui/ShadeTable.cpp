#include "games/ui/ShadeTable.h"

namespace {
QRgb shadeOf(const QColor& colour, int k)
{
    return qRgb(colour.red() * (20 - k) / 20, colour.green() * (20 - k) / 20,
                colour.blue() * (20 - k) / 20);
}
} // namespace

ShadeTable::ShadeTable(const QColor& lightSquares, const QColor& darkSquares,
                       const QColor& whitePieces, const QColor& blackPieces)
{
    m_entries[0] = qRgb(255, 255, 255);
    m_entries[1] = qRgb(0, 0, 0);
    m_entries[2] = lightSquares.rgb();
    m_entries[3] = darkSquares.rgb();
    for (int k = 0; k < 14; ++k) {
        m_entries[WhitePieceShades + k] = shadeOf(whitePieces, k);
        m_entries[BlackPieceShades + k] = shadeOf(blackPieces, k);
    }
}
