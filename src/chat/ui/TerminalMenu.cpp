#include "chat/ui/TerminalMenu.h"

#include "chat/ui/TerminalMenuStyle.h"
#include "chat/ui/TerminalPane.h"

TerminalMenu::TerminalMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("mnuTerminal"));
    auto* style = new TerminalMenuStyle;
    style->setParent(this);
    setStyle(style);
    for (int i = 0; i < MouseActionCount; ++i) {
        mnuMA[i] = addAction(QString());
        mnuMA[i]->setObjectName(QStringLiteral("mnuMA%1").arg(i));
        mnuMA[i]->setProperty(TerminalMenuStyle::MouseActionProperty, true);
        mnuMA[i]->setVisible(false);
    }
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

void TerminalMenu::popupFor(TerminalPane* pane, const QPoint& globalPos)
{
    m_pane = pane;
    popup(globalPos);
}
