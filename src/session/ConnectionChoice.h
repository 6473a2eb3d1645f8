#pragma once

#include "session/SocksSettings.h"
#include "session/TConnection.h"

#include <optional>

// What the connection dialog hands to the connect flow on OK: the chosen
// entry as it stood in the fields, and the proxy to use (none when disabled).
struct ConnectionChoice
{
    TConnection connection;
    std::optional<SocksSettings> socks;
};
