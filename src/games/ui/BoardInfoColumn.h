#pragma once

#include "games/ui/InfoLine.h"

#include <QWidget>
#include <array>

class QToolButton;
class TPieceGrid;

// The column right of a board, top to bottom: the last move, the top player's captured
// pieces (or pieces in hand), name, rating with its info and ping buttons, and clock, a
// gap, then the bottom player's the other way round. The lines of text are painted by the
// column itself, all that changed in one paint; the grids and buttons are its children.
class BoardInfoColumn : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 101;

    // The buttons (info, then ping) go beside each player's rating.
    BoardInfoColumn(std::array<QToolButton*, 2> topButtons,
                    std::array<QToolButton*, 2> bottomButtons, QWidget* parent = nullptr);

    InfoLine lastMove;
    InfoLine topName;
    InfoLine topRate;
    InfoLine topTime;
    InfoLine bottomName;
    InfoLine bottomRate;
    InfoLine bottomTime;
    TPieceGrid* topGrid = nullptr;
    TPieceGrid* bottomGrid = nullptr;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<InfoLine*, 7> lines();
};
