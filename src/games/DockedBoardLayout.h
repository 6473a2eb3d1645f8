#pragma once

#include <QRect>
#include <QSize>
#include <array>

// Where docked boards and the game bar go inside the main window's board panel: the game
// bar along the bottom (centred while narrower than the panel), one board across the
// panel, two side by side, three or four in two rows.
struct DockedBoardLayout
{
    QRect gameBar;
    std::array<QRect, 4> boards{};

    static DockedBoardLayout arrange(QSize panel, QSize gameBarHint, bool gameBarShown,
                                     int boardCount);
};
