#include "BoardShot.h"

#include "games/ParseStyle12.h"
#include "games/PieceSetCatalog.h"
#include "games/Style12Record.h"
#include "games/ui/TChessBoard.h"

#include <QDir>
#include <QPainter>

QByteArray BoardShot::startingPositionLine()
{
    return "<12> rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP RNBQKBNR W -1 1 "
           "1 1 1 0 1 white black -3 0 0 39 39 0 0 1 none (0:00) none 0";
}

QImage BoardShot::render(const BoardShotOptions& options)
{
    Style12Record record;
    const QByteArray line = options.style12.isEmpty() ? startingPositionLine() : options.style12;
    if (!ParseStyle12(line, record))
        return {};
    if (options.reversed)
        record.Flip = 1;
    TChessBoard board;
    board.resize(options.size);
    board.setPieceSet(options.pieceSet);
    board.setF3d(options.threeD);
    board.setPerspective(options.perspective);
    board.setCoordinates(options.coordinates);
    board.setMoveSpeed(0);
    board.FullRebuild();
    board.SetPosition(record);
    return board.grab().toImage();
}

bool BoardShot::writeGallery(const QString& directory, const BoardShotOptions& base)
{
    QDir().mkpath(directory);
    const QDir dir(directory);
    constexpr int Columns = 6;
    const QSize cell = base.size / 2;
    const int rows = (PieceSetCatalog::Count * 2 + Columns - 1) / Columns;
    QImage sheet(cell.width() * Columns, (cell.height() + 18) * rows, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    bool ok = true;
    int index = 0;
    for (int set = 0; set < PieceSetCatalog::Count; ++set) {
        for (bool threeD : {true, false}) {
            BoardShotOptions options = base;
            options.pieceSet = set;
            options.threeD = threeD;
            const QImage shot = render(options);
            const QString name = QStringLiteral("set-%1-%2.png")
                                     .arg(set, 2, 10, QLatin1Char('0'))
                                     .arg(threeD ? QStringLiteral("3d") : QStringLiteral("2d"));
            ok &= shot.save(dir.filePath(name));
            const QPoint at((index % Columns) * cell.width(),
                            (index / Columns) * (cell.height() + 18));
            painter.drawText(QRect(at, QSize(cell.width(), 18)), Qt::AlignCenter,
                             QStringLiteral("%1 (%2)").arg(QLatin1String(PieceSetCatalog::info(set).name),
                                                          threeD ? "3D" : "2D"));
            painter.drawImage(QRect(at + QPoint(0, 18), cell), shot);
            ++index;
        }
    }
    painter.end();
    return ok && sheet.save(dir.filePath(QStringLiteral("gallery.png")));
}
