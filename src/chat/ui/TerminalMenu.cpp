#include "chat/ui/TerminalMenu.h"

#include "chat/ui/TerminalMenuStyle.h"
#include "chat/ui/TerminalPane.h"

TerminalMenu::TerminalMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("mnuTerminal"));
    auto* style = new TerminalMenuStyle;
    style->setParent(this);
    setStyle(style);
    mnuMA = addMouseActionItems(this);
    mnuCopy = addAction(QStringLiteral("Cop&y"));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopyPaste = addAction(QStringLiteral("Copy && Paste"));
    mnuCopyPaste->setObjectName(QStringLiteral("mnuCopyPaste"));
    mnuTerminalClear = addAction(QStringLiteral("&Clear"));
    mnuTerminalClear->setObjectName(QStringLiteral("mnuTerminalClear"));
    addSeparator();
    mnuScrollLock = addAction(QStringLiteral("&Scroll Lock"));
    mnuScrollLock->setObjectName(QStringLiteral("mnuScrollLock"));
    mnuScrollLock->setCheckable(true);
    mnuTerminalFont = addAction(QStringLiteral("&Options"));
    mnuTerminalFont->setObjectName(QStringLiteral("mnuTerminalFont"));
    // Whoever serves a pane's menu enables it: the options dialog for the terminal,
    // the lists dialog for the list pane.
    mnuTerminalFont->setEnabled(false);
}

std::array<QAction*, TerminalMenu::MouseActionCount> TerminalMenu::addMouseActionItems(QMenu* menu)
{
    // Grouped as the columns of eight that a wide menu would show.
    constexpr int GroupSize = 8;
    constexpr int BarredGroups = 3;
    std::array<QAction*, MouseActionCount> items{};
    for (int i = 0; i < MouseActionCount; ++i) {
        if (i > 0 && i % GroupSize == 0 && i / GroupSize < BarredGroups)
            menu->addSeparator();
        items[std::size_t(i)] = menu->addAction(QString());
        items[std::size_t(i)]->setObjectName(QStringLiteral("mnuMA%1").arg(i));
        items[std::size_t(i)]->setProperty(TerminalMenuStyle::MouseActionProperty, true);
        items[std::size_t(i)]->setVisible(false);
    }
    menu->addSeparator();
    return items;
}

void TerminalMenu::popupFor(TerminalPane* pane, const QPoint& globalPos)
{
    m_pane = pane;
    popup(globalPos);
}
