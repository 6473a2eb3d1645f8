#include "games/DockedBoardLayout.h"

#include <algorithm>

DockedBoardLayout DockedBoardLayout::arrange(QSize panel, QSize gameBarHint, bool gameBarShown,
                                             int boardCount)
{
    DockedBoardLayout layout;
    const int barWidth = std::min(gameBarHint.width(), panel.width());
    const int barLeft = barWidth < panel.width() ? (panel.width() - barWidth) / 2 : 0;
    const int barTop = panel.height() - gameBarHint.height();
    layout.gameBar = QRect(barLeft, barTop, barWidth, gameBarHint.height());
    const int width = boardCount > 1 ? panel.width() / 2 - 1 : panel.width() - 1;
    int height = gameBarShown ? barTop : panel.height();
    if (boardCount > 2)
        height /= 2;
    for (int i = 0; i < std::clamp(boardCount, 0, 4); ++i)
        layout.boards[i] = QRect((i % 2) * width, (i / 2) * height, width, std::max(0, height));
    return layout;
}
