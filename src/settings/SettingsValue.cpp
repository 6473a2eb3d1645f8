#include "settings/SettingsValue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace SettingsValue {

std::optional<qint32> parseInteger(const QString& text)
{
    QStringView digits(text);
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        digits = digits.mid(1);
        base = 16;
    } else if (digits.startsWith(u"0x") || digits.startsWith(u"0X")) {
        digits = digits.mid(2);
        base = 16;
    }
    if (digits.isEmpty())
        return std::nullopt;
    const qint64 limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
    qint64 magnitude = 0;
    for (const QChar c : digits) {
        const int digit = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                          : base == 16 && c.toLower() >= u'a' && c.toLower() <= u'f'
                              ? c.toLower().unicode() - 'a' + 10
                              : -1;
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    return qint32(quint32(quint64(value) & 0xFFFFFFFFu));
}

qint32 toInteger(const QString& text, qint32 byDefault)
{
    return parseInteger(text).value_or(byDefault);
}

bool toBool(const QString& text, bool byDefault)
{
    return toInteger(text, byDefault ? 1 : 0) != 0;
}

float toPercentage(const QString& text, float byDefault)
{
    const std::optional<qint32> percent = parseInteger(text);
    return percent ? float(*percent) / 100.0f : byDefault;
}

QString fromInteger(qint32 value)
{
    return QString::number(value);
}

QString fromBool(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString fromPercentage(float fraction)
{
    const double percent = std::round(double(fraction) * 100.0);
    if (!(percent >= -2147483648.0)) // also NaN
        return fromInteger(std::numeric_limits<qint32>::min());
    return fromInteger(qint32(std::min(percent, 2147483647.0)));
}

} // namespace SettingsValue
