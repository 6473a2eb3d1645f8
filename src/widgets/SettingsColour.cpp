#include "widgets/SettingsColour.h"

#include "settings/SettingsValue.h"

#include <QGuiApplication>
#include <QPalette>

namespace SettingsColour {

namespace {

QPalette::ColorRole systemColorRole(int index)
{
    switch (index) {
    case 5:
        return QPalette::Base;
    case 7:
    case 8:
        return QPalette::WindowText;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Dark;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button; // button face and the rest
    }
}

} // namespace

QColor toColor(qint32 value)
{
    using namespace SettingsValue;
    if (isSystemColor(value))
        return QGuiApplication::palette().color(systemColorRole(systemColorIndex(value)));
    return QColor(colorRed(value), colorGreen(value), colorBlue(value));
}

qint32 fromColor(const QColor& color)
{
    return SettingsValue::rgbColor(color.red(), color.green(), color.blue());
}

} // namespace SettingsColour
