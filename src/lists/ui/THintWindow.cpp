#include "lists/ui/THintWindow.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QToolTip>

THintWindow::THintWindow(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("hintWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAutoFillBackground(true);
    setPalette(QToolTip::palette());
    m_check.setInterval(CheckMilliseconds);
    connect(&m_check, &QTimer::timeout, this, &THintWindow::checkPointer);
}

void THintWindow::showFor(QWidget* owner, const QString& text, const QPoint& globalPos)
{
    m_owner = owner;
    if (isVisible() && this->text() == text)
        return;
    setText(text);
    adjustSize();
    QPoint place = globalPos + QPoint(-2, 18);
    if (const QScreen* screen = QApplication::screenAt(globalPos)) {
        const QRect area = screen->geometry();
        place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - width())));
    }
    move(place);
    show();
    m_check.start();
}

void THintWindow::hideHint()
{
    m_check.stop();
    hide();
}

void THintWindow::checkPointer()
{
    if (QApplication::widgetAt(QCursor::pos()) != m_owner)
        hideHint();
}
