#pragma once

#include <QRect>

// Where the main window's client area puts its parts, from top to bottom: the
// tab row, an upper pane with the splitter bar under it (every tab but the
// first), the terminal, the command input and the status bar. Pure geometry,
// so the rules can be checked without a window.
namespace MainLayout {

constexpr float MinimumShare = 0.1f;
constexpr int InputGap = 3;

enum class UpperPane { None, Boards, SeekGraph, ListPane };

struct Input
{
    int left = 0;       // inner edge of the left dock
    int right = 0;      // inner edge of the right dock
    int tabBottom = 0;  // bottom of the tab row
    int bottom = 0;     // bottom of the client area
    int statusHeight = 0;
    int inputHeight = 0;
    int splitterHeight = 0;
    int tab = 0;
    float share = 0.4f; // of the selected tab
    bool boardsDocked = true;
    bool graphView = true;
};

struct Result
{
    QRect status;
    QRect input;
    QRect terminal;
    QRect splitter; // empty on the first tab
    QRect upper;
    UpperPane upperPane = UpperPane::None;
    float share = 0.4f; // the tab's share, raised to the floor when it was below
};

Result arrange(const Input& in);

// The share a splitter dragged to y (client coordinates) gives the tab.
float shareForSplitterAt(int y, int inputTop);

} // namespace MainLayout
