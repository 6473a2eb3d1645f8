#include "games/ui/TfrmDropPiece.h"

#include "games/ui/TPieceGrid.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int CellSize = 40;
}

TfrmDropPiece::TfrmDropPiece(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDropPiece"));
    setWindowTitle(QStringLiteral("Drop Piece"));
    auto* layout = new QVBoxLayout(this);
    PieceGrid1 = new TPieceGrid(this);
    PieceGrid2 = new TPieceGrid(this);
    for (TPieceGrid* grid : {PieceGrid1, PieceGrid2}) {
        grid->setFixedSize(4 * CellSize, 2 * CellSize * 2);
        grid->SetPieces(1, 1, 1, 1, 1, 1);
        grid->installEventFilter(this);
        layout->addWidget(grid);
    }
    PieceGrid1->setWhite(true);
    PieceGrid2->setWhite(false);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(btnCancel);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmDropPiece::eventFilter(QObject* watched, QEvent* event)
{
    auto* grid = qobject_cast<TPieceGrid*>(watched);
    if (grid && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_chosen = grid->PieceAt(at.x(), at.y());
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

PieceCode TfrmDropPiece::ChooseDropPiece()
{
    m_chosen = PieceCode::Empty;
    return exec() == QDialog::Accepted ? m_chosen : PieceCode::Empty;
}

QString TfrmDropPiece::ChoosePromotion(bool icc)
{
    setWindowTitle(QStringLiteral("Promote"));
    PieceGrid2->hide();
    PieceGrid1->SetPieces(0, 1, 1, 1, 1, icc ? 1 : 0);
    btnCancel->hide();
    btnCancel->setEnabled(false);
    m_chosen = PieceCode::Empty;
    exec();
    return promotionText(m_chosen, icc);
}

QString TfrmDropPiece::promotionText(PieceCode piece, bool icc)
{
    if (piece == PieceCode::Empty)
        return {};
    switch (pieceKindOf(piece)) {
    case PieceKind::Knight:
        return icc ? QStringLiteral("promote knight") : QStringLiteral("promote N");
    case PieceKind::Bishop:
        return QStringLiteral("promote B");
    case PieceKind::Rook:
        return QStringLiteral("promote R");
    case PieceKind::Queen:
        return QStringLiteral("promote Q");
    case PieceKind::King:
        return icc ? QStringLiteral("promote Ki") : QString();
    case PieceKind::Pawn:
        break;
    }
    return {};
}
