#pragma once

#include "chat/ui/TerminalMenu.h"

#include <QMenu>

// The chat window's menu, mnuChat, opened by a right click on its output pane.
class ChatMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ChatMenu(QWidget* parent = nullptr);

    std::array<QAction*, TerminalMenu::MouseActionCount> mnuMA{};
    QAction* mnuCopy;
    QAction* mnuCopyPaste;
    QAction* mnuIncludeShouts;
    QAction* mnuIncludeChannelTells;
    QAction* mnuPopUpOnTells;
    QAction* mnuPopUpOnSays;
    QAction* mnuEcho;
    QAction* mnuStayOnTop;
    QAction* mnuAliases;
};
