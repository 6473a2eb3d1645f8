#include "chat/ui/TerminalScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

TerminalScrollBar::TerminalScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

TerminalScrollBar::Look TerminalScrollBar::look() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                    this),
            value() == minimum(), value() == maximum()};
}

void TerminalScrollBar::sliderChange(SliderChange change)
{
    if (change != SliderRangeChange && change != SliderValueChange) {
        QScrollBar::sliderChange(change);
        return;
    }
    if (m_checkQueued)
        return;
    m_checkQueued = true;
    QMetaObject::invokeMethod(this, &TerminalScrollBar::updateIfChanged, Qt::QueuedConnection);
}

void TerminalScrollBar::updateIfChanged()
{
    m_checkQueued = false;
    if (look() != m_painted)
        update();
}

void TerminalScrollBar::paintEvent(QPaintEvent* event)
{
    m_painted = look();
    QScrollBar::paintEvent(event);
}
