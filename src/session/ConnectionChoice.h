#pragma once

#include "net/FirewallSettings.h"
#include "session/TConnection.h"

// What the connection dialog hands to the connect flow on OK: the chosen entry as
// it stood in the fields, and the proxy fields (used only when enabled).
struct ConnectionChoice
{
    TConnection connection;
    FirewallSettings firewall;
};
