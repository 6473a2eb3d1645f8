#pragma once

#include "session/InterfaceToggles.h"

#include <QObject>

class CommandSender;
class QMenu;
class TfrmMainChess;
struct MainSettingsRecord;

// The Silence and Open toggles of the tool bar and the Settings menu, the
// Silence button's menu of what it silences, and "&Clear Messages": each sends
// its server settings through the command sender.
class MainToggles : public QObject
{
    Q_OBJECT

public:
    MainToggles(TfrmMainChess& window, CommandSender& commands);

    const InterfaceToggles& state() const { return m_state; }
    void setSilenceSet(int set) { m_state.silenceSet = set; }
    void protocolChosen(ServerProtocol protocol) { m_protocol = protocol; }

    void applySettings(const MainSettingsRecord& record);
    void collectSettings(MainSettingsRecord& record) const;

    // After the button's pressed state changed.
    void silenceAction();
    void openAction();

private:
    void showSilenceMenu(const QPoint& globalPos);

    TfrmMainChess& m_window;
    CommandSender& m_commands;
    InterfaceToggles m_state;
    ServerProtocol m_protocol = ServerProtocol::Fics;
    QMenu* m_silenceMenu;
};
