#include "session/ConnectFlow.h"

#include "session/CommandSender.h"
#include "session/ConnectFlowView.h"
#include "session/LoginSteps.h"
#include "net/ServerSocket.h"
#include "net/SocketErrorText.h"
#include "net/TimesealHelper.h"

#include <QTimer>

namespace {

QString errorText(int code, const QString& description)
{
    return QStringLiteral("Error #%1 %2").arg(code).arg(description);
}

} // namespace

ConnectFlow::ConnectFlow(ServerSocket& socket, CommandSender& commands, LoginSteps& login,
                         ConnectFlowView& view, QObject* parent)
    : QObject(parent), m_socket(socket), m_commands(commands), m_login(login), m_view(view)
{
    connect(&socket, &ServerSocket::sessionConnected, this, &ConnectFlow::onSessionConnected);
    connect(&socket, &ServerSocket::sessionClosed, this, &ConnectFlow::onSessionClosed);
    connect(&socket, &ServerSocket::errorOccurred, this, &ConnectFlow::onSocketError);
    connect(&socket, &ServerSocket::socksError, this, &ConnectFlow::onSocksError);
    connect(&socket, &ServerSocket::backgroundException, this, &ConnectFlow::onBackgroundException);
    connect(&socket, &ServerSocket::socksConnected, this,
            [this] { m_view.showInformation(QStringLiteral("Socks Connected")); });
}

void ConnectFlow::connectButton()
{
    if (m_connected) {
        disconnectMenu();
        return;
    }
    m_login.resetGuestAttempts();
    run();
}

void ConnectFlow::connectMenu()
{
    run();
}

void ConnectFlow::disconnectMenu()
{
    m_commands.sendCommand(QStringLiteral("exit"));
    m_socket.close();
}

void ConnectFlow::run()
{
    const auto choice = m_view.chooseConnection();
    if (!choice) {
        m_view.setConnectButtonDown(false);
        return;
    }
    m_choice = *choice;
    const TConnection& entry = m_choice.connection;
    const auto protocol = ServerProtocol(entry.Protocol);
    const QString connecting =
        QStringLiteral("Connecting to ") + entry.Title + QStringLiteral("...");
    m_view.setWindowTitle(ProductTitle + QStringLiteral(": ") + connecting);
    m_view.showProgress(QStringLiteral("Establish Connection"), connecting);
    m_view.setMainWindowEnabled(false);
    m_view.protocolChosen(protocol);
    m_login.setAccount(entry.Handle, entry.Password, protocol);

    bool timeseal = entry.Timeseal;
    if (m_choice.firewall.enabled) {
        if (!applyFirewall(m_choice.firewall)) {
            m_view.showError(SocksSettings::InvalidLevelMessage);
            onSessionClosed(0);
            return;
        }
        timeseal = false;
    } else {
        m_socket.setSocks(SocksSettings{});
    }
    // Pressed before connecting: a failure can be reported at once and must release it.
    m_view.setConnectButtonDown(true);
    if (timeseal) {
        connectThroughHelper();
        return;
    }
    m_socket.setAddress(entry.Address);
    m_socket.setPort(entry.Port);
    m_socket.connectToServer();
}

bool ConnectFlow::applyFirewall(const FirewallSettings& firewall)
{
    const auto level = SocksSettings::parseLevel(firewall.level);
    if (!level)
        return false;
    SocksSettings socks;
    socks.server = firewall.server;
    socks.port = firewall.port;
    socks.level = *level;
    socks.userCode = firewall.userCode;
    socks.password = firewall.password;
    socks.authenticate = firewall.authenticate;
    return m_socket.setSocks(socks);
}

void ConnectFlow::connectThroughHelper()
{
    const TConnection& entry = m_choice.connection;
    const auto protocol = ServerProtocol(entry.Protocol);
    const QString helper = TimesealHelper::find(protocol, m_programFolder);
    if (helper.isEmpty()) {
        // The progress dialog stays up until the user cancels it.
        m_view.showInformation(TimesealHelper::missingMessage(protocol, m_programFolder));
        return;
    }
    TimesealHelper::start(helper, entry.Address, entry.Port);
    m_socket.setAddress(TimesealHelper::RelayAddress);
    m_socket.setPort(TimesealHelper::RelayPort);
    m_relayAttemptsLeft = RelayAttempts;
    attemptRelay();
}

void ConnectFlow::attemptRelay()
{
    --m_relayAttemptsLeft;
    m_socket.connectToServer();
}

// The helper needs a moment before it listens: a refused relay is tried again.
bool ConnectFlow::swallowRelayRefusal(int error)
{
    if (m_relayAttemptsLeft <= 0 || error != SocketErrorText::ConnectionRefused)
        return false;
    m_relayRefused = true;
    return true;
}

void ConnectFlow::cancelConnecting()
{
    m_relayAttemptsLeft = 0;
    m_view.setMainWindowEnabled(true);
    m_view.hideProgress();
    if (m_socket.state() == ServerSocket::State::Closed)
        onSessionClosed(0); // nothing to abort: leave the connecting state all the same
    else
        m_socket.abort();
}

void ConnectFlow::onSessionConnected(int error)
{
    if (error != 0)
        return; // the closed event follows at once
    m_relayAttemptsLeft = 0;
    m_login.reset();
    m_view.clearForNewSession();
    m_connected = true;
    m_view.showConnectedControls(true);
    m_login.sessionConnected();
    m_view.setMainWindowEnabled(true);
    m_view.hideProgress();
    m_view.setWindowTitle(ProductTitle + QStringLiteral(": ") + m_choice.connection.Title);
    m_view.setApplicationTitle(m_choice.connection.Title);
}

void ConnectFlow::onSessionClosed(int error)
{
    if (std::exchange(m_relayRefused, false)) {
        QTimer::singleShot(RelayRetryMs, this, [this] {
            if (m_relayAttemptsLeft > 0)
                attemptRelay();
        });
        return;
    }
    if (m_view.progressShown()) {
        m_view.hideProgress();
        m_view.setMainWindowEnabled(true);
    }
    m_connected = false;
    m_view.setWindowTitle(ProductTitle + QStringLiteral(": Disconnected"));
    m_view.setApplicationTitle(ProductTitle);
    m_view.sessionEnded();
    if (error != 0)
        m_view.showWarning(QStringLiteral("Lost Connection"), QStringLiteral("Connection lost."));
    m_view.showConnectedControls(false);
}

void ConnectFlow::onSocketError(int error, const QString& description)
{
    if (!swallowRelayRefusal(error))
        m_view.showError(errorText(error, description));
}

void ConnectFlow::onSocksError(int error, const QString& message)
{
    m_view.showError(errorText(error, message));
}

void ConnectFlow::onBackgroundException(const QString& message)
{
    m_view.showWarning(ProductTitle, QStringLiteral("BGException :") + message);
}
