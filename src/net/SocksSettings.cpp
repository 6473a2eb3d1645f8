#include "net/SocksSettings.h"

std::optional<SocksLevel> SocksSettings::parseLevel(const QString& text)
{
    const QString level = text.trimmed().toUpper();
    if (level == QLatin1String("4"))
        return SocksLevel::Four;
    if (level == QLatin1String("4A"))
        return SocksLevel::FourA;
    if (level == QLatin1String("5"))
        return SocksLevel::Five;
    return std::nullopt;
}

QString SocksSettings::levelText(SocksLevel level)
{
    switch (level) {
    case SocksLevel::Four:
        return QStringLiteral("4");
    case SocksLevel::FourA:
        return QStringLiteral("4A");
    case SocksLevel::Five:
        break;
    }
    return QStringLiteral("5");
}
