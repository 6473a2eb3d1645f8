#include "shell/SplitterBar.h"

#include <QMouseEvent>
#include <QPainter>

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlSplitter"));
    setCursor(Qt::SizeVerCursor);
    setFixedHeight(5);
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grabOffset = int(event->position().y());
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        move(x(), mapToParent(event->position().toPoint()).y() - m_grabOffset);
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    Q_EMIT dragEnded(mapToParent(event->position().toPoint()).y());
}

void SplitterBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
