#pragma once

#include "chat/TMouseActions.h"

#include <QObject>

#include <functional>

class CommandSender;
class QAction;
class QMenu;
class TfrmMainChess;

// Runs the mouse actions of the run: fills the action items of the menus that show them,
// sends the chosen action's command for the picked handle, and opens the editor from
// Settings > "&Mouse Actions".
class MouseActionsController : public QObject
{
    Q_OBJECT

public:
    // Asks the match dialog for the options of "Match handle"; empty means cancelled.
    using MatchOptions = std::function<QString(const QString& matchCommand)>;

    MouseActionsController(TfrmMainChess& window, CommandSender& commands);

    TMouseActions& actions() { return m_actions; }
    void load();
    void setMatchOptions(MatchOptions ask) { m_matchOptions = std::move(ask); }

    // A menu whose first items are the thirty action items: they are filled before it opens
    // and run the action when chosen. pickedHandle gives the handle the menu acts on.
    void serveMenu(QMenu* menu, const QList<QAction*>& items,
                   std::function<QString()> pickedHandle);

    void edit();
    void runCurrent(const QString& handle);

private:
    void fill(QMenu* menu, const QList<QAction*>& items, const QString& handle);
    void run(const TMouseActions::Run& run);

    TfrmMainChess& m_window;
    CommandSender& m_commands;
    TMouseActions m_actions;
    MatchOptions m_matchOptions;
};
