#include "games/ManagedBoard.h"

ButtonPanel buttonPanelFor(int relation)
{
    if (relation == 1 || relation == -1)
        return ButtonPanel::Playing;
    return relation == 2 ? ButtonPanel::Examining : ButtonPanel::Observing;
}
