#pragma once

#include <QString>

#include <optional>

enum class SocksLevel
{
    Four,
    FourA,
    Five
};

// How to reach the server through a SOCKS proxy; an empty server means a direct connection.
struct SocksSettings
{
    QString server;
    QString port = QStringLiteral("1080");
    SocksLevel level = SocksLevel::Five;
    QString userCode;
    QString password;
    bool authenticate = false;

    bool isEnabled() const { return !server.trimmed().isEmpty(); }

    static inline const QString InvalidLevelMessage =
        QStringLiteral("Invalid socks level. Must be 4, 4A or 5.");

    // "4", "4A" (also "4a") or "5"; anything else gives no level.
    static std::optional<SocksLevel> parseLevel(const QString& text);
    static QString levelText(SocksLevel level);
};
