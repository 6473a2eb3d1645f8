#pragma once

#include "settings/FontSpec.h"
#include "widgets/SettingsColour.h"

#include <QColor>
#include <QFont>
#include <QTextCharFormat>

// Between the settings' font and colour values and Qt's.
namespace FontSpecConversion {

using SettingsColour::fromColor;
using SettingsColour::toColor;
QFont toFont(const FontSpec& spec);
QTextCharFormat toCharFormat(const FontSpec& spec);

} // namespace FontSpecConversion
