#include "session/ConnectFlow.h"
#include "session/ConnectFlowView.h"
#include "session/LoginQuestions.h"
#include "session/LoginSteps.h"
#include "net/ServerSocket.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/SocketCommandSender.h"
#include "session/TraceLog.h"

#include "EventRecorder.h"
#include "ficsim/FakeFicsServer.h"
#include "support/LocalPorts.h"
#include "support/RelayPortLock.h"
#include "support/SocksProxyLauncher.h"
#include "support/StallingPeer.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using ProxyKind = SocksProxyLauncher::Kind;

const QString Marker =
    QStringLiteral(" ------------------------ Battle Mode On ------------------- ");

// The main window as the connect flow sees it: every call becomes one line.
class RecordingView : public ConnectFlowView
{
public:
    std::optional<ConnectionChoice> chooseConnection() override
    {
        calls << "dialog";
        return choice;
    }
    void showProgress(const QString& caption, const QString& message) override
    {
        calls << "progress " + caption + " | " + message;
        progress = true;
    }
    void hideProgress() override
    {
        calls << "hide progress";
        progress = false;
    }
    bool progressShown() const override { return progress; }
    void setMainWindowEnabled(bool enabled) override
    {
        calls << (enabled ? "enabled" : "disabled");
    }
    void setWindowTitle(const QString& title) override { calls << "title " + title; }
    void setApplicationTitle(const QString& title) override { calls << "app title " + title; }
    void setConnectButtonDown(bool down) override { calls << (down ? "button down" : "button up"); }
    void showConnectedControls(bool connected) override
    {
        calls << (connected ? "controls connected" : "controls disconnected");
    }
    void clearForNewSession() override { calls << "clear"; }
    void sessionEnded() override { calls << "session ended"; }
    void protocolChosen(ServerProtocol protocol) override
    {
        calls << "protocol " + QString::number(int(protocol));
    }
    void showInformation(const QString& text) override { calls << "information " + text; }
    void showWarning(const QString& caption, const QString& text) override
    {
        calls << "warning " + caption + " | " + text;
    }
    void showError(const QString& text) override { calls << "error " + text; }

    bool saw(const QString& call) const { return calls.contains(call); }

    std::optional<ConnectionChoice> choice;
    QStringList calls;
    bool progress = false;
};

class NoQuestions : public LoginQuestions
{
public:
    Answer ask(const QString&, const QString&, const QString& initialText, bool) override
    {
        return {initialText, false};
    }
};

// The session as the main window builds it, with recording receivers for the rest.
struct SessionRig
{
    explicit SessionRig(ConnectFlowView& view)
        : commands(socket, trace), login(commands, questions, random),
          recorder(LoginState::Reset, 0, [](const QByteArray&) {}),
          pipeline(SessionReceivers{recorder, login, recorder, recorder, recorder, recorder,
                                    commands, recorder},
                   trace, sessionLog),
          flow(socket, commands, login, view)
    {
        QObject::connect(&socket, &ServerSocket::dataAvailable, &pipeline,
                         [this] { pipeline.chunkIntake(socket.receiveAll()); });
        QObject::connect(&socket, &ServerSocket::sessionConnected, &pipeline, [this](int error) {
            if (error == 0)
                pipeline.connectionStarted();
        });
        QObject::connect(&socket, &ServerSocket::sessionClosed, &pipeline,
                         [this] { pipeline.connectionClosed(); });
    }

    TraceLog trace{false};
    SessionLog sessionLog;
    ServerSocket socket;
    SocketCommandSender commands;
    NoQuestions questions;
    QRandomGenerator random{77};
    LoginSteps login;
    EventRecorder recorder;
    SessionPipeline pipeline;
    ConnectFlow flow;
};

TConnection entry(const QString& handle, const QString& password, quint16 port)
{
    return TConnection{QStringLiteral("127.0.0.1"),
                       QString::number(port),
                       handle,
                       password,
                       false,
                       QStringLiteral("Fics"),
                       0};
}

QList<QByteArray> ficsSetup(const QByteArray& handle)
{
    return {"Set style 12",
            "Set highlight 0",
            "Set autoflag 1",
            "Set ptime 0",
            "iSet gameinfo 1",
            "Set interface Tolvaris 2.0 Quarndell",
            "Set CShout 1",
            "Set Seek 1",
            "Set Shout 1",
            "Set Chanoff 0",
            "Set Open 1",
            "Set seek 0",
            "tell " + handle + Marker.toLatin1()};
}

} // namespace

class ConnectFlowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void guestLoginThroughPressReturn();
    void registeredLoginAndTypedCommands();
    void wrongPasswordIsAnsweredWithGuestNames();
    void disconnectSendsExitWithoutMessage();
    void droppedConnectionShowsLostConnection();
    void refusedConnectionReturnsToDisconnected();
    void cancelledDialogReleasesTheButton();
    void loginThroughProxy_data();
    void loginThroughProxy();
    void refusedProxyPassword();
    void invalidSocksLevelIsRefused();
    void missingTimesealHelper();
    void loginThroughTimesealRelay();
    void cancelEndsAStalledAttempt_data();
    void cancelEndsAStalledAttempt();
    void stalledProxyShowsWhichStepTimedOut();

private:
    void connectAndWaitForLogin(const QByteArray& handle);

    std::unique_ptr<FakeFicsServer> m_server;
    std::unique_ptr<RecordingView> m_view;
    std::unique_ptr<SessionRig> m_rig;
};

void ConnectFlowTest::init()
{
    m_server = std::make_unique<FakeFicsServer>();
    QVERIFY(m_server->listen());
    m_view = std::make_unique<RecordingView>();
    m_rig = std::make_unique<SessionRig>(*m_view);
}

void ConnectFlowTest::cleanup()
{
    m_rig.reset();
    m_view.reset();
    m_server.reset();
}

void ConnectFlowTest::connectAndWaitForLogin(const QByteArray& handle)
{
    m_rig->flow.connectButton();
    QTRY_VERIFY_WITH_TIMEOUT(
        m_server->receivedLines().contains("tell " + handle + Marker.toLatin1()), 15000);
    QCOMPARE(int(m_rig->login.loginState()), int(LoginState::Ready));
}

void ConnectFlowTest::guestLoginThroughPressReturn()
{
    m_view->choice = ConnectionChoice{entry("TolFenrir", QString(), m_server->port()), {}};
    connectAndWaitForLogin("TolFenrir");
    QCOMPARE(m_server->receivedLines(),
             (QList<QByteArray>{"TolFenrir", ""} + ficsSetup("TolFenrir")));
    QCOMPARE(
        m_view->calls,
        (QStringList{"dialog", "title Tolvaris 2.0 Quarndell: Connecting to Fics...",
                     "progress Establish Connection | Connecting to Fics...", "disabled",
                     "protocol 0", "button down", "clear", "controls connected", "enabled",
                     "hide progress", "title Tolvaris 2.0 Quarndell: Fics", "app title Fics"}));
    QVERIFY(m_rig->flow.isConnected());
}

void ConnectFlowTest::registeredLoginAndTypedCommands()
{
    m_view->choice = ConnectionChoice{entry("alice", "alicepw", m_server->port()), {}};
    connectAndWaitForLogin("alice");
    QCOMPARE(m_server->receivedLines(),
             (QList<QByteArray>{"alice", "alicepw"} + ficsSetup("alice")));
    m_rig->commands.sendCommand(QStringLiteral("tell alice hi^finger"));
    QTRY_COMPARE(m_server->receivedLines().mid(15), (QList<QByteArray>{"tell alice hi", "finger"}));
}

void ConnectFlowTest::wrongPasswordIsAnsweredWithGuestNames()
{
    m_view->choice = ConnectionChoice{entry("alice", "wrong", m_server->port()), {}};
    m_rig->flow.connectButton();
    QTRY_VERIFY_WITH_TIMEOUT(m_rig->login.loginState() == LoginState::Ready, 15000);
    const QList<QByteArray> lines = m_server->receivedLines();
    QCOMPARE(lines.mid(0, 2), (QList<QByteArray>{"alice", "wrong"}));
    QVERIFY2(lines[2].startsWith("Tol") && lines[2].size() > 3, lines[2].constData());
    QCOMPARE(lines[3], QByteArray());
    QCOMPARE(lines.mid(4, 3), ficsSetup("alice").mid(0, 3));
    QCOMPARE(m_rig->login.guestAttempts(), 1);
    // The set-up names the handle the session started under, not the refused one.
    QTRY_COMPARE(m_server->receivedLines().last(), "tell " + lines[2] + Marker.toLatin1());
}

void ConnectFlowTest::disconnectSendsExitWithoutMessage()
{
    m_view->choice = ConnectionChoice{entry("bob", "bobpw", m_server->port()), {}};
    connectAndWaitForLogin("bob");
    m_view->calls.clear();
    m_rig->flow.disconnectMenu();
    QTRY_VERIFY(m_view->saw("controls disconnected"));
    QTRY_COMPARE(m_server->receivedLines().last(), QByteArray("exit"));
    QCOMPARE(m_view->calls, (QStringList{"title Tolvaris 2.0 Quarndell: Disconnected",
                                         "app title Tolvaris 2.0 Quarndell", "session ended",
                                         "controls disconnected"}));
    QVERIFY(!m_rig->flow.isConnected());
}

void ConnectFlowTest::droppedConnectionShowsLostConnection()
{
    m_view->choice = ConnectionChoice{entry("carol", "carolpw", m_server->port()), {}};
    connectAndWaitForLogin("carol");
    m_view->calls.clear();
    m_server->dropConnections();
    QTRY_VERIFY(m_view->saw("controls disconnected"));
    QCOMPARE(m_view->calls,
             (QStringList{"title Tolvaris 2.0 Quarndell: Disconnected",
                          "app title Tolvaris 2.0 Quarndell", "session ended",
                          "warning Lost Connection | Connection lost.", "controls disconnected"}));
}

void ConnectFlowTest::refusedConnectionReturnsToDisconnected()
{
    m_view->choice = ConnectionChoice{entry("bob", "bobpw", LocalPorts::freePort()), {}};
    m_rig->flow.connectButton();
    QTRY_VERIFY(m_view->saw("controls disconnected"));
    QCOMPARE(m_view->calls.mid(6),
             (QStringList{"error Error #10061 Connection refused", "hide progress", "enabled",
                          "title Tolvaris 2.0 Quarndell: Disconnected",
                          "app title Tolvaris 2.0 Quarndell", "session ended",
                          "controls disconnected"}));
}

void ConnectFlowTest::cancelledDialogReleasesTheButton()
{
    m_rig->flow.connectButton();
    QCOMPARE(m_view->calls, (QStringList{"dialog", "button up"}));
    QCOMPARE(int(m_rig->socket.state()), int(ServerSocket::State::Closed));
}

void ConnectFlowTest::loginThroughProxy_data()
{
    SocksProxyLauncher::addLoginRows();
}

void ConnectFlowTest::loginThroughProxy()
{
    QFETCH(int, proxy);
    QFETCH(QString, level);
    TOLVARIS_START_PROXY(ProxyKind(proxy), running);
    const FirewallSettings firewall = SocksProxyLauncher::firewall(
        running, level, ProxyKind(proxy) == ProxyKind::DanteWithPassword);
    TConnection account = entry("dave", "davepw", m_server->port());
    account.Address = QStringLiteral("localhost");
    account.Timeseal = true; // the proxy excludes the helper
    m_view->choice = ConnectionChoice{account, firewall};
    connectAndWaitForLogin("dave");
    QVERIFY(m_view->saw("information Socks Connected"));
    QCOMPARE(m_server->receivedLines().mid(0, 2), (QList<QByteArray>{"dave", "davepw"}));
}

void ConnectFlowTest::refusedProxyPassword()
{
    TOLVARIS_START_PROXY(ProxyKind::DanteWithPassword, running);
    FirewallSettings firewall{true,
                              QStringLiteral("127.0.0.1"),
                              QString::number(running.port),
                              QStringLiteral("5"),
                              QStringLiteral("not-the-password"),
                              DantedProxy::UserCode,
                              true};
    m_view->choice = ConnectionChoice{entry("dave", "davepw", m_server->port()), firewall};
    m_rig->flow.connectButton();
    QTRY_VERIFY_WITH_TIMEOUT(m_view->saw("controls disconnected"), 15000);
    QVERIFY(m_view->saw("error Error #20015 socks authentication failed"));
    QVERIFY(!m_view->saw("warning Lost Connection | Connection lost."));
    QVERIFY(m_server->receivedLines().isEmpty());
}

void ConnectFlowTest::invalidSocksLevelIsRefused()
{
    FirewallSettings firewall;
    firewall.enabled = true;
    firewall.server = QStringLiteral("127.0.0.1");
    firewall.level = QStringLiteral("6");
    m_view->choice = ConnectionChoice{entry("dave", "davepw", m_server->port()), firewall};
    m_rig->flow.connectButton();
    QVERIFY(m_view->saw("error Invalid socks level. Must be 4, 4A or 5."));
    QCOMPARE(m_view->calls.last(), QStringLiteral("controls disconnected"));
    QVERIFY(!m_view->progressShown());
    QCOMPARE(int(m_rig->socket.state()), int(ServerSocket::State::Closed));
}

void ConnectFlowTest::missingTimesealHelper()
{
    QTemporaryDir programFolder;
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", programFolder.path().toLocal8Bit());
    m_rig->flow.setProgramFolder(programFolder.path());
    TConnection account = entry("dave", "davepw", m_server->port());
    account.Timeseal = true;
    m_view->choice = ConnectionChoice{account, {}};
    m_rig->flow.connectButton();
    qputenv("PATH", savedPath);
    QVERIFY(m_view->saw("information Timeseal executable file " +
                        QDir(programFolder.path()).filePath("timeseal") +
                        " does not exist. Cannot use timeseal. \r\n"
                        "Please uncheck timseal check box, and try again."));
    QVERIFY(m_view->saw("button down"));
    QVERIFY(m_view->progressShown());
    QCOMPARE(int(m_rig->socket.state()), int(ServerSocket::State::Closed));

    m_rig->flow.cancelConnecting();
    QVERIFY(!m_view->progressShown());
    QCOMPARE(m_view->calls.last(), QStringLiteral("controls disconnected"));
    QVERIFY(m_view->saw("title Tolvaris 2.0 Quarndell: Disconnected"));
}

void ConnectFlowTest::loginThroughTimesealRelay()
{
    const QString relay = qEnvironmentVariable("TOLVARIS_BIN_DIR") + QStringLiteral("/fakeseal");
    QVERIFY2(QFile::exists(relay), "build the fakeseal target first");
    const RelayPortLock relayPort;
    QVERIFY(relayPort.isLocked());
    QTemporaryDir programFolder;
    QVERIFY(QFile::copy(relay, programFolder.filePath(QStringLiteral("timeseal"))));
    m_rig->flow.setProgramFolder(programFolder.path());
    TConnection account = entry("alice", "alicepw", m_server->port());
    account.Timeseal = true;
    m_view->choice = ConnectionChoice{account, {}};
    connectAndWaitForLogin("alice");
    QVERIFY(!m_view->saw("error Error #10061 Connection refused"));
    QCOMPARE(m_rig->socket.address(), QStringLiteral("127.0.0.1"));
    QCOMPARE(m_rig->socket.port(), QStringLiteral("5005"));
    m_rig->flow.disconnectMenu();
    QTRY_VERIFY(m_view->saw("controls disconnected"));
}


void ConnectFlowTest::cancelEndsAStalledAttempt_data()
{
    QTest::addColumn<bool>("throughProxy");
    QTest::newRow("proxy that accepts and says nothing") << true;
    QTest::newRow("server that never completes the connect") << false;
}

void ConnectFlowTest::cancelEndsAStalledAttempt()
{
    QFETCH(bool, throughProxy);
    StallingPeer proxy(QByteArray{});
    UnansweredListener unanswered;
    QVERIFY(unanswered.port() != 0);
    FirewallSettings firewall;
    if (throughProxy) {
        firewall.enabled = true;
        firewall.server = QStringLiteral("127.0.0.1");
        firewall.port = QString::number(proxy.port());
        firewall.level = QStringLiteral("5");
    }
    m_view->choice = ConnectionChoice{
        entry("dave", "davepw", throughProxy ? m_server->port() : unanswered.port()), firewall};
    m_rig->flow.connectButton();
    if (throughProxy)
        QTRY_COMPARE_WITH_TIMEOUT(proxy.accepted(), 1, 20000);
    QVERIFY(m_view->progressShown());
    QCOMPARE(int(m_rig->socket.state()), int(ServerSocket::State::Connecting));

    m_rig->flow.cancelConnecting();
    QCOMPARE(int(m_rig->socket.state()), int(ServerSocket::State::Closed));
    QVERIFY(!m_view->progressShown());
    QCOMPARE(m_view->calls.last(), QStringLiteral("controls disconnected"));
    QVERIFY(m_view->saw("title Tolvaris 2.0 Quarndell: Disconnected"));
    for (const QString& call : std::as_const(m_view->calls))
        QVERIFY2(!call.startsWith("error") && !call.startsWith("warning"), qPrintable(call));
}

void ConnectFlowTest::stalledProxyShowsWhichStepTimedOut()
{
    StallingPeer proxy(QByteArray{});
    FirewallSettings firewall;
    firewall.enabled = true;
    firewall.server = QStringLiteral("127.0.0.1");
    firewall.port = QString::number(proxy.port());
    firewall.level = QStringLiteral("5");
    m_view->choice = ConnectionChoice{entry("dave", "davepw", m_server->port()), firewall};
    m_rig->socket.setStepTimeout(std::chrono::milliseconds(300));
    m_rig->flow.connectButton();
    QTRY_VERIFY_WITH_TIMEOUT(m_view->saw("controls disconnected"), 20000);
    QVERIFY(m_view->saw("error Error #10060 SOCKS proxy handshake timed out"));
    QVERIFY(!m_view->progressShown());
    QVERIFY(m_server->receivedLines().isEmpty());
}

QTEST_GUILESS_MAIN(ConnectFlowTest)
#include "ConnectFlowTest.moc"
