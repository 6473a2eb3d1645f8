#include "SocksProxyLauncher.h"

#include <QTest>

namespace SocksProxyLauncher {

bool installed(Kind kind)
{
    return kind == Kind::Ssh ? !SshSocksProxy::sshBinary().isEmpty()
                             : !DantedProxy::binary().isEmpty();
}

QString missingMessage(Kind kind)
{
    return kind == Kind::Ssh
               ? QStringLiteral("sshd/ssh are not installed; scripts/install-deps installs "
                                "openssh-server and openssh-client")
               : QStringLiteral("danted is not installed; scripts/install-deps installs "
                                "dante-server");
}

Running start(Kind kind)
{
    Running running;
    if (kind == Kind::Ssh) {
        running.ssh = std::make_unique<SshSocksProxy>();
        if (running.ssh->start(&running.error))
            running.port = running.ssh->port();
        return running;
    }
    running.dante = std::make_unique<DantedProxy>();
    const auto authentication = kind == Kind::Dante ? DantedProxy::Authentication::None
                                                    : DantedProxy::Authentication::UserPassword;
    if (running.dante->start(authentication, &running.error))
        running.port = running.dante->port();
    return running;
}

void addLoginRows()
{
    QTest::addColumn<int>("proxy");
    QTest::addColumn<QString>("level");
    QTest::newRow("socks 4 through dante") << int(Kind::Dante) << "4";
    QTest::newRow("socks 5 through dante") << int(Kind::Dante) << "5";
    QTest::newRow("socks 5 with user/password through dante")
        << int(Kind::DanteWithPassword) << "5";
    QTest::newRow("socks 4A through ssh -D") << int(Kind::Ssh) << "4A";
}

FirewallSettings firewall(const Running& proxy, const QString& level, bool authenticate,
                          const QString& password)
{
    return FirewallSettings{true,
                            QStringLiteral("127.0.0.1"),
                            QString::number(proxy.port),
                            level,
                            password,
                            DantedProxy::UserCode,
                            authenticate};
}

SocksSettings socks(const Running& proxy, const QString& level, bool authenticate,
                    const QString& password)
{
    SocksSettings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = QString::number(proxy.port);
    settings.level = SocksSettings::parseLevel(level).value_or(SocksLevel::Five);
    settings.userCode = DantedProxy::UserCode;
    settings.password = password;
    settings.authenticate = authenticate;
    return settings;
}

} // namespace SocksProxyLauncher
