// tolvaris-boardshot: draws a board offscreen into a PNG file (usage below).
#include "BoardShot.h"
#include "games/PieceSetCatalog.h"

#include <QApplication>
#include <cstdio>

namespace {

const char Usage[] =
    "Usage: tolvaris-boardshot [options] -o FILE\n"
    "       tolvaris-boardshot [options] --gallery DIR\n"
    "Draws a chess board offscreen into a PNG file.\n"
    "  -o FILE            the picture to write\n"
    "  --gallery DIR      every piece set in 2D and 3D, and gallery.png, into DIR\n"
    "  --style12 \"LINE\"   the position as a whole \"<12>\" line (default: the start)\n"
    "  --set N            piece set 0..17\n"
    "  --2d               a flat board instead of 3D\n"
    "  --size WxH         the board control's size\n"
    "  --perspective P    3D perspective 0..1\n"
    "  --coords           rank and file letters\n"
    "  --reversed         black at the bottom\n"
    "  --help             this text\n";

int fail(const char* message)
{
    std::fprintf(stderr, "tolvaris-boardshot: %s\n", message);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    BoardShotOptions options;
    QString output;
    QString gallery;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const QString value = hasValue ? args[i + 1] : QString();
        bool ok = true;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(Usage, stdout);
            return 0;
        } else if (arg == QLatin1String("--2d")) {
            options.threeD = false;
        } else if (arg == QLatin1String("--coords")) {
            options.coordinates = true;
        } else if (arg == QLatin1String("--reversed")) {
            options.reversed = true;
        } else if (!hasValue) {
            return fail("missing or unknown argument");
        } else if (arg == QLatin1String("--style12")) {
            options.style12 = value.toLatin1();
        } else if (arg == QLatin1String("--set")) {
            options.pieceSet = value.toInt(&ok);
            ok = ok && PieceSetCatalog::isValidIndex(options.pieceSet);
        } else if (arg == QLatin1String("--size")) {
            const QStringList parts = value.split(QLatin1Char('x'));
            bool okHeight = false;
            ok = parts.size() == 2;
            if (ok)
                options.size = QSize(parts[0].toInt(&ok), parts[1].toInt(&okHeight));
            ok = ok && okHeight && options.size.width() > 0 && options.size.height() > 0
                 && options.size.width() <= 8000 && options.size.height() <= 8000;
        } else if (arg == QLatin1String("--perspective")) {
            options.perspective = value.toFloat(&ok);
            ok = ok && options.perspective >= 0 && options.perspective <= 1;
        } else if (arg == QLatin1String("-o")) {
            output = value;
        } else if (arg == QLatin1String("--gallery")) {
            gallery = value;
        } else {
            return fail("unknown argument");
        }
        if (!ok)
            return fail("bad value");
        if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("--2d")
            && arg != QLatin1String("--coords") && arg != QLatin1String("--reversed"))
            ++i;
    }
    if (output.isEmpty() && gallery.isEmpty()) {
        // Nothing would be written where the user expects it.
        std::fputs(Usage, stderr);
        return 2;
    }
    if (!gallery.isEmpty())
        return BoardShot::writeGallery(gallery, options) ? 0 : fail("cannot write the gallery");
    const QImage shot = BoardShot::render(options);
    if (shot.isNull())
        return fail("the style 12 line does not parse");
    return shot.save(output) ? 0 : fail("cannot write the picture");
}
