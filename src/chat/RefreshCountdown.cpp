#include "chat/RefreshCountdown.h"

bool RefreshCountdown::tick()
{
    if (m_value == 0) {
        m_value = Idle;
        return true;
    }
    if (m_value > 0)
        --m_value;
    return false;
}
