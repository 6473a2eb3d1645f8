#pragma once

#include "DantedProxy.h"
#include "SshSocksProxy.h"
#include "net/FirewallSettings.h"

#include <QString>

#include <memory>

// Starts one of the real SOCKS proxies the tests use, on 127.0.0.1 with a free port.
namespace SocksProxyLauncher {

enum class Kind
{
    Dante,
    DanteWithPassword,
    Ssh
};

struct Running
{
    std::unique_ptr<DantedProxy> dante;
    std::unique_ptr<SshSocksProxy> ssh;
    quint16 port = 0; // 0 when it did not start
    QString error;
};

// False when the proxy's programs are not installed (the test should skip).
bool installed(Kind kind);
QString missingMessage(Kind kind);
Running start(Kind kind);

// The columns "proxy" (a Kind) and "level" with one row per kind of proxy and level:
// SOCKS 4, 5 and 5 with user/password through dante, 4A through ssh -D.
void addLoginRows();

// The proxy fields for a running proxy on 127.0.0.1, with the test user's code.
FirewallSettings firewall(const Running& proxy, const QString& level, bool authenticate,
                          const QString& password = DantedProxy::Password);
// The same as the socket takes them; the level must be a valid one.
SocksSettings socks(const Running& proxy, const QString& level, bool authenticate,
                    const QString& password = DantedProxy::Password);

} // namespace SocksProxyLauncher

// In a test function: declares `running`, skips when the proxy's programs are not
// installed and fails when the proxy does not start.
#define TOLVARIS_START_PROXY(kind, running)                                                        \
    if (!SocksProxyLauncher::installed(kind))                                                      \
        QSKIP(qPrintable(SocksProxyLauncher::missingMessage(kind)));                               \
    const SocksProxyLauncher::Running running = SocksProxyLauncher::start(kind);                   \
    QVERIFY2(running.port != 0, qPrintable(running.error))
