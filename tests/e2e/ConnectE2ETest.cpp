#include "chat/ui/TerminalView.h"
#include "session/ui/CommandInput.h"
#include "session/ui/TfrmCancelMessage.h"
#include "settings/SettingsFile.h"
#include "shell/ConnectionController.h"
#include "shell/MainSession.h"
#include "shell/TfrmMainChess.h"

#include "ficsim/FakeFicsServer.h"
#include "support/RelayPortLock.h"
#include "support/SocksProxyLauncher.h"
#include "support/ui/LoggedInWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

using ProxyKind = SocksProxyLauncher::Kind;

const QByteArray& Marker = LoggedInWindow::Marker;

// Message boxes that appear while the test waits, in order: caption and text.
class ModalWatcher : public QObject
{
public:
    ModalWatcher()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == m_last)
                return;
            m_last = box;
            seen << box->windowTitle() + " | " + box->text();
            QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
        });
        m_poll.start(10);
    }
    QStringList seen;

private:
    QTimer m_poll;
    QPointer<QMessageBox> m_last;
};

// A SOCKS proxy that takes connections and never answers them.
class SilentProxy : public QObject
{
public:
    SilentProxy()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                m_clients.append(socket);
        });
    }
    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    quint16 port() const { return m_server.serverPort(); }
    bool hasClient() const { return !m_clients.isEmpty(); }

private:
    QTcpServer m_server;
    QList<QTcpSocket*> m_clients;
};

TfrmCancelMessage* shownProgressDialog()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* progress = qobject_cast<TfrmCancelMessage*>(window);
        if (progress && progress->isVisible())
            return progress;
    }
    return nullptr;
}

enum class CancelWay
{
    Button,
    Escape,
    CloseBox
};

enum class Stall
{
    ProxyNeverAnswers,
    TimesealHelperMissing
};

} // namespace

class ConnectE2ETest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void guestLoginThroughTheDialog();
    void registeredLoginKeepsThePasswordOutOfTheTrace();
    void wrongPasswordIsAnsweredWithGuestNames();
    void typedCommandsWithCaret();
    void disconnectSendsExitQuietly();
    void droppedConnectionShowsLostConnection();
    void loginThroughProxy_data();
    void loginThroughProxy();
    void refusedProxyPassword();
    void loginThroughTimesealRelay();
    void cancelWhileConnecting_data();
    void cancelWhileConnecting();
    void guestRenamedByTheServer();
    void savedSilenceAndOpenStatesAreSent();
    void programConnectsAtStartAsGuest();
    void loggingKeepsShownLinesAndTypedCommands();
    void unopenableLogIsReported();

private:
    void startWindow();
    void connectWithoutDialog();
    TfrmMainChess& mainWindow() const { return m_session->window(); }
    FakeFicsServer& server() const { return m_session->server(); }

    std::unique_ptr<LoggedInWindow> m_session;
    std::unique_ptr<ModalWatcher> m_boxes;
};

void ConnectE2ETest::init()
{
    m_session = std::make_unique<LoggedInWindow>();
    QVERIFY(m_session->isReady());
}

void ConnectE2ETest::cleanup()
{
    m_boxes.reset();
    m_session.reset();
}

void ConnectE2ETest::startWindow()
{
    QVERIFY(m_session->startWindow());
    m_boxes = std::make_unique<ModalWatcher>();
}

void ConnectE2ETest::connectWithoutDialog()
{
    startWindow();
    m_session->connectAtStart();
}

void ConnectE2ETest::guestLoginThroughTheDialog()
{
    m_session->writeEntry(m_session->entry("TolFenrir", QString()));
    startWindow();
    m_session->connectThroughTheDialog();
    QVERIFY(m_session->waitForLogin("TolFenrir"));
    QCOMPARE(
        server().receivedLines(),
        (QList<QByteArray>{"TolFenrir", "", "Set style 12", "Set highlight 0", "Set autoflag 1",
                           "Set ptime 0", "iSet gameinfo 1", "Set interface Tolvaris 2.0 Quarndell",
                           "Set CShout 1", "Set Seek 1", "Set Shout 1", "Set Chanoff 0",
                           "Set Open 1", "Set seek 0", "tell TolFenrir" + Marker}));
    QCOMPARE(mainWindow().windowTitle(), QStringLiteral("Tolvaris 2.0 Quarndell: Fics"));
    QCOMPARE(mainWindow().windowIconText(), QStringLiteral("Fics"));
    QTRY_VERIFY(mainWindow().memTerminal->toPlainText().contains(
        "**** Starting FICS session as TolFenrir(U) ****"));
    QCOMPARE(mainWindow().toolBars.laTarget->text(), QStringLiteral("TolFenrir"));
    QVERIFY(mainWindow().toolBars.spdConnect->isChecked());
    QVERIFY(mainWindow().menus.mnuDisconnect->isEnabled());
    QVERIFY(!mainWindow().menus.mnuConnect->isEnabled());
    QVERIFY(mainWindow().isEnabled());
    QVERIFY(m_boxes->seen.isEmpty());
}

void ConnectE2ETest::registeredLoginKeepsThePasswordOutOfTheTrace()
{
    m_session->writeEntry(m_session->entry("alice", "alicepw"));
    connectWithoutDialog();
    QVERIFY(m_session->waitForLogin("alice"));
    QCOMPARE(server().receivedLines().mid(0, 3),
             (QList<QByteArray>{"alice", "alicepw", "Set style 12"}));
    QFile trace(m_session->filePath("trace.txt"));
    QVERIFY(trace.open(QIODevice::ReadOnly));
    const QByteArray traced = trace.readAll();
    QVERIFY(traced.contains("\r\nalice\n\r\n"));
    QVERIFY(traced.contains("\r\n********\n\r\n"));
    QVERIFY(!traced.contains("alicepw"));
}

void ConnectE2ETest::wrongPasswordIsAnsweredWithGuestNames()
{
    m_session->writeEntry(m_session->entry("alice", "wrong"));
    connectWithoutDialog();
    QTRY_VERIFY_WITH_TIMEOUT(server().receivedLines().size() > 2, 15000);
    const QList<QByteArray> lines = server().receivedLines();
    QCOMPARE(lines.mid(0, 2), (QList<QByteArray>{"alice", "wrong"}));
    QVERIFY2(lines[2].startsWith("Tol"), lines[2].constData());
    QVERIFY(m_session->waitForLogin(lines[2]));
    QCOMPARE(lines[3], QByteArray());
    QTRY_VERIFY(mainWindow().memTerminal->toPlainText().contains("**** Invalid password! ****"));
}

void ConnectE2ETest::typedCommandsWithCaret()
{
    m_session->writeEntry(m_session->entry("bob", "bobpw"));
    connectWithoutDialog();
    QVERIFY(m_session->waitForLogin("bob"));
    mainWindow().cmbInput->setEditText(QStringLiteral("tell bob hi^finger"));
    QTest::keyClick(mainWindow().cmbInput, Qt::Key_Return);
    QTRY_VERIFY(server().receivedLines().endsWith("finger"));
    QCOMPARE(server().receivedLines().mid(server().receivedLines().size() - 2, 1),
             QList<QByteArray>{"tell bob hi"});
    QCOMPARE(server().receivedLines().count("tell bob hi"), 1);
    QTRY_VERIFY(mainWindow().memTerminal->toPlainText().contains("bob tells you: hi"));
    QVERIFY(mainWindow().memTerminal->toPlainText().contains("tell bob hi^finger"));
    QCOMPARE(mainWindow().cmbInput->lineEdit()->selectedText(),
             QStringLiteral("tell bob hi^finger"));
}

void ConnectE2ETest::disconnectSendsExitQuietly()
{
    m_session->writeEntry(m_session->entry("carol", "carolpw"));
    connectWithoutDialog();
    QVERIFY(m_session->waitForLogin("carol"));
    mainWindow().menus.mnuDisconnect->trigger();
    QTRY_COMPARE(mainWindow().windowTitle(),
                 QStringLiteral("Tolvaris 2.0 Quarndell: Disconnected"));
    QTRY_COMPARE(server().receivedLines().last(), QByteArray("exit"));
    QCOMPARE(mainWindow().windowIconText(), QStringLiteral("Tolvaris 2.0 Quarndell"));
    QVERIFY(!mainWindow().toolBars.spdConnect->isChecked());
    QVERIFY(mainWindow().menus.mnuConnect->isEnabled());
    QVERIFY(!mainWindow().menus.mnuDisconnect->isEnabled());
    QTest::qWait(50);
    QVERIFY(m_boxes->seen.isEmpty());
}

void ConnectE2ETest::droppedConnectionShowsLostConnection()
{
    m_session->writeEntry(m_session->entry("dave", "davepw"));
    connectWithoutDialog();
    QVERIFY(m_session->waitForLogin("dave"));
    server().dropConnections();
    QTRY_COMPARE(m_boxes->seen, QStringList{"Lost Connection | Connection lost."});
    QTRY_COMPARE(mainWindow().windowTitle(),
                 QStringLiteral("Tolvaris 2.0 Quarndell: Disconnected"));
    QVERIFY(!mainWindow().toolBars.spdConnect->isChecked());
}

void ConnectE2ETest::loginThroughProxy_data()
{
    SocksProxyLauncher::addLoginRows();
}

void ConnectE2ETest::loginThroughProxy()
{
    QFETCH(int, proxy);
    QFETCH(QString, level);
    TOLVARIS_START_PROXY(ProxyKind(proxy), running);
    TConnection entry = m_session->entry("alice", "alicepw");
    entry.Address = QStringLiteral("localhost");
    m_session->writeEntry(
        entry, SocksProxyLauncher::firewall(running, level,
                                            ProxyKind(proxy) == ProxyKind::DanteWithPassword));
    connectWithoutDialog();
    QVERIFY(m_session->waitForLogin("alice"));
    QCOMPARE(m_boxes->seen, QStringList{"Tolvaris 2.0 Quarndell | Socks Connected"});
}

void ConnectE2ETest::refusedProxyPassword()
{
    TOLVARIS_START_PROXY(ProxyKind::DanteWithPassword, running);
    m_session->writeEntry(
        m_session->entry("alice", "alicepw"),
        SocksProxyLauncher::firewall(running, QStringLiteral("5"), true, QStringLiteral("wrong")));
    connectWithoutDialog();
    QTRY_COMPARE_WITH_TIMEOUT(
        m_boxes->seen,
        QStringList{"Tolvaris 2.0 Quarndell | Error #20015 socks authentication failed"}, 15000);
    QTRY_COMPARE(mainWindow().windowTitle(),
                 QStringLiteral("Tolvaris 2.0 Quarndell: Disconnected"));
    QVERIFY(mainWindow().isEnabled());
    QVERIFY(server().receivedLines().isEmpty());
}

void ConnectE2ETest::loginThroughTimesealRelay()
{
    const QString relay = qEnvironmentVariable("TOLVARIS_BIN_DIR") + QStringLiteral("/fakeseal");
    QVERIFY2(QFile::exists(relay), "build the fakeseal target first");
    const RelayPortLock relayPort;
    QVERIFY(relayPort.isLocked());
    QVERIFY(QFile::copy(relay, m_session->filePath(QStringLiteral("timeseal"))));
    TConnection entry = m_session->entry("bob", "bobpw");
    entry.Timeseal = true;
    m_session->writeEntry(entry);
    connectWithoutDialog();
    QVERIFY(m_session->waitForLogin("bob"));
    QCOMPARE(mainWindow().session().socket().port(), QStringLiteral("5005"));
    mainWindow().menus.mnuDisconnect->trigger();
    QTRY_COMPARE(mainWindow().windowTitle(),
                 QStringLiteral("Tolvaris 2.0 Quarndell: Disconnected"));
    QVERIFY(m_boxes->seen.isEmpty());
}

void ConnectE2ETest::cancelWhileConnecting_data()
{
    QTest::addColumn<Stall>("stall");
    QTest::addColumn<CancelWay>("way");
    QTest::newRow("Cancel button while the proxy never answers")
        << Stall::ProxyNeverAnswers << CancelWay::Button;
    QTest::newRow("Escape while the proxy never answers")
        << Stall::ProxyNeverAnswers << CancelWay::Escape;
    QTest::newRow("close box while the proxy never answers")
        << Stall::ProxyNeverAnswers << CancelWay::CloseBox;
    QTest::newRow("Cancel button after the missing helper was reported")
        << Stall::TimesealHelperMissing << CancelWay::Button;
}

void ConnectE2ETest::cancelWhileConnecting()
{
    QFETCH(Stall, stall);
    QFETCH(CancelWay, way);
    QStringList boxes;
    if (stall == Stall::TimesealHelperMissing)
        boxes << "Tolvaris 2.0 Quarndell | Timeseal executable file " +
                     m_session->filePath("timeseal") +
                     " does not exist. Cannot use timeseal. \r\n"
                     "Please uncheck timseal check box, and try again.";
    SilentProxy proxy;
    QVERIFY(proxy.listen());
    TConnection entry = m_session->entry("alice", "alicepw");
    FirewallSettings firewall;
    if (stall == Stall::ProxyNeverAnswers)
        firewall =
            FirewallSettings{true, "127.0.0.1", QString::number(proxy.port()), "5", {}, {}, false};
    else
        entry.Timeseal = true;
    m_session->writeEntry(entry, firewall);
    connectWithoutDialog();
    if (stall == Stall::ProxyNeverAnswers)
        QTRY_VERIFY_WITH_TIMEOUT(proxy.hasClient(), 20000);
    QTRY_COMPARE(m_boxes->seen, boxes);
    TfrmCancelMessage* progress = shownProgressDialog();
    QVERIFY(progress);
    QVERIFY(!mainWindow().isEnabled());
    QVERIFY(progress->btnCancel->isEnabled());

    switch (way) {
    case CancelWay::Button:
        QTest::mouseClick(progress->btnCancel, Qt::LeftButton);
        break;
    case CancelWay::Escape:
        QTest::keyClick(progress, Qt::Key_Escape);
        break;
    case CancelWay::CloseBox:
        progress->windowHandle()->close();
        break;
    }
    QTRY_VERIFY(!progress->isVisible());
    QTRY_COMPARE(mainWindow().windowTitle(),
                 QStringLiteral("Tolvaris 2.0 Quarndell: Disconnected"));
    QVERIFY(mainWindow().isEnabled());
    QVERIFY(!mainWindow().toolBars.spdConnect->isChecked());
    QVERIFY(mainWindow().menus.mnuConnect->isEnabled());
    QCOMPARE(mainWindow().session().socket().state(), ServerSocket::State::Closed);
    QCOMPARE(m_boxes->seen, boxes);
}

void ConnectE2ETest::guestRenamedByTheServer()
{
    m_session->writeEntry(m_session->entry("guest", QString()));
    connectWithoutDialog();
    QVERIFY(QTest::qWaitFor([this] { return server().receivedLines().size() >= 15; }, 20000));
    const QByteArray marker = server().receivedLines().last();
    QVERIFY2(marker.startsWith("tell Guest") && marker.endsWith(Marker), marker.constData());
    const QByteArray handle = marker.mid(5, marker.size() - 5 - Marker.size());
    QVERIFY(server().sessionOf(handle));
    QTRY_COMPARE(mainWindow().toolBars.laTarget->text(), QString::fromLatin1(handle));
    QTRY_VERIFY(mainWindow().memTerminal->toPlainText().contains(handle + " tells you:"));
    QVERIFY(!mainWindow().memTerminal->toPlainText().contains("is not logged in"));
}

void ConnectE2ETest::savedSilenceAndOpenStatesAreSent()
{
    m_session->writeEntry(m_session->entry("alice", "alicepw"));
    SettingsFile profile(m_session->filePath("Default.ini"));
    profile.writeBool("Quodlin", "Silenced", true);
    profile.writeBool("Quodlin", "Open", true);
    profile.writeInteger("Quodlin", "Silence", 2 | 8);
    connectWithoutDialog();
    QVERIFY(mainWindow().toolBars.spdSilence->isChecked());
    QVERIFY(mainWindow().toolBars.spdOpen->isChecked());
    QVERIFY(m_session->waitForLogin("alice"));
    const QList<QByteArray> lines = server().receivedLines();
    const qsizetype after = lines.indexOf("Set interface Tolvaris 2.0 Quarndell") + 1;
    QCOMPARE(lines.mid(after, 4),
             (QList<QByteArray>{"Set Seek 0", "Set Chanoff 1", "Set Open 0", "Set seek 0"}));
}

void ConnectE2ETest::programConnectsAtStartAsGuest()
{
    const QString program = qEnvironmentVariable("TOLVARIS_BIN_DIR") + QStringLiteral("/tolvaris");
    QVERIFY2(QFile::exists(program), "build the tolvaris target first");
    // A fresh settings folder whose first entry points at the fake server, without a handle.
    m_session->writeEntry(m_session->entry(QString(), QString()));
    QProcess client;
    client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    client.start(program, {"--connect", "--settings-dir", m_session->folder()});
    QVERIFY(client.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return server().receivedLines().size() >= 15; }, 20000));
    const QList<QByteArray> lines = server().receivedLines();
    const QByteArray guest = lines.first();
    QVERIFY2(guest.startsWith("Tol") && guest.size() > 3, guest.constData());
    QCOMPARE(lines[1], QByteArray());
    QCOMPARE(lines.last(), "tell " + guest + Marker);
    client.terminate(); // "E&xit": the session says goodbye
    QVERIFY(client.waitForFinished(10000));
    QTRY_COMPARE(server().receivedLines().last(), QByteArray("exit"));
}

void ConnectE2ETest::loggingKeepsShownLinesAndTypedCommands()
{
    m_session->writeEntry(m_session->entry("bob", "bobpw"));
    startWindow();
    QAction* logging = mainWindow().menus.mnuLogging;
    QVERIFY(logging->isEnabled());
    QCOMPARE(logging->statusTip(), QStringLiteral("Logs terminal text to the Quodlin.log file."));
    logging->trigger();
    QVERIFY(logging->isChecked());
    m_session->connectAtStart();
    QVERIFY(m_session->waitForLogin("bob"));
    mainWindow().cmbInput->setEditText(QStringLiteral("finger"));
    QTest::keyClick(mainWindow().cmbInput, Qt::Key_Return);
    QTRY_VERIFY(mainWindow().memTerminal->toPlainText().contains("Statistics for bob"));
    logging->trigger();
    QVERIFY(!logging->isChecked());

    auto logText = [this] {
        QFile log(m_session->filePath("Quodlin.log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    };
    const QByteArray first = logText();
    QVERIFY(first.contains(">finger\r\n"));
    QVERIFY(first.contains("Statistics for bob   "));
    QVERIFY(!first.contains("bobpw"));

    // Off and on again: the log goes on after its old content.
    logging->trigger();
    mainWindow().cmbInput->setEditText(QStringLiteral("say again"));
    QTest::keyClick(mainWindow().cmbInput, Qt::Key_Return);
    QTRY_VERIFY(logText().startsWith(first + ">say again\r\n"));
}

void ConnectE2ETest::unopenableLogIsReported()
{
    QVERIFY(QDir(m_session->folder()).mkdir("Quodlin.log"));
    startWindow();
    mainWindow().menus.mnuLogging->trigger();
    QTRY_COMPARE(m_boxes->seen,
                 QStringList{"Tolvaris 2.0 Quarndell | The log file " +
                             m_session->filePath("Quodlin.log") + " cannot be opened."});
    QVERIFY(!mainWindow().menus.mnuLogging->isChecked());
    QVERIFY(!mainWindow().session().sessionLog().isOpen());
}

QTEST_MAIN(ConnectE2ETest)
#include "ConnectE2ETest.moc"
