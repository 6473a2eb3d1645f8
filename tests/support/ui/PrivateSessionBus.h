#pragma once

#include "support/HelperProcess.h"

#include <QList>
#include <QObject>
#include <QTemporaryDir>
#include <QVariantMap>

// A D-Bus session bus of the test's own, put into this process's environment
// before anything connects to a session bus.
class PrivateSessionBus
{
public:
    bool start(QString* error);
    const QString& address() const { return m_address; }

private:
    QTemporaryDir m_folder;
    HelperProcess m_daemon;
    QString m_address;
};

// The freedesktop notification service as a test plays it: it keeps every
// notification it is sent.
class NotificationReceiver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notice
    {
        QString application;
        QString summary;
        QString body;
    };

    // Takes the service's name on its own connection to the bus.
    bool serveOn(const QString& busAddress, QString* error);
    QList<Notice> received;

public Q_SLOTS:
    uint Notify(const QString& application, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout);
};
