#include "settings/SettingsWriteError.h"

SettingsWriteError::SettingsWriteError(const QString& path)
    : std::runtime_error("Unable to write to " + path.toStdString()), m_path(path)
{
}

QString SettingsWriteError::userMessage() const
{
    return QStringLiteral("Unable to write to %1").arg(m_path);
}
