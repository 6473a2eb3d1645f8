#include "games/ui/TChessBoard.h"

#include "games/BoardOrientation.h"
#include "games/MoveAnimationRule.h"
#include "games/PieceSetCatalog.h"
#include "games/ui/SharedPieceState.h"
#include "widgets/FrameClock.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Qt's raster engine hands a copy of 96 rows or more to its fill threads and waits for
// them: waking them costs more than the copy of a board's area.
constexpr int CopyRows = 64;

TChessBoard::Position startingPosition()
{
    TChessBoard::Position position{};
    const char* const rows[8] = {"rnbqkbnr", "pppppppp", "--------", "--------",
                                 "--------", "--------", "PPPPPPPP", "RNBQKBNR"};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c)
            position[r * 8 + c] = pieceCodeFromLetter(rows[r][c]);
    }
    return position;
}

} // namespace

TChessBoard::TChessBoard(QWidget* parent) : QWidget(parent), m_current(startingPosition())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SharedPieceState::instance().controlCreated();
}

TChessBoard::~TChessBoard()
{
    SharedPieceState::instance().controlDestroyed();
}

int TChessBoard::PieceSet() const
{
    return SharedPieceState::instance().pieceSet();
}

void TChessBoard::setPieceSet(int set)
{
    SharedPieceState& shared = SharedPieceState::instance();
    if (set == shared.pieceSet() || !shared.setPieceSet(set))
        return;
    FullRebuild();
}

bool TChessBoard::ClickMove() const
{
    return SharedPieceState::instance().clickMove();
}

void TChessBoard::setClickMove(bool on)
{
    SharedPieceState::instance().setClickMove(on);
}

QColor TChessBoard::WSColor() const
{
    return SharedPieceState::instance().colour(BoardColour::LightSquares);
}
QColor TChessBoard::BSColor() const
{
    return SharedPieceState::instance().colour(BoardColour::DarkSquares);
}
QColor TChessBoard::WPColor() const
{
    return SharedPieceState::instance().colour(BoardColour::WhitePieces);
}
QColor TChessBoard::BPColor() const
{
    return SharedPieceState::instance().colour(BoardColour::BlackPieces);
}
void TChessBoard::setWSColor(const QColor& colour)
{
    SharedPieceState::instance().setColour(BoardColour::LightSquares, colour);
}
void TChessBoard::setBSColor(const QColor& colour)
{
    SharedPieceState::instance().setColour(BoardColour::DarkSquares, colour);
}
void TChessBoard::setWPColor(const QColor& colour)
{
    SharedPieceState::instance().setColour(BoardColour::WhitePieces, colour);
}
void TChessBoard::setBPColor(const QColor& colour)
{
    SharedPieceState::instance().setColour(BoardColour::BlackPieces, colour);
}

void TChessBoard::setF3d(bool on)
{
    if (on == m_threeD)
        return;
    m_threeD = on;
    FullRebuild();
}

void TChessBoard::setPerspective(float perspective)
{
    if (perspective == m_perspective)
        return;
    m_perspective = perspective;
    m_layoutStale = true;
    update();
}

void TChessBoard::setReversed(bool reversed)
{
    if (reversed == m_reversed)
        return;
    endSlide();
    m_reversed = reversed;
    m_current = turned(m_current);
    if (m_coordinates)
        FullRebuild();
    else
        UpdateChangedColumns();
}

TChessBoard::Position TChessBoard::turned(const Position& position)
{
    Position result;
    for (int i = 0; i < 64; ++i)
        result[i] = position[63 - i];
    return result;
}

QByteArray TChessBoard::SquareName(int row, int column) const
{
    return BoardOrientation::squareName(row, column, m_reversed);
}

std::optional<QPoint> TChessBoard::ParseSquare(const QByteArray& text) const
{
    return BoardOrientation::parseSquare(text, m_reversed);
}

qreal TChessBoard::pixelRatio() const
{
    return devicePixelRatioF();
}

QSize TChessBoard::deviceSize() const
{
    return (QSizeF(size()) * pixelRatio()).toSize();
}

void TChessBoard::showEvent(QShowEvent* event)
{
    SharedPieceState::instance().controlWindowCreated();
    QWidget::showEvent(event);
}

void TChessBoard::FullRebuild()
{
    SharedPieceState::instance().makePictures();
    m_layoutStale = true;
    update();
}

void TChessBoard::ensureLayout()
{
    SharedPieceState& shared = SharedPieceState::instance();
    if (!shared.picturesMade())
        shared.makePictures();
    if (m_layoutStale || !m_canvas.isReady() ||
        deviceSize() != QSize(m_canvas.layout().input().width, m_canvas.layout().input().height))
        lay();
}

void TChessBoard::lay()
{
    // Everything is drawn anew at the new size, the sliding piece already landed.
    if (m_slide) {
        FrameClock::instance().cancel(this);
        m_slide.reset();
        m_drag = DragState();
    }
    const qreal ratio = pixelRatio();
    QFont font = this->font();
    font.setPixelSize(std::max(1, int(std::lround(QFontInfo(font).pixelSize() * ratio))));
    const QFontMetrics metrics(font);
    BoardLayoutInput input;
    input.width = deviceSize().width();
    input.height = deviceSize().height();
    input.perspective = m_perspective;
    input.threeD = m_threeD;
    input.coordinates = m_coordinates;
    input.textWidth = metrics.horizontalAdvance(QLatin1Char('W'));
    input.textHeight = metrics.height();
    input.pictureSize = SharedPieceState::instance().pictureSize();
    input.pieceSet = SharedPieceState::instance().pieceSet();
    m_canvas.build(BoardLayout(input), {WSColor(), BSColor(), font, m_reversed});
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (m_current[r * 8 + c] != PieceCode::Empty)
                m_canvas.drawSquarePiece(m_current[r * 8 + c], c, r);
        }
    }
    m_displayed = m_current;
    m_layoutStale = false;
    if (m_drag.lifted) {
        m_canvas.makeDragLayer();
        m_canvas.moveOnDragLayer(m_drag.piece, m_drag.point, m_drag.point, true);
    }
}

void TChessBoard::paintEvent(QPaintEvent* event)
{
    ensureLayout();
    const qreal ratio = pixelRatio();
    const QImage& shown = m_canvas.hasDragLayer() ? m_canvas.dragLayer() : m_canvas.working();
    const QRegion area = event->region().isEmpty() ? QRegion(rect()) : event->region();
    QPainter painter(this);
    // A move's squares are copied each on its own, not as the box around both, and a
    // taller area (a new game's whole board) in strips: see CopyRows.
    const int strip = std::max(1, int(CopyRows / ratio));
    for (const QRect& rect : area) {
        for (int top = rect.top(); top <= rect.bottom(); top += strip) {
            const QRect logical(rect.left(), top, rect.width(),
                                std::min(strip, rect.bottom() + 1 - top));
            const QRectF source(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio);
            painter.drawImage(QRectF(logical), shown, source);
        }
    }
    if (m_highlight[0].x() < 0 && m_highlight[1].x() < 0)
        return;
    const QColor colour(255, 200, 0, 220);
    for (const QPoint& square : m_highlight) {
        // An outline outside the updated area is skipped.
        if (square.x() >= 0 && area.intersects(highlightArea(square)))
            drawHighlight(painter, highlightOutline(square), colour);
    }
}

// A flat board's outline is an upright rectangle: four plain bars draw it. Stroking it
// with soft edges would cost many times more, and Qt hands a soft stroke's many short
// spans to its fill threads, so each move on the board would wake them.
void TChessBoard::drawHighlight(QPainter& painter, const QPolygonF& outline, const QColor& colour)
{
    const QRectF box = outline.boundingRect();
    const bool upright = outline.size() == 4 && outline[0].y() == outline[1].y() &&
                         outline[0].x() == outline[3].x() && outline[1].x() == outline[2].x();
    if (!upright) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, HighlightPen));
        painter.drawPolygon(outline);
        painter.restore();
        return;
    }
    const QRect outer =
        box.toRect().adjusted(-HighlightPen / 2, -HighlightPen / 2, HighlightPen - HighlightPen / 2,
                              HighlightPen - HighlightPen / 2);
    // The bars do not overlap: a corner blended twice would come out darker.
    const int side = outer.height() - 2 * HighlightPen;
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), HighlightPen), colour);
    painter.fillRect(
        QRect(outer.left(), outer.bottom() - HighlightPen + 1, outer.width(), HighlightPen),
        colour);
    painter.fillRect(QRect(outer.left(), outer.top() + HighlightPen, HighlightPen, side), colour);
    painter.fillRect(
        QRect(outer.right() - HighlightPen + 1, outer.top() + HighlightPen, HighlightPen, side),
        colour);
}

QPolygonF TChessBoard::highlightOutline(QPoint square) const
{
    const BoardLayout& layout = m_canvas.layout();
    const qreal ratio = pixelRatio();
    return QPolygonF({QPointF(layout.corner(square.x(), square.y())) / ratio,
                      QPointF(layout.corner(square.x() + 1, square.y())) / ratio,
                      QPointF(layout.corner(square.x() + 1, square.y() + 1)) / ratio,
                      QPointF(layout.corner(square.x(), square.y() + 1)) / ratio});
}

QRect TChessBoard::highlightArea(QPoint square) const
{
    return highlightOutline(square).boundingRect().toAlignedRect().adjusted(
        -HighlightPen, -HighlightPen, HighlightPen, HighlightPen);
}

void TChessBoard::setHighlight(QPoint from, QPoint to)
{
    if (m_highlight[0] == from && m_highlight[1] == to)
        return;
    if (!m_canvas.isReady() || m_layoutStale) {
        m_highlight = {from, to};
        return; // the next paint draws everything
    }
    for (const QPoint& square : m_highlight) {
        if (square.x() >= 0)
            update(highlightArea(square));
    }
    m_highlight = {from, to};
    for (const QPoint& square : m_highlight) {
        if (square.x() >= 0)
            update(highlightArea(square));
    }
}

void TChessBoard::updateDevice(const QRect& deviceRect)
{
    if (deviceRect.isEmpty())
        return;
    const qreal ratio = pixelRatio();
    const QRectF logical(QPointF(deviceRect.topLeft()) / ratio, QSizeF(deviceRect.size()) / ratio);
    update(logical.toAlignedRect().intersected(rect()));
}

PieceCode TChessBoard::pieceToDraw(int index) const
{
    return m_slide && index == m_slideSquare ? m_slideHeld : m_current[index];
}

// Pieces are drawn with soft edges, so drawing one twice would darken its rim: the whole
// column is erased before it is drawn again (in 3D a piece also covers the square behind).
// Redrawn in the same order, an unchanged piece comes out as it was, so only the squares
// whose piece changed need to reach the screen.
void TChessBoard::redrawColumn(int column, QRect& changed)
{
    for (int r = 0; r < 8; ++r) {
        const PieceCode shown = m_displayed[r * 8 + column];
        if (shown != PieceCode::Empty)
            m_canvas.eraseSquarePiece(shown, column, r);
    }
    for (int r = 0; r < 8; ++r) {
        const PieceCode piece = pieceToDraw(r * 8 + column);
        if (piece != PieceCode::Empty)
            m_canvas.drawSquarePiece(piece, column, r);
        PieceCode& shown = m_displayed[r * 8 + column];
        if (shown != piece)
            changed |= m_canvas.pieceRect(m_canvas.layout().centre(column, r));
        shown = piece;
    }
}

// On a flat board a piece whose picture stays inside its square touches no other piece:
// a changed square is redrawn alone.
bool TChessBoard::pieceStaysInSquare(int column, int row) const
{
    if (m_threeD)
        return false;
    const BoardLayout& layout = m_canvas.layout();
    const QRect square(layout.corner(column, row),
                       layout.corner(column + 1, row + 1) - QPoint(1, 1));
    return square.contains(m_canvas.pieceRect(layout.centre(column, row)));
}

void TChessBoard::redrawSquare(int column, int row, QRect& changed)
{
    PieceCode& shown = m_displayed[row * 8 + column];
    if (shown != PieceCode::Empty)
        m_canvas.eraseSquarePiece(shown, column, row);
    shown = pieceToDraw(row * 8 + column);
    if (shown != PieceCode::Empty)
        m_canvas.drawSquarePiece(shown, column, row);
    changed |= m_canvas.pieceRect(m_canvas.layout().centre(column, row));
}

void TChessBoard::UpdateChangedColumns()
{
    if (!m_canvas.isReady() || m_layoutStale)
        return; // the next paint lays out and draws everything
    QRect changed;
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            if (m_displayed[r * 8 + c] == pieceToDraw(r * 8 + c))
                continue;
            if (pieceStaysInSquare(c, r)) {
                redrawSquare(c, r, changed);
                continue;
            }
            redrawColumn(c, changed);
            break;
        }
    }
    updateDevice(changed);
}

void TChessBoard::SetPosition(const Style12Record& record)
{
    Position next;
    for (int i = 0; i < 64; ++i)
        next[i] = record.Flip ? record.Squares[63 - i] : record.Squares[i];

    // A newer position ends a slide at once: the eye follows the game, not the slide.
    endSlide();
    const bool wasDragging = m_drag.dragging;
    const DragState drag = m_drag;
    bool keepDrag = false;
    if (wasDragging) {
        const int from = drag.from.y() * 8 + drag.from.x();
        keepDrag = next[from] == drag.piece && m_reversed == bool(record.Flip);
        if (keepDrag)
            next[from] = PieceCode::Empty;
        stopDrag();
    }

    if (m_reversed != bool(record.Flip)) {
        m_reversed = record.Flip;
        m_current = turned(m_current);
        FullRebuild();
    }

    const bool movedOn = record.GameNumber.value() != m_lastRecord.GameNumber.value() ||
                         record.PlyIndex() != m_lastRecord.PlyIndex();
    const qint64 sincePrevious = m_sincePosition.isValid() ? m_sincePosition.elapsed() : -1;
    if (movedOn && MoveAnimationRule::setsPace(record))
        m_sincePosition.start();
    const auto slide =
        MoveAnimationRule::squaresToSlide(m_lastRecord, record, m_moveSpeed, m_reversed);
    PieceCode sliding = PieceCode::Empty;
    // A board out of sight (another tab, a hidden window) has no slide to show.
    if (slide && !keepDrag && isVisible() && MoveAnimationRule::atHumanPace(sincePrevious) &&
        m_canvas.isReady() && !m_layoutStale)
        sliding = m_current[slide->first.y() * 8 + slide->first.x()];

    m_current = next;
    m_castling = {bool(record.WCanCastleQS), bool(record.WCanCastleKS), bool(record.BCanCastleQS),
                  bool(record.BCanCastleKS)};
    m_whitesMove = record.WhitesMove;
    m_lastDblPPush = record.LastDblPPush;
    if (sliding != PieceCode::Empty)
        AnimateMove(slide->first, slide->second, sliding);
    else
        UpdateChangedColumns();
    m_lastRecord = record;

    if (keepDrag) {
        m_current[drag.from.y() * 8 + drag.from.x()] = drag.piece;
        m_drag.pressPoint = drag.pressPoint;
        const QPoint pointer = mapFromGlobal(QCursor::pos()) * pixelRatio();
        m_drag.dragging = true;
        grabMouse();
        liftPiece(drag.from, pointer, false);
    }
}

void TChessBoard::startDrag(QPoint pressPoint)
{
    endSlide();
    UpdateChangedColumns();
    ensureLayout();
    const QPoint device = pressPoint * pixelRatio();
    m_drag.pressPoint = pressPoint;
    const auto square = m_canvas.layout().squareAt(device.x(), device.y());
    if (!square || m_current[square->y() * 8 + square->x()] == PieceCode::Empty)
        return;
    grabMouse();
    m_drag.dragging = true;
    liftPiece(*square, device, true);
}

void TChessBoard::liftPiece(QPoint square, QPoint devicePoint, bool eraseFromWorking)
{
    const int index = square.y() * 8 + square.x();
    const PieceCode piece = m_current[index];
    QRect changed;
    m_current[index] = PieceCode::Empty;
    if (eraseFromWorking)
        redrawColumn(square.x(), changed);
    updateDevice(changed | showLifted(piece, square, devicePoint));
}

QRect TChessBoard::showLifted(PieceCode piece, QPoint square, QPoint devicePoint)
{
    m_drag.lifted = true;
    m_drag.from = m_drag.to = square;
    m_drag.piece = piece;
    m_drag.point = devicePoint;
    m_canvas.makeDragLayer();
    return m_canvas.moveOnDragLayer(piece, devicePoint, devicePoint, true);
}

void TChessBoard::moveLiftedPiece(QPoint devicePoint)
{
    const QRect changed = m_canvas.moveOnDragLayer(m_drag.piece, m_drag.point, devicePoint, false);
    m_drag.point = devicePoint;
    updateDevice(changed);
}

void TChessBoard::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag.dragging && m_canvas.hasDragLayer())
        moveLiftedPiece((event->position() * pixelRatio()).toPoint());
    QWidget::mouseMoveEvent(event);
}

std::optional<QPoint> TChessBoard::SquareAt(int x, int y)
{
    ensureLayout();
    const QPoint device = QPoint(x, y) * pixelRatio();
    return m_canvas.layout().squareAt(device.x(), device.y());
}

void TChessBoard::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (ClickMove() && m_drag.dragging) {
        finishDrag(point); // the second press of a click-click move, whatever the button
        return;
    }
    if (event->button() != Qt::LeftButton) {
        const auto square = SquareAt(point.x(), point.y());
        chessMouseDown(event->button(), event->modifiers(), point.x(), point.y(),
                       square ? square->x() : -1, square ? square->y() : -1);
        return;
    }
    startDrag(point);
}

void TChessBoard::mouseReleaseEvent(QMouseEvent* event)
{
    // In click-click mode the release after the first press leaves the piece lifted.
    if (m_drag.dragging && !ClickMove() && event->button() == Qt::LeftButton)
        finishDrag(event->position().toPoint());
}

void TChessBoard::finishDrag(QPoint releasePoint)
{
    if (!m_drag.dragging)
        return;
    const DragState drag = m_drag;
    const auto target = SquareAt(releasePoint.x(), releasePoint.y());
    releaseMouse();
    m_drag = DragState();
    m_canvas.dropDragLayer();
    if (!target) {
        update();
        chessMove("x@" + SquareName(drag.from.y(), drag.from.x()));
        return;
    }
    QRect changed;
    m_current[target->y() * 8 + target->x()] = drag.piece;
    redrawColumn(target->x(), changed);
    update();
    if (*target == drag.from)
        return;
    m_lastRecord.GameNumber = -1; // the server's echo of this move is not slid again
    const bool pawn = drag.piece == PieceCode::WhitePawn || drag.piece == PieceCode::BlackPawn;
    if (pawn &&
        ((drag.from.y() == 1 && target->y() == 0) || (drag.from.y() == 6 && target->y() == 7)))
        chessPromote();
    chessMove(SquareName(drag.from.y(), drag.from.x()) + '-' +
              SquareName(target->y(), target->x()));
}

void TChessBoard::stopDrag()
{
    releaseMouse();
    m_drag = DragState();
    m_canvas.dropDragLayer();
    update();
}

// The position is already the new one; the to-square goes on showing what it showed
// (empty, or the piece about to be taken) until the sliding piece lands.
void TChessBoard::AnimateMove(QPoint from, QPoint to, PieceCode piece)
{
    const BoardLayout& layout = m_canvas.layout();
    const QPoint start = layout.centre(from.x(), from.y());
    m_slideSquare = to.y() * 8 + to.x();
    m_slideHeld = m_displayed[m_slideSquare];
    m_slide.emplace(start, layout.centre(to.x(), to.y()), m_moveSpeed);
    UpdateChangedColumns();
    updateDevice(showLifted(piece, from, start));
    m_slideClock.start();
    FrameClock::instance().request(this, 1, [this] { slideFrame(); });
}

void TChessBoard::slideFrame()
{
    if (!m_slide)
        return;
    const QPoint point = m_slide->pointAt(m_slideClock.elapsed());
    if (m_slide->finished()) {
        endSlide();
        UpdateChangedColumns();
        return;
    }
    if (point != m_drag.point)
        moveLiftedPiece(point);
    FrameClock::instance().request(this, 1, [this] { slideFrame(); });
}

// Stops a slide where it is; the caller's UpdateChangedColumns puts the piece on its square.
void TChessBoard::endSlide()
{
    if (!m_slide)
        return;
    FrameClock::instance().cancel(this);
    m_slide.reset();
    if (m_canvas.hasDragLayer())
        updateDevice(m_canvas.pieceRect(m_drag.point));
    m_drag = DragState();
    m_canvas.dropDragLayer();
}
