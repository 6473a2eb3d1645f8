#pragma once

#include <QString>

// The application's title: the task bar, the About window and message boxes.
inline const QString ApplicationTitle = QStringLiteral("Tolvaris 2.0 Quarndell");
