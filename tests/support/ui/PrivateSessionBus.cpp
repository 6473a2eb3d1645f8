#include "support/ui/PrivateSessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QTest>

bool PrivateSessionBus::start(QString* error)
{
    const QString socket = m_folder.filePath(QStringLiteral("bus"));
    m_address = QStringLiteral("unix:path=") + socket;
    if (!m_daemon.start(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--session"), QStringLiteral("--nofork"),
                         QStringLiteral("--address=") + m_address},
                        error))
        return false;
    if (!QTest::qWaitFor([&socket] { return QFileInfo::exists(socket); }, 20000)) {
        *error = QStringLiteral("dbus-daemon did not open its socket: ") + m_daemon.output();
        return false;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
    return true;
}

bool NotificationReceiver::serveOn(const QString& busAddress, QString* error)
{
    QDBusConnection bus =
        QDBusConnection::connectToBus(busAddress, QStringLiteral("notification-receiver"));
    if (!bus.isConnected()) {
        *error = bus.lastError().message();
        return false;
    }
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        *error = bus.lastError().message();
        return false;
    }
    return true;
}

uint NotificationReceiver::Notify(const QString& application, uint, const QString&,
                                  const QString& summary, const QString& body,
                                  const QStringList&, const QVariantMap&, int)
{
    received.append({application, summary, body});
    return uint(received.size());
}
