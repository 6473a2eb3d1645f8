#pragma once

#include "games/BoardLayout.h"
#include "games/PieceCode.h"

#include <QColor>
#include <QFont>
#include <QImage>

// The three off-screen images of a board and the drawing steps on them: the empty board
// (background), the board with its pieces (working image) and the working image with one
// piece lifted and drawn elsewhere (drag layer). Everything is in device pixels.
class BoardCanvas
{
public:
    struct Look
    {
        QColor lightSquares;
        QColor darkSquares;
        QFont font; // pixel-sized for the device
        bool reversed = false;
    };

    void build(const BoardLayout& layout, const Look& look);
    bool isReady() const { return !m_working.isNull(); }
    const BoardLayout& layout() const { return m_layout; }

    const QImage& background() const { return m_background; }
    const QImage& working() const { return m_working; }
    const QImage& dragLayer() const { return m_dragLayer; }
    bool hasDragLayer() const { return !m_dragLayer.isNull(); }

    QRect pieceRect(QPoint anchor) const;
    QRect drawPiece(PieceCode code, QPoint anchor); // on the working image
    QRect erasePiece(PieceCode code, QPoint anchor); // from the working image
    QRect drawSquarePiece(PieceCode code, int column, int row);
    QRect eraseSquarePiece(PieceCode code, int column, int row);

    void makeDragLayer() { m_dragLayer = m_working.copy(); }
    void dropDragLayer() { m_dragLayer = QImage(); }
    // Moves a piece on the drag layer; returns the area that changed.
    QRect moveOnDragLayer(PieceCode code, QPoint from, QPoint to, bool firstDraw);

private:
    QRect drawPieceOn(QImage& target, PieceCode code, QPoint anchor) const;
    void drawBoard();
    void drawCoordinates(const Look& look);

    BoardLayout m_layout;
    QImage m_background;
    QImage m_working;
    QImage m_dragLayer;
};
