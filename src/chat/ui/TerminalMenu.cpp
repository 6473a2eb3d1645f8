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
    mnuTerminalFont->setEnabled(false); // the options and lists dialogs come later
}

std::array<QAction*, TerminalMenu::MouseActionCount> TerminalMenu::addMouseActionItems(QMenu* menu)
{
    std::array<QAction*, MouseActionCount> items{};
    for (int i = 0; i < MouseActionCount; ++i) {
        items[std::size_t(i)] = menu->addAction(QString());
        items[std::size_t(i)]->setObjectName(QStringLiteral("mnuMA%1").arg(i));
        items[std::size_t(i)]->setProperty(TerminalMenuStyle::MouseActionProperty, true);
        items[std::size_t(i)]->setVisible(false);
    }
    return items;
}

void TerminalMenu::popupFor(TerminalPane* pane, const QPoint& globalPos)
{
    m_pane = pane;
    popup(globalPos);
}
