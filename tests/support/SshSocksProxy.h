#pragma once

#include "HelperProcess.h"

#include <QString>
#include <QTemporaryDir>

// OpenSSH's dynamic forwarding as a SOCKS 4, 4A and 5 proxy on 127.0.0.1: the test
// starts its own sshd (own keys and configuration in a temporary folder) and an
// "ssh -N -D" client logged in to it with a fresh key.
class SshSocksProxy
{
public:
    // Empty when sshd or ssh is not installed.
    static QString sshdBinary();
    static QString sshBinary();

    bool start(QString* error);
    quint16 port() const { return m_socksPort; }

private:
    bool makeKeys(QString* error);
    bool writeConfiguration(quint16 sshPort, QString* error);

    QTemporaryDir m_dir;
    HelperProcess m_sshd;
    HelperProcess m_ssh;
    quint16 m_socksPort = 0;
};
