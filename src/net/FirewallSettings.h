#pragma once

#include "net/SocksSettings.h"

// The SOCKS proxy as the connection dialog keeps it. The level stays text so that
// a wrong value from the file reaches the socket, which names the allowed ones.
struct FirewallSettings
{
    bool enabled = false;
    QString server;
    QString port = QStringLiteral("1080");
    QString level = QStringLiteral("5");
    QString password;
    QString userCode;
    bool authenticate = false;

    bool operator==(const FirewallSettings&) const = default;
};
