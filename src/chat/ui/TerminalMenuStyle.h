#pragma once

#include <QProxyStyle>

// How the terminal menu draws its items: a silver highlight, separators as a
// line across the middle, and mouse-action captions split at their first
// space into a bold command (red for the current action) and a blue rest.
class TerminalMenuStyle : public QProxyStyle
{
public:
    // Set on the actions drawn as mouse-action items.
    static constexpr char MouseActionProperty[] = "mouseAction";

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
};
