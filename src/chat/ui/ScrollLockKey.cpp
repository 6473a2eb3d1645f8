#include "chat/ui/ScrollLockKey.h"

#include "chat/ScrollLock.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

ScrollLockKey::ScrollLockKey(QWidget& window, ScrollLock& lock)
    : QObject(&window), m_window(window), m_lock(lock)
{
    QCoreApplication::instance()->installEventFilter(this);
}

ScrollLockKey::~ScrollLockKey()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ScrollLockKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_ScrollLock || !widget || widget->window() != &m_window)
        return false;
    // A held key repeats; the lock flips once per press.
    if (!key->isAutoRepeat())
        m_lock.toggle();
    return true;
}
