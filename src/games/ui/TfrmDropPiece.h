#pragma once

#include "games/PieceCode.h"

#include <QDialog>

class QPushButton;
class TPieceGrid;

// The small dialog that picks a piece: one to drop on the board, or the promotion piece.
class TfrmDropPiece : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmDropPiece(QWidget* parent = nullptr);

    // Both colours, one of each piece; Empty when cancelled or an empty cell was clicked.
    PieceCode ChooseDropPiece();
    // The promote command for the piece picked, or empty. On FICS a king would be taken
    // as a knight, so only queen, rook, bishop and knight are offered there.
    QString ChoosePromotion(bool icc);

    // The command a promotion choice gives ("promote Q", "promote knight" on ICC, ...).
    static QString promotionText(PieceCode piece, bool icc);

    TPieceGrid* PieceGrid1 = nullptr; // white
    TPieceGrid* PieceGrid2 = nullptr; // black
    QPushButton* btnCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PieceCode m_chosen = PieceCode::Empty;
};
