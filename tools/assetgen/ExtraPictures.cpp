#include "ExtraPictures.h"

#include "PieceShapes.h"
#include "settings/ProductName.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

void drawPiece(QPainter& painter, PieceKind kind, QPointF baseCentre, double height,
               const QColor& fill)
{
    const PieceShape shape = pieceShape(ShapeFamily::Staunton, kind, 1.0);
    painter.save();
    painter.translate(baseCentre.x(), baseCentre.y() - height);
    painter.scale(height, height);
    painter.setPen(QPen(Qt::black, 1.6 / height));
    painter.setBrush(fill);
    painter.drawPath(shape.body);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape.details);
    painter.restore();
}

// A small board in perspective with a few pieces, the picture of both windows.
void drawScene(QPainter& painter, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(38, 52, 84));
    sky.setColorAt(1, QColor(150, 120, 90));
    painter.fillRect(area, sky);
    const double w = area.width(), h = area.height();
    const double top = area.top() + h * 0.48, bottom = area.bottom() - h * 0.04;
    const auto rowY = [&](double r) { return top + (bottom - top) * (r * r * 0.35 + r * 0.65); };
    const auto colX = [&](double c, double y) {
        const double t = (y - top) / (bottom - top);
        const double half = w * (0.28 + 0.2 * t);
        return area.left() + w / 2 + (c - 4) / 4 * half;
    };
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const double y0 = rowY(r / 8.0), y1 = rowY((r + 1) / 8.0);
            const QPolygonF square({{colX(c, y0), y0}, {colX(c + 1, y0), y0},
                                    {colX(c + 1, y1), y1}, {colX(c, y1), y1}});
            painter.setPen(Qt::NoPen);
            painter.setBrush((r + c) % 2 ? QColor(120, 84, 60) : QColor(232, 206, 160));
            painter.drawPolygon(square);
        }
    }
    const struct
    {
        PieceKind kind;
        int column, row;
        bool white;
    } pieces[] = {{PieceKind::Rook, 0, 1, false},  {PieceKind::King, 6, 1, false},
                  {PieceKind::Pawn, 2, 3, false},  {PieceKind::Knight, 5, 4, true},
                  {PieceKind::Bishop, 2, 5, true}, {PieceKind::Queen, 3, 7, true},
                  {PieceKind::King, 5, 7, true}};
    for (const auto& p : pieces) {
        const double y = rowY((p.row + 0.7) / 8.0);
        const double x = (colX(p.column, y) + colX(p.column + 1, y)) / 2;
        const double size = (colX(1, y) - colX(0, y)) * 1.5;
        drawPiece(painter, p.kind, {x, y}, size,
                  p.white ? QColor(246, 240, 226) : QColor(48, 44, 44));
    }
}

void drawTitle(QPainter& painter, const QRectF& area, int pixelSize, const QString& subtitle)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(250, 236, 200));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Tolvaris"));
    font.setBold(false);
    font.setPixelSize(pixelSize * 2 / 5);
    painter.setFont(font);
    painter.drawText(area.adjusted(0, pixelSize * 1.25, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     subtitle);
}

} // namespace

QImage dragCursorPicture(PieceKind kind)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPiece(painter, kind, {16, 30}, 28, Qt::white);
    return image;
}

QImage seekDotPicture(int shape, bool blue)
{
    QImage image(11, 11, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue ? QColor(0, 0, 255) : QColor(255, 0, 0));
    switch (shape) {
    case 0:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(QRectF(0.5, 0.5, 10, 10));
        break;
    case 1:
        painter.drawRect(1, 1, 9, 9);
        break;
    case 2:
        painter.drawPolygon(QPolygon({{5, 0}, {10, 10}, {0, 10}}));
        break;
    default: // a diamond with pinched sides, like a four-pointed star
        painter.drawPolygon(QPolygon({{5, 0}, {7, 3}, {10, 5}, {7, 7}, {5, 10}, {3, 7}, {0, 5},
                                      {3, 3}}));
        break;
    }
    return image;
}

QImage profilePicture()
{
    QImage image(240, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawScene(painter, image.rect());
    drawTitle(painter, QRectF(0, 14, 240, 80), 40, QStringLiteral("Profiles"));
    return image;
}

QImage aboutPicture()
{
    QImage image(561, 546, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawScene(painter, image.rect());
    drawTitle(painter, QRectF(0, 40, 561, 160), 84, ProductVersionAndEdition);
    return image;
}
