#pragma once

#include "games/PieceCode.h"
#include "games/ui/PieceImage.h"
#include "games/ui/ShadeTable.h"

#include <QColor>
#include <QHash>
#include <array>
#include <optional>

enum class BoardColour
{
    LightSquares, // WSColor
    DarkSquares,  // BSColor
    WhitePieces,  // WPColor
    BlackPieces,  // BPColor
};

// What every board and piece grid of the process shares: the piece set, the click-move
// mode, the four colours, the shade table made from them and the twelve recoloured piece
// pictures. Changing a value through one control changes it for all; recoloured pictures
// follow a colour change at the next makePictures().
class SharedPieceState
{
public:
    static SharedPieceState& instance();

    int pieceSet() const { return m_pieceSet; }
    // Out-of-range sets (say, from a damaged settings file) are refused: false, no change.
    bool setPieceSet(int set);
    bool clickMove() const { return m_clickMove; }
    void setClickMove(bool on) { m_clickMove = on; }
    QColor colour(BoardColour which) const { return m_colours[int(which)]; }
    void setColour(BoardColour which, const QColor& colour);
    static QColor builtInColour(BoardColour which);

    // The table exists while at least one control does.
    bool hasShadeTable() const { return m_shades.has_value(); }
    const ShadeTable& shadeTable() const { return *m_shades; }

    // Recolours the current set's six pictures for both sides and sets the picture size.
    void makePictures();
    bool picturesMade() const { return m_pictureSize > 0; }
    int pictureSize() const { return m_pictureSize; }
    const PieceImage& pieceImage(PieceCode code) const { return m_images[int(code) - 1]; }
    // The masked picture scaled to width x width, and a mask that is opaque wherever that
    // picture is not fully transparent (for erasing). Cached until the next makePictures().
    const QImage& scaledPiece(PieceCode code, int width);
    const QImage& scaledMask(PieceCode code, int width);

    void controlCreated();
    void controlDestroyed();
    void controlWindowCreated(); // the first one makes the pictures

private:
    SharedPieceState();
    void rebuildShadeTable();

    int m_pieceSet = 0;
    bool m_clickMove = false;
    std::array<QColor, 4> m_colours;
    std::optional<ShadeTable> m_shades;
    std::array<PieceImage, 12> m_images;
    int m_pictureSize = 0;
    int m_controls = 0;
    QHash<quint64, QImage> m_scaled;
};
