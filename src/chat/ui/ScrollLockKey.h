#pragma once

#include <QObject>

class QWidget;
class ScrollLock;

// Flips the scroll lock when the Scroll Lock key is pressed in a window. Qt turns no
// lock key into a shortcut, so the key press itself is watched, for the whole
// application, before the focused widget sees it.
class ScrollLockKey : public QObject
{
    Q_OBJECT

public:
    ScrollLockKey(QWidget& window, ScrollLock& lock);
    ~ScrollLockKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    ScrollLock& m_lock;
};
