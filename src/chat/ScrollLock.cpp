#include "chat/ScrollLock.h"

void ScrollLock::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    Q_EMIT changed(on);
}
