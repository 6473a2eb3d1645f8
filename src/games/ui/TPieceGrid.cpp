#include "games/ui/TPieceGrid.h"

#include "games/ui/SharedPieceState.h"

#include <QPainter>

namespace {
constexpr PieceKind FillOrder[] = {PieceKind::King,   PieceKind::Queen,  PieceKind::Rook,
                                   PieceKind::Bishop, PieceKind::Knight, PieceKind::Pawn};
// The standing 3D pieces leave space at the left and top of their pictures.
constexpr int StandingSet = 0;
constexpr QPoint StandingCrop(15, 10);
// With this set a very light white-piece colour makes the white pictures unreadable.
constexpr int OutlinedSet = 2;
constexpr int LightColourSum = 600;
} // namespace

TPieceGrid::TPieceGrid(QWidget* parent) : QWidget(parent)
{
    // The grid paints every pixel of itself: a change of its pieces then repaints the
    // grid alone, not the panels and window behind it as well.
    setAttribute(Qt::WA_OpaquePaintEvent);
    SharedPieceState::instance().controlCreated();
}

TPieceGrid::~TPieceGrid()
{
    SharedPieceState::instance().controlDestroyed();
}

void TPieceGrid::setWhite(bool white)
{
    if (white == m_white)
        return;
    m_white = white;
    update();
}

void TPieceGrid::setCount(PieceKind kind, int n)
{
    if (m_counts[int(kind)] == n)
        return;
    m_counts[int(kind)] = n;
    update();
}

void TPieceGrid::SetPieces(int pawns, int knights, int bishops, int rooks, int queens, int kings)
{
    const std::array<int, PieceKindCount> counts{pawns, knights, bishops, rooks, queens, kings};
    if (counts == m_counts)
        return;
    m_counts = counts;
    update();
}

QColor TPieceGrid::WPColor() const
{
    return SharedPieceState::instance().colour(BoardColour::WhitePieces);
}

QColor TPieceGrid::BPColor() const
{
    return SharedPieceState::instance().colour(BoardColour::BlackPieces);
}

void TPieceGrid::setWPColor(const QColor& colour)
{
    SharedPieceState::instance().setColour(BoardColour::WhitePieces, colour);
}

void TPieceGrid::setBPColor(const QColor& colour)
{
    SharedPieceState::instance().setColour(BoardColour::BlackPieces, colour);
}

std::array<PieceCode, TPieceGrid::Cells> TPieceGrid::cellPieces() const
{
    std::array<PieceCode, Cells> cells{};
    int next = 0;
    for (PieceKind kind : FillOrder) {
        for (int i = 0; i < count(kind) && next < Cells; ++i)
            cells[next++] = pieceCodeOf(kind, m_white);
    }
    return cells;
}

PieceCode TPieceGrid::PieceAt(int x, int y) const
{
    const int cellWidth = width() / 4, cellHeight = height() / 4;
    if (cellWidth <= 0 || cellHeight <= 0 || x < 0 || y < 0)
        return PieceCode::Empty;
    const int column = x / cellWidth, row = y / cellHeight;
    if (column > 3 || row > 3)
        return PieceCode::Empty;
    return cellPieces()[row * 4 + column];
}

void TPieceGrid::showEvent(QShowEvent* event)
{
    SharedPieceState::instance().controlWindowCreated();
    QWidget::showEvent(event);
}

void TPieceGrid::paintEvent(QPaintEvent*)
{
    SharedPieceState& shared = SharedPieceState::instance();
    if (!shared.picturesMade())
        shared.makePictures();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), Qt::white);
    const int s = shared.pictureSize();
    const QRect source =
        shared.pieceSet() == StandingSet
            ? QRect(StandingCrop, QSize(s - StandingCrop.x(), s - StandingCrop.y()))
            : QRect(0, 0, s, s);
    const QColor wp = WPColor();
    const bool useBlackPictures = !m_white || (shared.pieceSet() == OutlinedSet &&
                                               wp.red() + wp.green() + wp.blue() > LightColourSum);
    const int cellWidth = width() / 4, cellHeight = height() / 4;
    const std::array<PieceCode, Cells> cells = cellPieces();
    for (int i = 0; i < Cells && cells[i] != PieceCode::Empty; ++i) {
        const PieceCode shown = pieceCodeOf(pieceKindOf(cells[i]), !useBlackPictures);
        const QRect cell((i % 4) * cellWidth, (i / 4) * cellHeight, cellWidth, cellHeight);
        painter.drawImage(cell, shared.pieceImage(shown).opaque(), source);
    }
}
