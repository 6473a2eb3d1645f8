#include "chat/CustomFontList.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsValue.h"

#include <array>

namespace {

struct NamedColor
{
    const char* name;
    qint32 value;
};

// The colour names a custom font line may use instead of a number.
constexpr std::array<NamedColor, 20> NamedColors{{
    {"clBlack", 0x000000},   {"clMaroon", 0x000080},  {"clGreen", 0x008000},
    {"clOlive", 0x008080},   {"clNavy", 0x800000},    {"clPurple", 0x800080},
    {"clTeal", 0x808000},    {"clGray", 0x808080},    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},   {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},   {"clMedGray", 0xA4A0A0},
}};

QString colorText(qint32 color)
{
    for (const NamedColor& named : NamedColors) {
        if (named.value == color)
            return QLatin1String(named.name);
    }
    return u'$' + QStringLiteral("%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<qint32> colorValue(const QString& text)
{
    for (const NamedColor& named : NamedColors) {
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    return SettingsValue::parseInteger(text);
}

std::optional<CustomFontList::Entry> parseEntry(const QString& value)
{
    const QStringList fields = value.split(u'|', Qt::SkipEmptyParts);
    if (fields.size() != 5)
        return std::nullopt;
    const std::optional<qint32> size = SettingsValue::parseInteger(fields[2].trimmed());
    const std::optional<qint32> color = colorValue(fields[3].trimmed());
    const std::optional<qint32> style = SettingsValue::parseInteger(fields[4].trimmed());
    if (!size || !color || !style)
        return std::nullopt;
    return CustomFontList::Entry{fields[0].trimmed(),
                                 {fields[1].trimmed(), *size, *color, *style}};
}

} // namespace

CustomFontList::CustomFontList() : m_entries(predefined()) {}

QList<CustomFontList::Entry> CustomFontList::predefined()
{
    using SettingsValue::rgbColor;
    const FontSpec channel{QStringLiteral("Arial"), 10, rgbColor(0xFF, 0x00, 0xFF), 0};
    return {{QStringLiteral("QUENBY"),
             {QStringLiteral("Arial Black"), 12, rgbColor(0xFF, 0, 0), SettingsValue::FontBold}},
            {QStringLiteral("(1)"), channel},
            {QStringLiteral("(4)"), channel},
            {QStringLiteral("(204)"),
             {QStringLiteral("Arial"), 10, rgbColor(0x00, 0x80, 0x80), 0}}};
}

const FontSpec* CustomFontList::find(const QString& key) const
{
    for (const Entry& entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return &entry.font;
    }
    return nullptr;
}

void CustomFontList::load(const SettingsFile& shared)
{
    QStringList lines;
    LoadSection(shared, Section, lines);
    if (lines.isEmpty()) {
        m_entries = predefined();
        return;
    }
    m_entries.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<Entry> entry =
            parseEntry(shared.readString(Section, QString::number(i), QString()));
        if (entry)
            m_entries.append(*entry);
    }
}

void CustomFontList::store(SettingsFile& shared) const
{
    QStringList lines;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries.at(i);
        lines.append(QString::number(i) + u'=' + entry.key + u'|' + entry.font.name + u'|' +
                     QString::number(entry.font.size) + u'|' + colorText(entry.font.color) +
                     u'|' + QString::number(entry.font.style));
    }
    StoreSection(shared, Section, lines);
}
