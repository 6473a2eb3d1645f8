#include "DantedProxy.h"

#include "LocalPorts.h"

#include <QFile>
#include <QStandardPaths>

QString DantedProxy::binary()
{
    return QStandardPaths::findExecutable(
        QStringLiteral("danted"),
        {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin")});
}

bool DantedProxy::ensureUser(QString* error)
{
    if (!HelperProcess::run(QStringLiteral("id"), {UserCode}, nullptr) &&
        !HelperProcess::run(QStringLiteral("useradd"),
                            {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                             QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                             UserCode},
                            error))
        return false;
    return HelperProcess::run(
        QStringLiteral("chpasswd"), {}, error,
        (UserCode + QLatin1Char(':') + Password + QLatin1Char('\n')).toUtf8());
}

QString DantedProxy::configuration(Authentication authentication) const
{
    const QString method = authentication == Authentication::UserPassword
                               ? QStringLiteral("username")
                               : QStringLiteral("none");
    return QStringLiteral("logoutput: stderr\n"
                          "internal: 127.0.0.1 port = %1\n"
                          "external: 127.0.0.1\n"
                          "clientmethod: none\n"
                          "socksmethod: %2\n"
                          "user.privileged: root\n"
                          "user.unprivileged: nobody\n"
                          "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0\n"
                          "              log: error }\n"
                          "socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0\n"
                          "             command: connect\n"
                          "             socksmethod: %2\n"
                          "             log: error }\n")
        .arg(m_port)
        .arg(method);
}

bool DantedProxy::start(Authentication authentication, QString* error)
{
    if (authentication == Authentication::UserPassword && !ensureUser(error))
        return false;
    m_port = LocalPorts::freePort();
    const QString configPath = m_dir.filePath(QStringLiteral("danted.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(configuration(authentication).toUtf8()) < 0) {
        *error = QStringLiteral("cannot write ") + configPath;
        return false;
    }
    config.close();
    if (!m_process.start(binary(),
                         {QStringLiteral("-f"), configPath, QStringLiteral("-p"),
                          m_dir.filePath(QStringLiteral("danted.pid"))},
                         error))
        return false;
    if (LocalPorts::waitUntilListening(m_port))
        return true;
    *error = QStringLiteral("danted did not start: ") + m_process.output();
    return false;
}
