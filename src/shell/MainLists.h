#pragma once

#include "chat/RefreshCountdown.h"
#include "lists/SeekTable.h"
#include "session/ListPaneSink.h"
#include "session/ReplyWindowsSink.h"
#include "net/ServerProtocol.h"

#include <QObject>
#include <QTimer>

#include <array>

class CommandSender;
class QMenu;
class QToolButton;
class TfrmCmds;
class TfrmGameList;
class TfrmMainChess;
class TfrmMatch;
class TfrmVars;
class TSoughtPanel;

// The main window's server lists: the list pane and the seek graph fed by list
// captures, the refresh of the selected command list, the windows filled by
// block replies (variables, stored, journal, history, Commands), the match
// dialog, and the menu items and tool-bar buttons that reach them.
class MainLists : public QObject, public ListPaneSink, public ReplyWindowsSink
{
    Q_OBJECT

public:
    explicit MainLists(TfrmMainChess& window);
    ~MainLists() override;

    // Creates the panel and windows and wires them; the main window's client
    // area, menus and tool bars exist by then.
    void build();
    // After the settings are read: the graph's range, clamped into the record.
    void applySettings();
    // At exit: the match profiles (may throw SettingsWriteError).
    void saveSettings();

    void setProtocol(ServerProtocol protocol) { m_protocol = protocol; }
    ServerProtocol protocol() const { return m_protocol; }

    // The selected tab changed: refresh it (a command list is requested).
    void tabChanged();
    void refresh(bool request);
    const RefreshCountdown& countdown() const { return m_countdown; }
    const SeekTable& seekTable() const { return m_seeks; }

    void seek();
    void challenge(const QString& handle);
    void editSoughtOptions();
    void editLists();
    void editPresets();

    TSoughtPanel* soughtPanel() const { return m_sought; }
    TfrmMatch* matchDialog() const { return m_match; }
    TfrmVars* varsWindow() const { return m_vars; }
    TfrmGameList* gameList(ListWindow window) const;
    TfrmCmds* commandsWindow() const { return m_cmds; }

    // ListPaneSink
    int selectedListTab() const override;
    bool paneShows(const QList<QByteArray>& lines) const override;
    bool seekGraphView() const override;
    void deliverToSeekGraph(const QList<QByteArray>& lines) override;
    void replacePane(const QList<QByteArray>& lines, int tab) override;
    void stopRefreshCountdown() override;
    void armRefreshCountdown() override;

    // ReplyWindowsSink
    void loadListWindow(ListWindow window, const QList<QByteArray>& lines) override;
    void showListWindow(ListWindow window) override;
    void appendToCommandsWindow(const QByteArray& text) override;
    void showCommandsWindow() override;

private:
    CommandSender& commands();
    void wireInfoBar();
    void wireSeeks();
    QString target() const;
    void timerTick();
    void showPlayerMenu(const QString& handle, const QPoint& globalPos);

    TfrmMainChess& m_window;
    ServerProtocol m_protocol = ServerProtocol::Fics;
    RefreshCountdown m_countdown;
    QTimer m_timBoard;
    SeekTable m_seeks;
    QList<QByteArray> m_paneLines;
    TSoughtPanel* m_sought = nullptr;
    TfrmMatch* m_match = nullptr;
    TfrmVars* m_vars = nullptr;
    std::array<TfrmGameList*, 3> m_gameLists{};
    TfrmCmds* m_cmds = nullptr;
    QMenu* m_playerMenu = nullptr;
};
