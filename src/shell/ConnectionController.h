#pragma once

#include "session/ConnectFlowView.h"
#include "session/InterfaceToggles.h"

#include <QObject>
#include <QString>

#include <memory>

class ConnectFlow;
class PracticeServer;
class TfrmCancelMessage;
class TfrmMainChess;

// Puts the session's controls into the main window: the Connect button and the Connect
// and Disconnect menu items start and end sessions, "Practice &Offline" starts the
// practice server and connects to it as a guest, and "Lo&gging" keeps the session log; the connect flow's requests become the main window's titles, controls, the
// connection and progress dialogs and message boxes.
class ConnectionController : public QObject, public ConnectFlowView
{
    Q_OBJECT

public:
    ConnectionController(TfrmMainChess& window, const QString& programDirectory);
    ~ConnectionController() override;

    ConnectFlow& flow() { return *m_flow; }
    // The connect flow at start: the last-used entry, without the connection dialog.
    void connectAtStart();

    std::optional<ConnectionChoice> chooseConnection() override;
    void showProgress(const QString& caption, const QString& message) override;
    void hideProgress() override;
    bool progressShown() const override;
    void setMainWindowEnabled(bool enabled) override;
    void setWindowTitle(const QString& title) override;
    void setApplicationTitle(const QString& title) override;
    void setConnectButtonDown(bool down) override;
    void showConnectedControls(bool connected) override;
    void clearForNewSession() override;
    void sessionEnded() override;
    void protocolChosen(ServerProtocol protocol) override;
    void showInformation(const QString& text) override;
    void showWarning(const QString& caption, const QString& text) override;
    void showError(const QString& text) override;

private:
    void prepareLogin();
    void practiceOffline();
    void connectToPractice(quint16 port);
    std::optional<ConnectionChoice> lastUsedEntry() const;
    InterfaceToggles toggleStates() const;

    TfrmMainChess& m_window;
    QString m_programDirectory;
    // A window of its own: the connect flow disables the main window, and Qt disables
    // a window's children with it, Cancel included.
    std::unique_ptr<TfrmCancelMessage> m_progress;
    std::unique_ptr<ConnectFlow> m_flow;
    bool m_skipDialogOnce = false;
    PracticeServer* m_practice;
    std::optional<ConnectionChoice> m_practiceChoice; // taken by the next connect instead of the dialog
};
