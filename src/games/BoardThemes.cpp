#include "games/BoardThemes.h"

#include "settings/MainSettingsRecord.h"
#include "settings/SettingsValue.h"

namespace {

using SettingsValue::rgbColor;

QList<BoardTheme> makeThemes()
{
    return {
        {QStringLiteral("Classic"), BoardLook::coloursOf(MainSettingsRecord{})},
        {QStringLiteral("Brown/Cream"),
         {rgbColor(240, 217, 181), rgbColor(181, 136, 99), rgbColor(250, 246, 236),
          rgbColor(48, 40, 36)}},
        {QStringLiteral("Blue/White"),
         {rgbColor(236, 242, 248), rgbColor(110, 146, 186), rgbColor(255, 255, 255),
          rgbColor(34, 40, 56)}},
        {QStringLiteral("Green/Buff"),
         {rgbColor(238, 232, 196), rgbColor(118, 150, 86), rgbColor(252, 250, 240),
          rgbColor(36, 36, 32)}},
    };
}

} // namespace

namespace BoardThemes {

const QList<BoardTheme>& all()
{
    static const QList<BoardTheme> themes = makeThemes();
    return themes;
}

int indexOf(const BoardLook::Colours& colours)
{
    const QList<BoardTheme>& themes = all();
    for (qsizetype i = 0; i < themes.size(); ++i) {
        if (themes.at(i).colours == colours)
            return int(i);
    }
    return -1;
}

} // namespace BoardThemes
