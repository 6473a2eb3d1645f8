#pragma once

#include "settings/FontSpec.h"

#include <QColor>
#include <QFont>
#include <QTextCharFormat>

// Between the settings' font and colour values and Qt's. A system colour (top
// byte 0xFF) is the matching colour of the application palette.
namespace FontSpecConversion {

QColor toColor(qint32 value);
qint32 fromColor(const QColor& color);
QFont toFont(const FontSpec& spec);
QTextCharFormat toCharFormat(const FontSpec& spec);

} // namespace FontSpecConversion
