#pragma once

#include "HelperProcess.h"

#include <QString>
#include <QTemporaryDir>

// A real dante SOCKS server (SOCKS 4 and 5) on 127.0.0.1 with a free port, started by
// the test with its own configuration. With user/password it checks a system user,
// which start() creates (or resets to the known password) when needed.
class DantedProxy
{
public:
    enum class Authentication
    {
        None,
        UserPassword
    };

    static inline const QString UserCode = QStringLiteral("socksci");
    static inline const QString Password = QStringLiteral("Ci-Socks-4711");

    // Empty when dante is not installed.
    static QString binary();

    bool start(Authentication authentication, QString* error);
    quint16 port() const { return m_port; }

private:
    static bool ensureUser(QString* error);
    QString configuration(Authentication authentication) const;

    QTemporaryDir m_dir;
    HelperProcess m_process;
    quint16 m_port = 0;
};
