// tolvaris-assetgen ASSETS_DIR [--sheet FILE]
// Writes every picture under ASSETS_DIR (pieces/, cursors/, dots/, pictures/); --sheet also
// writes all 108 piece pictures side by side, enlarged, for looking at them.
#include "ExtraPictures.h"
#include "PieceRenderer.h"
#include "games/PieceSetCatalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

namespace {

const char* const KindNames[PieceKindCount] = {"PAWN", "KNIGHT", "BISHOP", "ROOK", "QUEEN", "KING"};
const char* const DotNames[4] = {"CIRCLE", "SQUARE", "TRIANGLE", "ATOMIC"};

bool save(const QImage& image, const QString& path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

QImage contactSheet(const QList<QImage>& pictures)
{
    constexpr int Cell = 180;
    QImage sheet(Cell * PieceKindCount, Cell * PieceSetCatalog::Count, QImage::Format_RGB32);
    sheet.fill(QColor(150, 150, 150));
    QPainter painter(&sheet);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const QRect cell((i % PieceKindCount) * Cell, (i / PieceKindCount) * Cell, Cell, Cell);
        painter.drawImage(cell.adjusted(2, 2, -2, -2), pictures[i]);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: tolvaris-assetgen ASSETS_DIR [--sheet FILE]\n");
        return 2;
    }
    const QDir out(args[1]);
    for (const char* sub : {"pieces", "cursors", "dots", "pictures"})
        out.mkpath(QLatin1String(sub));

    bool ok = true;
    QList<QImage> pictures;
    for (int set = 0; set < PieceSetCatalog::Count; ++set) {
        for (int k = 0; k < PieceKindCount; ++k) {
            const auto kind = static_cast<PieceKind>(k);
            const QImage picture = renderPiecePicture(set, kind);
            pictures.append(picture);
            const QString name = PieceSetCatalog::pictureName(set, kind);
            ok &= save(picture, out.filePath(QStringLiteral("pieces/%1.png").arg(name)));
        }
    }
    for (int k = 0; k < PieceKindCount; ++k) {
        ok &= save(dragCursorPicture(static_cast<PieceKind>(k)),
                   out.filePath(QStringLiteral("cursors/CUR%1.png").arg(KindNames[k])));
    }
    for (int shape = 0; shape < 4; ++shape) {
        for (bool blue : {false, true}) {
            const QString name = QLatin1String(blue ? "BLUE" : "RED") + DotNames[shape];
            ok &= save(seekDotPicture(shape, blue), out.filePath("dots/" + name + ".png"));
        }
    }
    ok &= save(profilePicture(), out.filePath(QStringLiteral("pictures/profile.jpg")));
    ok &= save(aboutPicture(), out.filePath(QStringLiteral("pictures/about.jpg")));

    const qsizetype sheetAt = args.indexOf(QStringLiteral("--sheet"));
    if (sheetAt > 0 && sheetAt + 1 < args.size())
        ok &= save(contactSheet(pictures), args[sheetAt + 1]);
    return ok ? 0 : 1;
}
