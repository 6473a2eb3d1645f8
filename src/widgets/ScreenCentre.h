#pragma once

class QWidget;

// Some windows open before the main window or stand apart from it (notices,
// settings dialogs): they are placed in the middle of the screen they are on,
// not over their parent. Before the window is shown its frame is not known yet,
// so a window that must be exact calls it once shown.
namespace ScreenCentre {

void place(QWidget& window);

} // namespace ScreenCentre
