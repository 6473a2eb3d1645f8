#pragma once

#include "settings/FontSpec.h"
#include "settings/TextKind.h"

#include <array>

class CustomFontList;

// The thirteen fonts, one per TextKind, and the choice between them and the
// custom fonts for a shown line.
class KindFonts
{
public:
    // Every kind starts as the built-in terminal font with its kind's colour and style.
    explicit KindFonts(const CustomFontList& customFonts);

    FontSpec& operator[](TextKind kind) { return m_fonts[std::size_t(kind)]; }
    const FontSpec& operator[](TextKind kind) const { return m_fonts[std::size_t(kind)]; }

    // A custom font only for says, tells, channel tells, ptells and kibitzes,
    // looked up by the channel for channel tells and by the handle otherwise.
    const FontSpec& ChooseLineFont(const QString& handle, const QString& channel,
                                   TextKind kind) const;

    // The font of a terminal line of this kind whose lookup key is key.
    const FontSpec& lineFont(TextKind kind, const QString& key) const;

    static FontSpec builtInTerminalFont();

private:
    std::array<FontSpec, TextKindCount> m_fonts;
    const CustomFontList& m_customFonts;
};
