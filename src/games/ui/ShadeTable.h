#pragma once

#include <QColor>
#include <array>

// The 32 colours pieces and squares are drawn in: 0 white, 1 black, 2 light squares,
// 3 dark squares, 4 + k shade k of the white pieces' colour, 18 + k of the black pieces'.
// Shade k is the colour times (20 - k) / 20, from full brightness down to 35 percent.
class ShadeTable
{
public:
    static constexpr int Size = 32;
    static constexpr int WhitePieceShades = 4;
    static constexpr int BlackPieceShades = 18;

    ShadeTable(const QColor& lightSquares, const QColor& darkSquares, const QColor& whitePieces,
               const QColor& blackPieces);

    QRgb entry(int index) const { return m_entries[index]; }
    QRgb pieceShade(bool whitePiece, int shade) const
    {
        return m_entries[(whitePiece ? WhitePieceShades : BlackPieceShades) + shade];
    }

private:
    std::array<QRgb, Size> m_entries{};
};
