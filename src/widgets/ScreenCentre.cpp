#include "widgets/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ScreenCentre {

void place(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect placed = window.frameGeometry();
    placed.moveCenter(screen->availableGeometry().center());
    window.move(placed.topLeft());
}

} // namespace ScreenCentre
