#pragma once

#include <QPoint>
#include <optional>

// What the geometry of a board depends on.
struct BoardLayoutInput
{
    int width = 0;
    int height = 0;
    float perspective = 0.65f;
    bool threeD = true;
    bool coordinates = false;
    int textWidth = 0;  // of the letter "W" in the board's font
    int textHeight = 0;
    int pictureSize = 60; // S of the piece set
    int pieceSet = 0;
};

// The geometry of a board: in 3D rows grow towards the viewer and columns widen with
// height; in 2D both are constant. Every value is in whole pixels, truncated toward zero,
// so that drawing and mouse hit tests agree to the pixel.
class BoardLayout
{
public:
    BoardLayout() = default;
    explicit BoardLayout(const BoardLayoutInput& input);

    const BoardLayoutInput& input() const { return m_input; }
    int rowHeight(int y) const;
    int rowTop(int n) const;
    int colWidth(int y) const;
    int colX(int column, int y) const;
    QPoint corner(int column, int row) const;
    QPoint centre(int column, int row) const;
    // The display square (x = column, y = row) under a point, none outside the board.
    std::optional<QPoint> squareAt(int x, int y) const;

    int originX() const { return m_originX; }
    int topY() const { return m_topY; }
    double rowBase() const { return m_h0; }
    double rowGrowth() const { return m_growth; }
    double columnBase() const { return m_w0; }
    double slope() const { return m_slope; }
    int anchorX() const { return m_anchorX; }
    int anchorY() const { return m_anchorY; }
    int boardWidth() const { return m_boardWidth; } // W' (width less the coordinates)
    int boardHeight() const { return m_boardHeight; }

private:
    void layOut3D();
    void layOut2D();

    BoardLayoutInput m_input;
    int m_originX = 0;
    int m_boardWidth = 0;
    int m_boardHeight = 0;
    int m_topY = 0;
    double m_h0 = 0;
    double m_growth = 0;
    double m_w0 = 0;
    double m_slope = 0;
    int m_anchorX = 0;
    int m_anchorY = 0;
};
