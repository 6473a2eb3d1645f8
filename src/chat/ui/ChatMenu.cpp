#include "chat/ui/ChatMenu.h"

#include "chat/ui/TerminalMenuStyle.h"

namespace {

QAction* checkable(QMenu* menu, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    return item;
}

} // namespace

ChatMenu::ChatMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("mnuChat"));
    auto* style = new TerminalMenuStyle(TerminalMenuStyle::chatLook());
    style->setParent(this);
    setStyle(style);
    mnuMA = TerminalMenu::addMouseActionItems(this);
    mnuCopy = addAction(QStringLiteral("Copy"));
    mnuCopyPaste = addAction(QStringLiteral("Copy && Paste"));
    addSeparator();
    mnuIncludeShouts = checkable(this, QStringLiteral("Include &Shouts"));
    mnuIncludeChannelTells = checkable(this, QStringLiteral("Include Channel &Tells"));
    addSeparator();
    mnuPopUpOnTells = checkable(this, QStringLiteral("&Pop Up On Tells"));
    mnuPopUpOnSays = checkable(this, QStringLiteral("Pop &Up On Says"));
    addSeparator();
    mnuEcho = checkable(this, QStringLiteral("&Echo"));
    mnuStayOnTop = checkable(this, QStringLiteral("Stay &On Top"));
    addSeparator();
    mnuAliases = addAction(QStringLiteral("&Aliases"));
}
