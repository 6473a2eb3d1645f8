#pragma once

#include "games/BoardLook.h"

#include <QList>
#include <QString>

// Ready-made sets of the four board colours, offered in one row of the board properties
// dialog. "Classic" holds the colours a fresh installation starts with; the others pair
// square colours of clear contrast with pieces that stand out on both.
struct BoardTheme
{
    QString name;
    BoardLook::Colours colours;
};

namespace BoardThemes {

const QList<BoardTheme>& all(); // "Classic" first
// The theme whose four colours these are; -1 for colours of the user's own.
int indexOf(const BoardLook::Colours& colours);

} // namespace BoardThemes
