#include "support/ui/PaintCounter.h"

#include <QEvent>
#include <QWidget>

PaintCounter::PaintCounter(QWidget* watched)
{
    watched->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return false;
}
