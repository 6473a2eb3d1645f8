#include "chat/KindFonts.h"

#include "chat/CustomFontList.h"
#include "chat/TerminalText.h"
#include "settings/MainSettingsKeys.h"

KindFonts::KindFonts(const CustomFontList& customFonts) : m_customFonts(customFonts)
{
    for (int kind = 0; kind < TextKindCount; ++kind) {
        const MainSettings::KindFontDefault& byDefault = MainSettings::KindFontDefaults[kind];
        m_fonts[kind] = builtInTerminalFont();
        m_fonts[kind].color = byDefault.color;
        if (byDefault.style >= 0)
            m_fonts[kind].style = byDefault.style;
    }
}

FontSpec KindFonts::builtInTerminalFont()
{
    return {MainSettings::FirstRunFontName, MainSettings::FirstRunFontSize, 0, 0};
}

const FontSpec& KindFonts::ChooseLineFont(const QString& handle, const QString& channel,
                                          TextKind kind) const
{
    switch (kind) {
    case TextKind::Say:
    case TextKind::Tell:
    case TextKind::ChannelTell:
    case TextKind::PTell:
    case TextKind::Kibitz: {
        const QString key = (kind == TextKind::ChannelTell ? channel : handle).toUpper();
        if (const FontSpec* custom = m_customFonts.find(key))
            return *custom;
        break;
    }
    default:
        break;
    }
    return (*this)[kind];
}

const FontSpec& KindFonts::lineFont(TextKind kind, const QString& key) const
{
    switch (kind) {
    case TextKind::ChannelTell: {
        const TerminalText::Speaker speaker = TerminalText::SplitChannelSpeaker(key);
        return ChooseLineFont(speaker.handle, speaker.channel, kind);
    }
    case TextKind::Say:
    case TextKind::Tell:
    case TextKind::CShout:
    case TextKind::PTell:
    case TextKind::Kibitz:
    case TextKind::Shout:
        return ChooseLineFont(key, QString(), kind);
    default:
        return (*this)[kind];
    }
}
