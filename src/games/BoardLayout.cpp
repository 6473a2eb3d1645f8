#include "games/BoardLayout.h"

#include <algorithm>

namespace {
// A board smaller than this is drawn as if it had this size, so that no formula divides
// by zero or loops without end on a collapsed window.
constexpr int MinimumSide = 8;
} // namespace

BoardLayout::BoardLayout(const BoardLayoutInput& input) : m_input(input)
{
    m_originX = input.width / 2;
    int w = input.width;
    int h = input.height;
    if (input.coordinates) {
        w -= 2 * input.textWidth;
        h -= input.threeD ? input.textHeight : 2 * input.textHeight;
    }
    m_boardWidth = std::max(w, MinimumSide);
    m_boardHeight = std::max(h, MinimumSide);
    if (input.threeD)
        layOut3D();
    else
        layOut2D();
}

void BoardLayout::layOut3D()
{
    const double p = m_input.perspective;
    const double w = m_boardWidth;
    const double h = m_boardHeight;
    m_slope = (1 - p) * w / h / 8;
    m_w0 = p * w / 8;
    m_topY = colWidth(0);
    m_growth = (1 - p) * 2 / 7;
    m_h0 = (h - m_topY - 36 * m_growth) / 8;
    while (rowTop(8) + 4 > m_boardHeight)
        m_h0 -= 0.5;
    const int s = m_input.pictureSize;
    m_anchorX = s / 2;
    m_anchorY = m_input.pieceSet <= 2 ? s * 3 / 4 : s * 5 / 6;
}

void BoardLayout::layOut2D()
{
    const int m = std::min(m_boardWidth, m_boardHeight);
    m_h0 = m_input.coordinates ? m / 8.0 : m / 8.5;
    m_w0 = m_h0;
    m_slope = 0;
    m_growth = 0;
    m_topY = m_input.coordinates ? m_input.textHeight
                                 : int(m_h0 / 4) + (m_boardHeight - m) / 2;
    m_anchorX = m_input.pictureSize / 2;
    m_anchorY = m_anchorX;
}

int BoardLayout::rowHeight(int y) const
{
    return int((y - m_topY) * m_growth + m_h0);
}

int BoardLayout::rowTop(int n) const
{
    int y = m_topY;
    for (int i = 0; i < n; ++i)
        y += rowHeight(y);
    return y;
}

int BoardLayout::colWidth(int y) const
{
    return int(y * m_slope + m_w0);
}

int BoardLayout::colX(int column, int y) const
{
    return (column - 4) * colWidth(y) + m_originX;
}

QPoint BoardLayout::corner(int column, int row) const
{
    const int y = rowTop(row);
    return {colX(column, y), y};
}

QPoint BoardLayout::centre(int column, int row) const
{
    const int y0 = rowTop(row);
    const int cy = y0 + rowHeight(y0) / 2;
    return {colX(column, cy) + colWidth(cy) / 2, cy};
}

std::optional<QPoint> BoardLayout::squareAt(int x, int y) const
{
    for (int row = 0; row < 8; ++row) {
        if (rowTop(row) < y && y <= rowTop(row + 1)) {
            for (int column = 0; column < 8; ++column) {
                if (colX(column, y) < x && x <= colX(column + 1, y))
                    return QPoint(column, row);
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}
