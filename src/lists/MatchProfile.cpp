#include "lists/MatchProfile.h"

#include "settings/SettingsFile.h"

#include <algorithm>
#include <cmath>

namespace {

const QString TypeKey = QStringLiteral("Type");
const QString ColorKey = QStringLiteral("Color");
const QString TimeKey = QStringLiteral("Time");
const QString IncKey = QStringLiteral("Inc");
const QString RatedKey = QStringLiteral("Rated");
const QString WildKey = QStringLiteral("Wild");
const QString AdditionalKey = QStringLiteral("Additional");
const QString NameKey = QStringLiteral("Name");

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

int inRange(int value, int low, int high, int fallback)
{
    return (value >= low && value <= high) ? value : fallback;
}

} // namespace

MatchProfile MatchProfile::defaults(int index)
{
    MatchProfile profile;
    profile.name = QStringLiteral("Profile &%1").arg(index + 1);
    return profile;
}

QString MatchProfile::sectionName(int index)
{
    return QStringLiteral("Match%1").arg(index);
}

void MatchProfile::load(const SettingsFile& file, int index)
{
    const MatchProfile base = defaults(index);
    const QString section = sectionName(index);
    type = inRange(file.readInteger(section, TypeKey, base.type), Standard, Other, base.type);
    color = inRange(file.readInteger(section, ColorKey, base.color), Random, Black, base.color);
    rated = inRange(file.readInteger(section, RatedKey, base.rated), IsRated, IsUnrated,
                    base.rated);
    time = std::clamp(file.readInteger(section, TimeKey, base.time), 0, MaxMinutes);
    inc = std::clamp(file.readInteger(section, IncKey, base.inc), 0, MaxMinutes);
    wild = file.readString(section, WildKey, base.wild);
    additional = file.readString(section, AdditionalKey, base.additional);
    name = file.readString(section, NameKey, base.name);
}

void MatchProfile::store(SettingsFile& file, int index) const
{
    const QString section = sectionName(index);
    file.writeInteger(section, TypeKey, type);
    file.writeInteger(section, ColorKey, color);
    file.writeInteger(section, TimeKey, time);
    file.writeInteger(section, IncKey, inc);
    file.writeInteger(section, RatedKey, rated);
    file.writeString(section, WildKey, wild);
    file.writeString(section, AdditionalKey, additional);
    file.writeString(section, NameKey, name);
}

QString MatchProfile::optionsText(const QString& wildText) const
{
    QString text;
    if (type == Suicide)
        text += QStringLiteral("Suicide ");
    else if (type == Bughouse)
        text += QStringLiteral("Bughouse ");
    else if (type == Other)
        text += wildText + u' ';
    text += QStringLiteral("%1 %2 ").arg(time).arg(inc);
    text += rated == IsUnrated ? QStringLiteral("u ") : QStringLiteral("r ");
    if (color == White)
        text += QStringLiteral("w ");
    else if (color == Black)
        text += QStringLiteral("b ");
    return text + u' ' + additional;
}

namespace MatchTiming {

QString standardCaption(int time, int inc)
{
    const int expected = time + int(std::lround(2.0 * inc / 3.0));
    if (expected < 3)
        return QStringLiteral("&Lightning");
    if (expected < 15)
        return QStringLiteral("Blit&z");
    return QStringLiteral("&Standard");
}

FieldReading readField(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    constexpr qint64 Ceiling = qint64(1) << 40; // far above the clamp, far below overflow
    qint64 value = 0;
    bool complete = true;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) {
            complete = false;
            break;
        }
        value = std::min(value * base + digit, Ceiling);
    }
    FieldReading reading;
    reading.value = int(std::clamp<qint64>(negative ? -value : value, 0, MatchProfile::MaxMinutes));
    reading.exact = complete && text == QString::number(reading.value);
    return reading;
}

bool refusesTyped(QChar typed)
{
    return typed.unicode() > 31 && !(typed >= u'0' && typed <= u'9');
}

} // namespace MatchTiming
