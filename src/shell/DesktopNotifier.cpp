#include "shell/DesktopNotifier.h"

#include "shell/ApplicationTitle.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

constexpr int ServerChosenTimeout = -1;

} // namespace

void DesktopNotifier::notify(const QString& summary, const QString& body)
{
    if (!enabled)
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    call << ApplicationTitle << uint(0) << QString() << summary << body.toHtmlEscaped()
         << QStringList() << QVariantMap() << ServerChosenTimeout;
    QDBusConnection::sessionBus().send(call);
}
