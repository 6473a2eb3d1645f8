#pragma once

#include <QString>

// Shows a desktop notification through the freedesktop notification service
// on the session bus. Sent without waiting for an answer: a desktop without
// the service simply shows nothing.
class DesktopNotifier
{
public:
    static inline const QString Service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString Path = QStringLiteral("/org/freedesktop/Notifications");

    void notify(const QString& summary, const QString& body);

    bool enabled = true;
};
