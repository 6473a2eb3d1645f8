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
    const bool movesOnly = change == SliderRangeChange || change == SliderValueChange;
    if (movesOnly && look() == m_painted)
        return;
    QScrollBar::sliderChange(change);
}

void TerminalScrollBar::paintEvent(QPaintEvent* event)
{
    m_painted = look();
    QScrollBar::paintEvent(event);
}
