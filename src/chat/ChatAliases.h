#pragma once

#include <QString>

#include <array>

class SettingsFile;

// The sixteen alias buttons of a chat window: a name (the button's hint) and
// the text it sends. The main chat window keeps them in the shared settings.
struct ChatAliases
{
    static constexpr int Count = 16;
    static constexpr int MaxNameLength = 32;
    static constexpr int MaxTextLength = 254;
    static inline const QString Section = QStringLiteral("Aliases");

    struct Alias
    {
        QString name;
        QString text;

        friend bool operator==(const Alias&, const Alias&) = default;
    };

    std::array<Alias, Count> aliases{};

    // Missing names are "Alias 0" to "Alias F", missing texts empty.
    static ChatAliases load(const SettingsFile& shared);
    void store(SettingsFile& shared) const;

    friend bool operator==(const ChatAliases&, const ChatAliases&) = default;
};
