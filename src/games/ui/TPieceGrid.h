#pragma once

#include "games/PieceCode.h"

#include <QWidget>
#include <array>

// A 4 x 4 grid of pieces of one colour: captured pieces, pieces in hand, drop and
// promotion choices. Kings fill the first cells, then queens, rooks, bishops, knights and
// pawns, as many as their counts, up to 16.
class TPieceGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Cells = 16;

    explicit TPieceGrid(QWidget* parent = nullptr);
    ~TPieceGrid() override;
    TPieceGrid(const TPieceGrid&) = delete;
    TPieceGrid& operator=(const TPieceGrid&) = delete;

    bool White() const { return m_white; }
    void setWhite(bool white);
    int Pawns() const { return count(PieceKind::Pawn); }
    int Knights() const { return count(PieceKind::Knight); }
    int Bishops() const { return count(PieceKind::Bishop); }
    int Rooks() const { return count(PieceKind::Rook); }
    int Queens() const { return count(PieceKind::Queen); }
    int Kings() const { return count(PieceKind::King); }
    void setPawns(int n) { setCount(PieceKind::Pawn, n); }
    void setKnights(int n) { setCount(PieceKind::Knight, n); }
    void setBishops(int n) { setCount(PieceKind::Bishop, n); }
    void setRooks(int n) { setCount(PieceKind::Rook, n); }
    void setQueens(int n) { setCount(PieceKind::Queen, n); }
    void setKings(int n) { setCount(PieceKind::King, n); }
    void SetPieces(int pawns, int knights, int bishops, int rooks, int queens, int kings);
    QColor WPColor() const;
    QColor BPColor() const;
    void setWPColor(const QColor& colour);
    void setBPColor(const QColor& colour);

    // The piece drawn in the cell under the point, Empty for an empty cell or outside.
    PieceCode PieceAt(int x, int y) const;
    // The pieces in cell order, Empty for the cells left white.
    std::array<PieceCode, Cells> cellPieces() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int count(PieceKind kind) const { return m_counts[int(kind)]; }
    void setCount(PieceKind kind, int n);

    bool m_white = true;
    std::array<int, PieceKindCount> m_counts{5, 0, 0, 0, 0, 0};
};
