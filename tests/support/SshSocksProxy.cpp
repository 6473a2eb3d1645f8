#include "SshSocksProxy.h"

#include "LocalPorts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace {

QString path(const QTemporaryDir& dir, const char* name)
{
    return dir.filePath(QString::fromLatin1(name));
}

QString currentUser()
{
    const passwd* entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QStringLiteral("root");
}

} // namespace

QString SshSocksProxy::sshdBinary()
{
    return QStandardPaths::findExecutable(
        QStringLiteral("sshd"),
        {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin")});
}

QString SshSocksProxy::sshBinary()
{
    if (sshdBinary().isEmpty())
        return {};
    return QStandardPaths::findExecutable(QStringLiteral("ssh"));
}

bool SshSocksProxy::makeKeys(QString* error)
{
    for (const char* key : {"host_key", "client_key"}) {
        if (!HelperProcess::run(QStringLiteral("ssh-keygen"),
                                {QStringLiteral("-q"), QStringLiteral("-t"),
                                 QStringLiteral("ed25519"), QStringLiteral("-N"), QString(),
                                 QStringLiteral("-f"), path(m_dir, key)},
                                error))
            return false;
    }
    if (QFile::copy(path(m_dir, "client_key.pub"), path(m_dir, "authorized_keys")))
        return true;
    *error = QStringLiteral("cannot copy the client key");
    return false;
}

bool SshSocksProxy::writeConfiguration(quint16 sshPort, QString* error)
{
    const QString text =
        QStringLiteral("ListenAddress 127.0.0.1\n"
                       "Port %1\n"
                       "HostKey %2\n"
                       "AuthorizedKeysFile %3\n"
                       "PidFile %4\n"
                       "PasswordAuthentication no\n"
                       "KbdInteractiveAuthentication no\n"
                       "UsePAM no\n"
                       "StrictModes no\n"
                       "PermitRootLogin prohibit-password\n"
                       "AllowTcpForwarding yes\n")
            .arg(sshPort)
            .arg(path(m_dir, "host_key"), path(m_dir, "authorized_keys"), path(m_dir, "sshd.pid"));
    QFile config(path(m_dir, "sshd_config"));
    if (config.open(QIODevice::WriteOnly) && config.write(text.toUtf8()) >= 0)
        return true;
    *error = QStringLiteral("cannot write the sshd configuration");
    return false;
}

bool SshSocksProxy::start(QString* error)
{
    QDir().mkpath(QStringLiteral("/run/sshd"));
    const quint16 sshPort = LocalPorts::freePort();
    if (!makeKeys(error) || !writeConfiguration(sshPort, error))
        return false;
    if (!m_sshd.start(sshdBinary(),
                      {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"),
                       path(m_dir, "sshd_config")},
                      error))
        return false;
    if (!LocalPorts::waitUntilListening(sshPort)) {
        *error = QStringLiteral("sshd did not start: ") + m_sshd.output();
        return false;
    }
    m_socksPort = LocalPorts::freePort();
    const QStringList arguments{
        QStringLiteral("-N"),
        QStringLiteral("-D"),
        QStringLiteral("127.0.0.1:%1").arg(m_socksPort),
        QStringLiteral("-p"),
        QString::number(sshPort),
        QStringLiteral("-i"),
        path(m_dir, "client_key"),
        QStringLiteral("-o"),
        QStringLiteral("StrictHostKeyChecking=no"),
        QStringLiteral("-o"),
        QStringLiteral("UserKnownHostsFile=/dev/null"),
        QStringLiteral("-o"),
        QStringLiteral("BatchMode=yes"),
        QStringLiteral("-o"),
        QStringLiteral("ExitOnForwardFailure=yes"),
        currentUser() + QStringLiteral("@127.0.0.1"),
    };
    if (!m_ssh.start(sshBinary(), arguments, error))
        return false;
    if (LocalPorts::waitUntilListening(m_socksPort))
        return true;
    *error = QStringLiteral("ssh -D did not start: ") + m_ssh.output() + m_sshd.output();
    return false;
}
