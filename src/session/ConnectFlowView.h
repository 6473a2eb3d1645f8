#pragma once

#include "session/ConnectionChoice.h"
#include "net/ServerProtocol.h"

#include <QString>

#include <optional>

// What the connect flow needs of the main window: the connection dialog, the progress
// dialog, titles, controls and message boxes.
class ConnectFlowView
{
public:
    virtual ~ConnectFlowView() = default;

    // The connection dialog; nothing when the user cancels it.
    virtual std::optional<ConnectionChoice> chooseConnection() = 0;
    // The progress dialog; its Cancel button calls ConnectFlow::cancelConnecting().
    virtual void showProgress(const QString& caption, const QString& message) = 0;
    virtual void hideProgress() = 0;
    virtual bool progressShown() const = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void setWindowTitle(const QString& title) = 0;
    virtual void setApplicationTitle(const QString& title) = 0;
    // The Connect button pressed or released, without a change of its connected look.
    virtual void setConnectButtonDown(bool down) = 0;
    // Connect button look and pressed state, Connect and Disconnect menu items.
    virtual void showConnectedControls(bool connected) = 0;
    // A new session: terminal and main chat text cleared, first list tab, empty input.
    virtual void clearForNewSession() = 0;
    // The session ended: main chat window hidden, boards stop following their games.
    virtual void sessionEnded() = 0;
    virtual void protocolChosen(ServerProtocol protocol) = 0;

    virtual void showInformation(const QString& text) = 0;
    virtual void showWarning(const QString& caption, const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
};
