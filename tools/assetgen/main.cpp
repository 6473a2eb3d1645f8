// tolvaris-assetgen ASSETS_DIR [--sheet FILE]
// Writes every picture and sound under ASSETS_DIR (pieces/, cursors/, dots/, pictures/,
// sounds/); --sheet also
// writes all 108 piece pictures side by side, enlarged, for looking at them.
#include "ExtraPictures.h"
#include "PieceRenderer.h"
#include "SoundSynth.h"
#include "chat/SoundSettings.h"
#include "games/PieceSetCatalog.h"

#include <QDir>
#include <QFile>
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

bool saveFile(const QByteArray& bytes, const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// One tune per sound event, in the order of SoundSettings::Events: rising for
// offers, a soft tick for moves, a falling pair for the end of a game.
QList<QList<SoundSynth::Note>> eventTunes()
{
    return {
        {{784, 0.12}, {988, 0.12}, {1175, 0.25}},  // Challenge
        {{660, 0.12}, {523, 0.25}},                // Abort Request
        {{587, 0.12}, {587, 0.25}},                // Adjourn Request
        {{523, 0.12}, {659, 0.12}, {784, 0.25}},   // Draw Request
        {{880, 0.10}, {1047, 0.20}},               // More Time Added
        {{698, 0.30}},                             // Pause Request
        {{784, 0.12}, {659, 0.12}, {784, 0.20}},   // TakeBack Request
        {{1319, 0.08}, {0, 0.04}, {1319, 0.15}},   // Check
        {{440, 0.08}},                             // Moved
        {{220, 0.25}},                             // Illegal Move
        {{523, 0.10}, {784, 0.10}, {1047, 0.30}},  // Game Start
        {{784, 0.15}, {523, 0.35}},                // Game End
        {{988, 0.15}, {1319, 0.25}},               // Arrival Notification
        {{1047, 0.10}, {1568, 0.20}},              // Tells
    };
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
    for (const char* sub : {"pieces", "cursors", "dots", "pictures", "sounds"})
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

    const QList<QList<SoundSynth::Note>> tunes = eventTunes();
    for (int i = 0; i < SoundSettings::EventCount; ++i) {
        const QString name = QLatin1String(SoundSettings::Events[std::size_t(i)].defaultFile);
        ok &= saveFile(SoundSynth::waveFile(SoundSynth::render(tunes[i])),
                       out.filePath(QStringLiteral("sounds/") + name));
    }
    ok &= saveFile(SoundSynth::waveFile(SoundSynth::click()),
                   out.filePath(QStringLiteral("sounds/") + SoundSettings::ClickFile));

    const qsizetype sheetAt = args.indexOf(QStringLiteral("--sheet"));
    if (sheetAt > 0 && sheetAt + 1 < args.size())
        ok &= save(contactSheet(pictures), args[sheetAt + 1]);
    return ok ? 0 : 1;
}
