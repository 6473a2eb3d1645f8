#pragma once

#include <QObject>

// The Scroll Lock toggle. X11 gives no portable way to read the key's state,
// so the application holds it; the status-bar button, the terminal menu and
// the key itself all flip this one state.
class ScrollLock : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isOn() const { return m_on; }
    void setOn(bool on);
    void toggle() { setOn(!m_on); }

Q_SIGNALS:
    void changed(bool on);

private:
    bool m_on = false;
};
