#include "chat/ChatAliases.h"

#include "settings/SettingsFile.h"

namespace {

QString nameKey(int i)
{
    return QStringLiteral("AliasName") + QString::number(i);
}

QString textKey(int i)
{
    return QStringLiteral("AliasText") + QString::number(i);
}

} // namespace

ChatAliases ChatAliases::load(const SettingsFile& shared)
{
    ChatAliases loaded;
    for (int i = 0; i < Count; ++i) {
        Alias& alias = loaded.aliases[std::size_t(i)];
        alias.name = shared.readString(Section, nameKey(i),
                                       QStringLiteral("Alias ") + QString::number(i, 16).toUpper());
        alias.text = shared.readString(Section, textKey(i), QString());
    }
    return loaded;
}

void ChatAliases::store(SettingsFile& shared) const
{
    for (int i = 0; i < Count; ++i) {
        const Alias& alias = aliases[std::size_t(i)];
        shared.writeString(Section, nameKey(i), alias.name);
        shared.writeString(Section, textKey(i), alias.text);
    }
}
