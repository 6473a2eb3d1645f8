#include "games/ui/SharedPieceState.h"

#include "games/PieceSetCatalog.h"

#include <QtDebug>

SharedPieceState& SharedPieceState::instance()
{
    static SharedPieceState state;
    return state;
}

SharedPieceState::SharedPieceState()
{
    for (int i = 0; i < 4; ++i)
        m_colours[i] = builtInColour(BoardColour(i));
}

QColor SharedPieceState::builtInColour(BoardColour which)
{
    switch (which) {
    case BoardColour::LightSquares:
        return QColor(224, 164, 164);
    case BoardColour::DarkSquares:
        return QColor(143, 143, 143);
    case BoardColour::WhitePieces:
        return QColor(228, 153, 155);
    case BoardColour::BlackPieces:
        return QColor(155, 158, 158);
    }
    return Qt::black;
}

bool SharedPieceState::setPieceSet(int set)
{
    if (!PieceSetCatalog::isValidIndex(set))
        return false;
    m_pieceSet = set;
    return true;
}

void SharedPieceState::setColour(BoardColour which, const QColor& colour)
{
    if (m_colours[int(which)] == colour)
        return;
    m_colours[int(which)] = colour;
    if (m_shades)
        rebuildShadeTable();
}

void SharedPieceState::rebuildShadeTable()
{
    m_shades.emplace(m_colours[0], m_colours[1], m_colours[2], m_colours[3]);
}

void SharedPieceState::makePictures()
{
    if (!m_shades)
        rebuildShadeTable();
    const int size = PieceSetCatalog::info(m_pieceSet).size;
    for (int k = 0; k < PieceKindCount; ++k) {
        const auto kind = static_cast<PieceKind>(k);
        QImage source(PieceSetCatalog::picturePath(m_pieceSet, kind));
        if (source.isNull()) {
            qWarning() << "piece picture missing:" << PieceSetCatalog::pictureName(m_pieceSet, kind);
            source = QImage(size, size, QImage::Format_RGB32);
            source.fill(Qt::white);
        }
        for (bool white : {true, false}) {
            const PieceCode code = pieceCodeOf(kind, white);
            m_images[int(code) - 1] = PieceImage(source, code, m_pieceSet, *m_shades);
        }
    }
    m_pictureSize = size;
    m_scaled.clear();
}

const QImage& SharedPieceState::scaledPiece(PieceCode code, int width)
{
    const quint64 key = (quint64(width) << 8) | quint64(code);
    auto it = m_scaled.find(key);
    if (it == m_scaled.end()) {
        const QImage& masked = pieceImage(code).masked();
        it = m_scaled.insert(key, masked.scaled(width, width, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation));
    }
    return *it;
}

const QImage& SharedPieceState::scaledMask(PieceCode code, int width)
{
    const quint64 key = (quint64(width) << 8) | quint64(code) | (quint64(1) << 7);
    auto it = m_scaled.find(key);
    if (it == m_scaled.end()) {
        QImage mask = scaledPiece(code, width).copy();
        for (int y = 0; y < mask.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
            for (int x = 0; x < mask.width(); ++x)
                line[x] = qAlpha(line[x]) ? 0xFF000000u : 0u;
        }
        it = m_scaled.insert(key, mask);
    }
    return *it;
}

void SharedPieceState::controlCreated()
{
    if (m_controls++ == 0)
        rebuildShadeTable();
}

void SharedPieceState::controlDestroyed()
{
    if (--m_controls == 0)
        m_shades.reset();
}

void SharedPieceState::controlWindowCreated()
{
    if (!picturesMade())
        makePictures();
}
