#pragma once

#include <QMenu>

#include <array>

class TerminalPane;

// The terminal menu, mnuTerminal, shared by the terminal and the list pane:
// thirty mouse-action items (hidden until actions are defined for them), then
// Copy, Copy && Paste, Clear, Scroll Lock and Options. Its items are drawn by
// TerminalMenuStyle.
class TerminalMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr int MouseActionCount = 30;

    explicit TerminalMenu(QWidget* parent = nullptr);

    // The thirty action items, hidden until actions fill them, at the menu's end,
    // in groups of eight, then a bar before what follows them. A menu's bars
    // collapse, so a bar shows only where items stand on both sides of it.
    static std::array<QAction*, MouseActionCount> addMouseActionItems(QMenu* menu);

    // The pane of the last right click; null until the first one.
    TerminalPane* pane() const { return m_pane; }
    void popupFor(TerminalPane* pane, const QPoint& globalPos);

    std::array<QAction*, MouseActionCount> mnuMA{};
    QAction* mnuCopy;
    QAction* mnuCopyPaste;
    QAction* mnuTerminalClear;
    QAction* mnuScrollLock;
    QAction* mnuTerminalFont;

private:
    TerminalPane* m_pane = nullptr;
};
