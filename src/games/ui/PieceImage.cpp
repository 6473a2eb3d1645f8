#include "games/ui/PieceImage.h"

#include "games/PieceSetCatalog.h"
#include "games/ui/ShadeTable.h"

PieceImage::PieceImage(const QImage& source, PieceCode code, int pieceSet,
                       const ShadeTable& shades)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    m_opaque = picture;
    m_masked = QImage(picture.size(), QImage::Format_ARGB32_Premultiplied);
    const bool white = isWhitePiece(code);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* opaque = reinterpret_cast<QRgb*>(m_opaque.scanLine(y));
        auto* masked = reinterpret_cast<QRgb*>(m_masked.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb rgb = in[x] & 0xFFFFFF;
            const int shade = PieceSetCatalog::markerShade(pieceSet, rgb);
            const QRgb colour = shade >= 0 ? shades.pieceShade(white, shade) : in[x];
            opaque[x] = colour | 0xFF000000u;
            masked[x] = rgb == 0xFFFFFF ? 0u : (colour | 0xFF000000u);
        }
    }
}
