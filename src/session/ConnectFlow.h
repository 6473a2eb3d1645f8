#pragma once

#include "session/ConnectionChoice.h"
#include "settings/ProductName.h"

#include <QObject>
#include <QString>

class CommandSender;
class ConnectFlowView;
class LoginSteps;
class ServerSocket;

// Opening and closing the server connection: the connection dialog's choice is put
// into the socket (directly, through a SOCKS proxy or through the Timeseal relay), the
// progress dialog covers the attempt, and the socket's events become titles, control
// states and message boxes. The login itself is the LoginSteps' work.
class ConnectFlow : public QObject
{
    Q_OBJECT

public:
    static inline const QString ProductTitle = ProductName;
    // How often and how far apart the relay is tried while the helper starts up.
    static constexpr int RelayAttempts = 40;
    static constexpr int RelayRetryMs = 250;

    ConnectFlow(ServerSocket& socket, CommandSender& commands, LoginSteps& login,
                ConnectFlowView& view, QObject* parent = nullptr);

    // Folder where the Timeseal helper is looked for first.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // The Connect button: disconnects when connected, otherwise starts afresh.
    void connectButton();
    // The "&Connect" menu item: the connect flow, guest attempts kept.
    void connectMenu();
    // The "&Disconnect" menu item.
    void disconnectMenu();
    // The progress dialog's Cancel.
    void cancelConnecting();

    bool isConnected() const { return m_connected; }
    const TConnection& connection() const { return m_choice.connection; }

private:
    void run();
    bool applyFirewall(const FirewallSettings& firewall);
    void connectThroughHelper();
    void attemptRelay();
    void onSessionConnected(int error);
    void onSessionClosed(int error);
    void onSocketError(int error, const QString& description);
    void onSocksError(int error, const QString& message);
    void onBackgroundException(const QString& message);
    bool swallowRelayRefusal(int error);

    ServerSocket& m_socket;
    CommandSender& m_commands;
    LoginSteps& m_login;
    ConnectFlowView& m_view;
    QString m_programFolder;
    ConnectionChoice m_choice;
    bool m_connected = false;
    int m_relayAttemptsLeft = 0;
    bool m_relayRefused = false;
};
