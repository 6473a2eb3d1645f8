#include "games/ui/PieceImage.h"
#include "games/ui/ShadeTable.h"

#include <QTest>

namespace {

// The fourteen markers in the order of their shade in the later sets.
const QRgb Markers[14] = {0x00FFFF, 0xFF00FF, 0x0000FF, 0xFFFF00, 0x00FF00, 0xFF0000, 0x808080,
                          0xC0C0C0, 0x008080, 0x800080, 0x000080, 0x808000, 0x008000, 0x800000};
constexpr QRgb Other = 0x123456;

// One row: the 14 markers, then white, black and an unrelated colour.
QImage markerStrip()
{
    QImage image(17, 1, QImage::Format_RGB32);
    for (int i = 0; i < 14; ++i)
        image.setPixel(i, 0, 0xFF000000u | Markers[i]);
    image.setPixel(14, 0, 0xFFFFFFFFu);
    image.setPixel(15, 0, 0xFF000000u);
    image.setPixel(16, 0, 0xFF000000u | Other);
    return image;
}

ShadeTable shades(const QColor& whitePieces = QColor(200, 100, 40))
{
    return ShadeTable(Qt::white, Qt::gray, whitePieces, QColor(60, 80, 100));
}

QRgb rgb(QRgb pixel)
{
    return pixel & 0xFFFFFF;
}

} // namespace

class PieceImageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fourteenMarkerSetsShadeEveryMarker_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("white knight") << int(PieceCode::WhiteKnight);
        QTest::newRow("black queen") << int(PieceCode::BlackQueen);
    }
    void fourteenMarkerSetsShadeEveryMarker()
    {
        QFETCH(int, code);
        const PieceCode piece = PieceCode(code);
        const ShadeTable table = shades();
        const PieceImage image(markerStrip(), piece, 13, table);
        for (int k = 0; k < 14; ++k)
            QCOMPARE(rgb(image.opaque().pixel(k, 0)), rgb(table.pieceShade(isWhitePiece(piece), k)));
        QCOMPARE(rgb(image.opaque().pixel(15, 0)), 0u);
        QCOMPARE(rgb(image.opaque().pixel(16, 0)), Other);
    }

    void fourMarkerSetsShadeOnlyTheirMarkers()
    {
        const ShadeTable table = shades();
        for (const PieceCode piece : {PieceCode::WhitePawn, PieceCode::BlackPawn}) {
            const bool white = isWhitePiece(piece);
            const PieceImage image(markerStrip(), piece, 1, table);
            QCOMPARE(rgb(image.opaque().pixel(5, 0)), rgb(table.pieceShade(white, 0)));  // red
            QCOMPARE(rgb(image.opaque().pixel(1, 0)), rgb(table.pieceShade(white, 3)));  // fuchsia
            QCOMPARE(rgb(image.opaque().pixel(9, 0)), rgb(table.pieceShade(white, 6)));  // purple
            QCOMPARE(rgb(image.opaque().pixel(13, 0)), rgb(table.pieceShade(white, 10))); // maroon
            for (int kept : {0, 2, 3, 4, 6, 7, 8, 10, 11, 12})
                QCOMPARE(rgb(image.opaque().pixel(kept, 0)), Markers[kept]);
        }
    }

    void onlyTheOriginalWhiteIsTransparent()
    {
        // A piece colour of pure white must not make the piece vanish from the board.
        const PieceImage image(markerStrip(), PieceCode::WhiteRook, 5, shades(Qt::white));
        QCOMPARE(qAlpha(image.masked().pixel(14, 0)), 0);
        QCOMPARE(image.masked().pixel(0, 0), 0xFFFFFFFFu);
        QCOMPARE(qAlpha(image.masked().pixel(15, 0)), 255);
        QCOMPARE(image.opaque().pixel(14, 0), 0xFFFFFFFFu);
    }
};

QTEST_GUILESS_MAIN(PieceImageTest)
#include "PieceImageTest.moc"
