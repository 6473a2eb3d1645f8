#include "settings/MainSettingsKeys.h"

namespace MainSettings {

QString separateBoardSection(int index)
{
    return QStringLiteral("Board%1").arg(index);
}

QString kindFontSection(TextKind kind)
{
    return QStringLiteral("Font%1").arg(int(kind));
}

} // namespace MainSettings
