#pragma once

#include <QProxyStyle>

// How the terminal and chat menus draw their items: a silver highlight,
// separators as a line across the middle, and mouse-action captions split at
// their first space into a bold command (red for the current action) and a
// blue rest. The two menus differ only in where text and check mark go.
class TerminalMenuStyle : public QProxyStyle
{
public:
    // Set on the actions drawn as mouse-action items.
    static constexpr char MouseActionProperty[] = "mouseAction";

    struct Look
    {
        int textLeft;         // pixels from the item's left edge to its text
        int checkLeft;        // pixels from the left edge to the check mark
        QString checkMark;
        int checkColumn;      // room kept for the check mark before the text
        int widthPadding;     // added to the bold caption's width
    };
    static Look terminalLook() { return {4, 4, QStringLiteral("\u2713"), 14, 4 + 14 + 8}; }
    static Look chatLook() { return {10, 1, QStringLiteral("o "), 0, 16}; }

    explicit TerminalMenuStyle(Look look = terminalLook()) : m_look(std::move(look)) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;

private:
    Look m_look;
};
