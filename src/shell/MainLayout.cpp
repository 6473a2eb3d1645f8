#include "shell/MainLayout.h"

#include <cmath>

namespace MainLayout {

Result arrange(const Input& in)
{
    Result out;
    const int width = in.right - in.left;
    out.status = QRect(in.left, in.bottom - in.statusHeight, width, in.statusHeight);
    const int inputTop = out.status.top() - InputGap - in.inputHeight;
    out.input = QRect(in.left + InputGap, inputTop, width - InputGap, in.inputHeight);
    out.share = in.share;

    if (in.tab == 0) {
        out.terminal = QRect(in.left, in.tabBottom, width, inputTop - InputGap - in.tabBottom);
        return out;
    }

    if (out.share < MinimumShare)
        out.share = MinimumShare;
    const int splitterTop = in.tabBottom + int(std::trunc((inputTop - in.tabBottom) * out.share));
    out.splitter = QRect(in.left, splitterTop, width, in.splitterHeight);
    const int terminalTop = out.splitter.bottom() + 1;
    out.terminal = QRect(in.left, terminalTop, width, inputTop - terminalTop);
    out.upper = QRect(in.left, in.tabBottom, width, splitterTop - in.tabBottom);
    if (in.tab == 1 && in.boardsDocked)
        out.upperPane = UpperPane::Boards;
    else if (in.tab == 2 && in.graphView)
        out.upperPane = UpperPane::SeekGraph;
    else
        out.upperPane = UpperPane::ListPane;
    return out;
}

float shareForSplitterAt(int y, int inputTop)
{
    return inputTop > 0 ? float(y) / float(inputTop) : MinimumShare;
}

} // namespace MainLayout
