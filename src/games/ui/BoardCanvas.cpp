#include "games/ui/BoardCanvas.h"

#include "games/ui/SharedPieceState.h"

#include <QPainter>
#include <QPolygon>

namespace {

// x of the straight line from a to b at height y.
int lineX(QPoint a, QPoint b, int y)
{
    if (b.y() == a.y())
        return a.x();
    return a.x() + int(qint64(b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()));
}

} // namespace

void BoardCanvas::build(const BoardLayout& layout, const Look& look)
{
    m_layout = layout;
    const QSize size(layout.input().width, layout.input().height);
    // Opaque, in the screen's own format: showing a part of it is a plain copy.
    m_background = QImage(size, QImage::Format_RGB32);
    m_background.fill(Qt::white);
    QPainter painter(&m_background);
    painter.setPen(Qt::NoPen);
    const BoardLayout& l = m_layout;
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({l.corner(0, 0), l.corner(8, 0), l.corner(8, 8), l.corner(0, 8)}));
    for (int c = 0; c < 8; ++c) {
        const QPoint leftTop = l.corner(c, 0), leftBottom = l.corner(c, 8);
        const QPoint rightTop = l.corner(c + 1, 0), rightBottom = l.corner(c + 1, 8);
        for (int r = 0; r < 8; ++r) {
            const int top = l.rowTop(r), bottom = l.rowTop(r + 1);
            painter.setBrush((c + r) % 2 == 0 ? look.lightSquares : look.darkSquares);
            painter.drawPolygon(QPolygon({{lineX(leftTop, leftBottom, top), top},
                                          {lineX(rightTop, rightBottom, top), top},
                                          {lineX(rightTop, rightBottom, bottom), bottom},
                                          {lineX(leftTop, leftBottom, bottom), bottom}}));
        }
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygon({l.corner(0, 0), l.corner(8, 0), l.corner(8, 8), l.corner(0, 8)}));
    painter.end();
    if (layout.input().coordinates)
        drawCoordinates(look);
    m_working = m_background.copy();
    m_dragLayer = QImage();
}

void BoardCanvas::drawCoordinates(const Look& look)
{
    QPainter painter(&m_background);
    painter.setFont(look.font);
    painter.setPen(Qt::black);
    const BoardLayout& l = m_layout;
    const int tw = l.input().textWidth, th = l.input().textHeight;
    const int w = l.input().width, h = l.input().height;
    const auto label = [&](const QRect& rect, char text) {
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, QString(QChar(text)));
    };
    for (int k = 0; k < 8; ++k) {
        const int row = look.reversed ? k : 7 - k;
        QPoint c = l.centre(0, row);
        int cw = l.colWidth(c.y()), ch = l.rowHeight(c.y());
        const int right = c.x() - cw / 2;
        label(QRect(QPoint(std::max(right - 2 * tw, 0), c.y() - ch / 2),
                    QPoint(right, c.y() + ch / 2)),
              char('1' + k));
        c = l.centre(7, row);
        cw = l.colWidth(c.y());
        ch = l.rowHeight(c.y());
        const int left = c.x() + cw / 2;
        label(QRect(QPoint(left, c.y() - ch / 2), QPoint(std::min(left + 2 * tw, w), c.y() + ch / 2)),
              char('1' + k));
    }
    for (int k = 0; k < 8; ++k) {
        const int column = look.reversed ? 7 - k : k;
        QPoint c = l.centre(column, 7);
        int hw = l.colWidth(c.y()) / 2, hh = l.rowHeight(c.y()) / 2;
        const int top = c.y() + hh + 1;
        label(QRect(QPoint(c.x() - hw, top), QPoint(c.x() + hw, std::min(top + 2 * th, h))),
              char('a' + k));
        c = l.centre(column, 0);
        hw = l.colWidth(c.y()) / 2;
        hh = l.rowHeight(c.y()) / 2;
        const int bottom = c.y() - hh - 1;
        label(QRect(QPoint(c.x() - hw, std::max(bottom - 2 * th, 0)), QPoint(c.x() + hw, bottom)),
              char('a' + k));
    }
}

QRect BoardCanvas::pieceRect(QPoint anchor) const
{
    const int w = std::max(1, m_layout.colWidth(anchor.y()));
    const double scale = double(w) / SharedPieceState::instance().pictureSize();
    return QRect(anchor.x() - int(scale * m_layout.anchorX()),
                 anchor.y() - int(scale * m_layout.anchorY()), w, w);
}

QRect BoardCanvas::drawPieceOn(QImage& target, PieceCode code, QPoint anchor) const
{
    const QRect rect = pieceRect(anchor);
    QPainter painter(&target);
    painter.drawImage(rect.topLeft(), SharedPieceState::instance().scaledPiece(code, rect.width()));
    return rect;
}

QRect BoardCanvas::drawPiece(PieceCode code, QPoint anchor)
{
    return drawPieceOn(m_working, code, anchor);
}

// The background comes back wherever the piece's picture is not transparent. Done pixel by
// pixel: a painter per piece would cost more than the copying (both images share a format).
QRect BoardCanvas::erasePiece(PieceCode code, QPoint anchor)
{
    const QRect rect = pieceRect(anchor);
    const QImage& mask = SharedPieceState::instance().scaledMask(code, rect.width());
    const QRect area = rect.intersected(m_working.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* covered = reinterpret_cast<const QRgb*>(mask.constScanLine(y - rect.top()));
        const auto* from = reinterpret_cast<const QRgb*>(m_background.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(m_working.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(covered[x - rect.left()]) != 0)
                to[x] = from[x];
        }
    }
    return rect;
}

QRect BoardCanvas::drawSquarePiece(PieceCode code, int column, int row)
{
    return drawPiece(code, m_layout.centre(column, row));
}

QRect BoardCanvas::eraseSquarePiece(PieceCode code, int column, int row)
{
    return erasePiece(code, m_layout.centre(column, row));
}

QRect BoardCanvas::moveOnDragLayer(PieceCode code, QPoint from, QPoint to, bool firstDraw)
{
    QRect changed;
    if (!firstDraw) {
        // A piece covers exactly its rectangle at its anchor, so that is all to restore.
        const QRect area = pieceRect(from).intersected(m_dragLayer.rect());
        QPainter painter(&m_dragLayer);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(area.topLeft(), m_working, area);
        changed = area;
    }
    return changed.united(drawPieceOn(m_dragLayer, code, to));
}
