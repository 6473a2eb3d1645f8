#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// How numbers, flags, colours, font styles and fractions are spelled in the
// settings files.
namespace SettingsValue {

// Signed decimal, or hexadecimal after "$", "0x" or "0X" (an optional sign in
// front of either), within 32 bits; hexadecimal up to FFFFFFFF wraps to the
// negative half so that colours written in hex read back as the same number.
// Anything else is not a number.
std::optional<qint32> parseInteger(const QString& text);

qint32 toInteger(const QString& text, qint32 byDefault);
bool toBool(const QString& text, bool byDefault);
float toPercentage(const QString& text, float byDefault);

QString fromInteger(qint32 value);
QString fromBool(bool value);
QString fromPercentage(float fraction);

// Colours are 0x00BBGGRR; a top byte of 0xFF marks a system colour whose index
// is in the low bytes.
constexpr qint32 SystemColorFlag = qint32(0xFF000000u);

constexpr qint32 rgbColor(int red, int green, int blue)
{
    return qint32((quint32(blue & 0xFF) << 16) | (quint32(green & 0xFF) << 8) | quint32(red & 0xFF));
}
constexpr qint32 systemColor(int index)
{
    return qint32(quint32(SystemColorFlag) | quint32(index & 0xFFFFFF));
}
constexpr bool isSystemColor(qint32 value)
{
    return (quint32(value) & 0xFF000000u) == 0xFF000000u;
}
constexpr int systemColorIndex(qint32 value) { return int(quint32(value) & 0xFFFFFFu); }
constexpr int colorRed(qint32 value) { return int(quint32(value) & 0xFF); }
constexpr int colorGreen(qint32 value) { return int((quint32(value) >> 8) & 0xFF); }
constexpr int colorBlue(qint32 value) { return int((quint32(value) >> 16) & 0xFF); }

// The system colours the settings refer to by index.
constexpr int SystemColorWindowText = 8;
constexpr int SystemColorButtonFace = 15;

// Font style bits.
enum FontStyleBit : int {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8,
};

} // namespace SettingsValue
