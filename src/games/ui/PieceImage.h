#pragma once

#include "games/PieceCode.h"

#include <QImage>

class ShadeTable;

// One piece picture recoloured for one side: the marker colours replaced by shades of the
// side's colour. Which pixels are transparent is decided by the original picture's pure
// white, so a piece colour of pure white does not make the piece vanish from the board.
class PieceImage
{
public:
    PieceImage() = default;
    PieceImage(const QImage& source, PieceCode code, int pieceSet, const ShadeTable& shades);

    const QImage& opaque() const { return m_opaque; }   // white background, for grids
    const QImage& masked() const { return m_masked; }   // transparent background, for boards
    bool isNull() const { return m_opaque.isNull(); }

private:
    QImage m_opaque;
    QImage m_masked;
};
