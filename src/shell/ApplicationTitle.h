#pragma once

#include "settings/ProductName.h"

#include <QString>

// The application's title: the task bar, the About window and message boxes.
inline const QString ApplicationTitle = ProductName;
