#pragma once

#include <QColor>

// Between the settings' colour values (0x00BBGGRR) and Qt's. A system colour (top byte
// 0xFF) is the matching colour of the application palette.
namespace SettingsColour {

QColor toColor(qint32 value);
qint32 fromColor(const QColor& color);

} // namespace SettingsColour
