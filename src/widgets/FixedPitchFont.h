#pragma once

#include <QFont>
#include <QString>

// Windows names faces that a Linux desktop lacks ("Fixedsys", the Windows
// terminal face). Server text is laid out in columns, so a window that asks
// for a fixed-pitch face gets one: the named face when it is installed and
// fixed-pitch, otherwise the desktop's fixed-pitch face.
namespace FixedPitchFont {

QFont named(const QString& family);

} // namespace FixedPitchFont
