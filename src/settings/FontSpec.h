#pragma once

#include <QString>

// A font as the settings keep it: name, size in points, colour 0x00BBGGRR (or a
// system colour) and the style bits of SettingsValue. The widgets turn it into
// a QFont and a QColor.
struct FontSpec
{
    QString name;
    qint32 size = 8;
    qint32 color = 0;
    qint32 style = 0;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};
