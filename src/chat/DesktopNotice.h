#pragma once

#include "settings/TextKind.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Which chat lines deserve a desktop notification while the main window is
// in the background: tells, partner tells and challenges; with what summary
// and text.
struct DesktopNotice
{
    QString summary;
    QString body;

    static std::optional<DesktopNotice> forLine(const QByteArray& line, const QByteArray& speaker,
                                                TextKind kind, const QByteArray& other);
};
