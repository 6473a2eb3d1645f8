#include "PieceShapes.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace {

QPainterPath ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath rect(double left, double top, double right, double bottom)
{
    QPainterPath p;
    p.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
}

// A turned body from a collar at neckY (half-width neck) flaring to the foot at footY.
QPainterPath flaredBody(double neckY, double neck, double footY, double foot)
{
    QPainterPath p;
    p.moveTo(-neck, neckY);
    p.cubicTo(-neck, (neckY + footY) / 2, -foot * 0.7, footY - 0.06, -foot, footY);
    p.lineTo(foot, footY);
    p.cubicTo(foot * 0.7, footY - 0.06, neck, (neckY + footY) / 2, neck, neckY);
    p.closeSubpath();
    return p;
}

// A closed smooth curve through the points (Catmull-Rom turned into cubic segments).
QPainterPath smoothClosed(const QList<QPointF>& pts)
{
    QPainterPath p;
    const qsizetype n = pts.size();
    p.moveTo(pts[0]);
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF p0 = pts[(i + n - 1) % n], p1 = pts[i], p2 = pts[(i + 1) % n],
                      p3 = pts[(i + 2) % n];
        p.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    p.closeSubpath();
    return p;
}

QPainterPath stauntonBase()
{
    QPainterPath base;
    base.addRoundedRect(QRectF(QPointF(-0.36, 0.87), QPointF(0.36, 1.0)), 0.04, 0.04);
    return base.united(rect(-0.30, 0.80, 0.30, 0.89));
}

PieceShape staunton(PieceKind kind)
{
    PieceShape s;
    QPainterPath body = stauntonBase();
    QPainterPath& d = s.details;
    d.moveTo(-0.30, 0.88);
    d.lineTo(0.30, 0.88);
    switch (kind) {
    case PieceKind::Pawn:
        body = body.united(ellipse(0, 0.33, 0.14, 0.14))
                   .united(ellipse(0, 0.50, 0.18, 0.045))
                   .united(flaredBody(0.50, 0.09, 0.81, 0.27));
        break;
    case PieceKind::Rook:
        body = body.united(flaredBody(0.34, 0.20, 0.81, 0.27))
                   .united(rect(-0.27, 0.10, 0.27, 0.36))
                   .subtracted(rect(-0.12, 0.09, -0.045, 0.19))
                   .subtracted(rect(0.045, 0.09, 0.12, 0.19));
        d.moveTo(-0.27, 0.36);
        d.lineTo(0.27, 0.36);
        break;
    case PieceKind::Bishop:
        body = body.united(ellipse(0, 0.09, 0.055, 0.055))
                   .united(ellipse(0, 0.32, 0.155, 0.20))
                   .united(ellipse(0, 0.55, 0.19, 0.045))
                   .united(flaredBody(0.55, 0.09, 0.81, 0.26));
        d.moveTo(0.02, 0.20);
        d.lineTo(0.10, 0.34);
        d.moveTo(-0.19, 0.55);
        d.lineTo(0.19, 0.55);
        break;
    case PieceKind::Queen: {
        const double tips[] = {-0.28, -0.14, 0, 0.14, 0.28};
        QPainterPath crown =
            polygon({{-0.28, 0.16}, {-0.19, 0.30}, {-0.14, 0.12}, {-0.07, 0.30}, {0, 0.10},
                     {0.07, 0.30}, {0.14, 0.12}, {0.19, 0.30}, {0.28, 0.16}, {0.14, 0.46},
                     {-0.14, 0.46}});
        for (double x : tips)
            crown = crown.united(ellipse(x, x == 0 ? 0.08 : (qAbs(x) > 0.2 ? 0.14 : 0.10), 0.04,
                                         0.04));
        body = body.united(crown)
                   .united(ellipse(0, 0.50, 0.19, 0.045))
                   .united(flaredBody(0.50, 0.11, 0.81, 0.28));
        d.moveTo(-0.19, 0.38);
        d.lineTo(0.19, 0.38);
        break;
    }
    case PieceKind::King:
        body = body.united(rect(-0.035, 0.0, 0.035, 0.17))
                   .united(rect(-0.10, 0.04, 0.10, 0.10))
                   .united(ellipse(0, 0.26, 0.21, 0.09))
                   .united(polygon({{-0.21, 0.26}, {0.21, 0.26}, {0.13, 0.47}, {-0.13, 0.47}}))
                   .united(ellipse(0, 0.50, 0.20, 0.045))
                   .united(flaredBody(0.50, 0.11, 0.81, 0.29));
        d.moveTo(-0.17, 0.36);
        d.lineTo(0.17, 0.36);
        break;
    case PieceKind::Knight:
        body = body.united(smoothClosed({{0.27, 0.82},  {0.26, 0.58},  {0.23, 0.38},
                                         {0.16, 0.20},  {0.07, 0.10},  {0.05, 0.01},
                                         {-0.02, 0.08}, {-0.14, 0.16}, {-0.26, 0.31},
                                         {-0.33, 0.42}, {-0.27, 0.49}, {-0.16, 0.45},
                                         {-0.05, 0.44}, {-0.13, 0.60}, {-0.22, 0.82}}));
        d.addEllipse(QPointF(-0.07, 0.23), 0.025, 0.025);
        d.moveTo(0.05, 0.13);
        d.cubicTo(0.16, 0.30, 0.17, 0.50, 0.14, 0.70);
        break;
    }
    s.body = body;
    return s;
}

PieceShape geometric(PieceKind kind)
{
    PieceShape s;
    QPainterPath body = rect(-0.34, 0.86, 0.34, 1.0);
    QPainterPath& d = s.details;
    switch (kind) {
    case PieceKind::Pawn:
        body = body.united(ellipse(0, 0.38, 0.14, 0.14))
                   .united(polygon({{-0.08, 0.48}, {0.08, 0.48}, {0.22, 0.87}, {-0.22, 0.87}}));
        break;
    case PieceKind::Rook:
        body = body.united(rect(-0.20, 0.30, 0.20, 0.87))
                   .united(rect(-0.28, 0.10, 0.28, 0.32))
                   .subtracted(rect(-0.13, 0.09, -0.05, 0.20))
                   .subtracted(rect(0.05, 0.09, 0.13, 0.20));
        d.addRect(QRectF(QPointF(-0.20, 0.32), QPointF(0.20, 0.80)));
        break;
    case PieceKind::Bishop:
        body = body.united(polygon({{0, 0.04}, {0.18, 0.30}, {0, 0.56}, {-0.18, 0.30}}))
                   .united(polygon({{-0.07, 0.52}, {0.07, 0.52}, {0.22, 0.87}, {-0.22, 0.87}}));
        d.moveTo(-0.09, 0.30);
        d.lineTo(0.09, 0.30);
        d.moveTo(0, 0.21);
        d.lineTo(0, 0.39);
        break;
    case PieceKind::Queen:
        body = body.united(polygon({{-0.32, 0.10}, {-0.16, 0.32}, {0, 0.04}, {0.16, 0.32},
                                    {0.32, 0.10}, {0.22, 0.56}, {-0.22, 0.56}}))
                   .united(polygon({{-0.12, 0.54}, {0.12, 0.54}, {0.26, 0.87}, {-0.26, 0.87}}));
        d.moveTo(-0.22, 0.56);
        d.lineTo(0.22, 0.56);
        break;
    case PieceKind::King:
        body = body.united(rect(-0.04, 0.0, 0.04, 0.24))
                   .united(rect(-0.12, 0.06, 0.12, 0.14))
                   .united(polygon({{-0.26, 0.24}, {0.26, 0.24}, {0.16, 0.56}, {-0.16, 0.56}}))
                   .united(polygon({{-0.12, 0.54}, {0.12, 0.54}, {0.26, 0.87}, {-0.26, 0.87}}));
        d.moveTo(-0.16, 0.56);
        d.lineTo(0.16, 0.56);
        break;
    case PieceKind::Knight:
        body = body.united(polygon({{0.26, 0.87}, {0.24, 0.42}, {0.12, 0.14}, {0.04, 0.02},
                                    {-0.03, 0.12}, {-0.31, 0.33}, {-0.27, 0.47}, {-0.06, 0.42},
                                    {-0.20, 0.87}}));
        d.addRect(QRectF(-0.09, 0.20, 0.05, 0.05));
        break;
    }
    s.body = body;
    return s;
}

// The geometric outline sampled on a grid of Cells x Cells and rebuilt from whole cells.
PieceShape stepped(PieceKind kind)
{
    constexpr int Cells = 15;
    const PieceShape fine = geometric(kind);
    QImage grid(Cells, Cells, QImage::Format_Grayscale8);
    grid.fill(0);
    {
        QPainter painter(&grid);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(Cells, Cells);
        painter.translate(0.5, 0);
        painter.fillPath(fine.body, Qt::white);
    }
    PieceShape s;
    for (int y = 0; y < Cells; ++y) {
        for (int x = 0; x < Cells; ++x) {
            if (qGray(grid.pixel(x, y)) >= 110)
                s.body.addRect(QRectF(x / double(Cells) - 0.5, y / double(Cells),
                                      1.0 / Cells, 1.0 / Cells));
        }
    }
    s.body = s.body.simplified();
    // Carved bands across the body.
    for (double y : {0.62, 0.74}) {
        s.details.moveTo(-0.3, y);
        s.details.lineTo(0.3, y);
    }
    s.details = s.details.intersected(s.body);
    return s;
}

PieceShape glyph(PieceKind kind, bool bold)
{
    // Chess symbols: U+2654 white king .. U+2659 white pawn, U+265A black king ..
    const int fromKing[] = {5, 4, 3, 2, 1, 0}; // pawn .. king in the font's order
    const int offset = fromKing[int(kind)];
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    font.setPixelSize(100);
    QPainterPath solid, lines;
    solid.addText(0, 0, font, QString(QChar(0x265A + offset)));
    lines.addText(0, 0, font, QString(QChar(0x2654 + offset)));
    const QRectF box = solid.boundingRect();
    const double scale = 1.0 / std::max(box.width(), box.height());
    QTransform t;
    t.translate(0, 1.0);
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.bottom());
    PieceShape s;
    s.body = t.map(solid);
    s.details = t.map(lines);
    s.detailsFilled = true;
    return s;
}

} // namespace

PieceShape pieceShape(ShapeFamily family, PieceKind kind, double widthScale)
{
    PieceShape shape;
    switch (family) {
    case ShapeFamily::Staunton:
        shape = staunton(kind);
        break;
    case ShapeFamily::Geometric:
        shape = geometric(kind);
        break;
    case ShapeFamily::Stepped:
        shape = stepped(kind);
        break;
    case ShapeFamily::Glyph:
    case ShapeFamily::GlyphBold:
        shape = glyph(kind, family == ShapeFamily::GlyphBold);
        break;
    }
    QTransform widen;
    widen.scale(widthScale, 1.0);
    shape.body = widen.map(shape.body);
    shape.details = widen.map(shape.details);
    return shape;
}
