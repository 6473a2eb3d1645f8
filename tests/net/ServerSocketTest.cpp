#include "net/ServerSocket.h"

#include "support/LocalPorts.h"
#include "support/RecordingTcpServer.h"
#include "support/SocksProxyLauncher.h"
#include "support/StallingPeer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// Writes every event of the socket into one list, in order.
class EventLog : public QObject
{
public:
    explicit EventLog(ServerSocket& socket)
    {
        connect(&socket, &ServerSocket::sessionConnected, this,
                [this](int code) { m_events << QStringLiteral("connected %1").arg(code); });
        connect(&socket, &ServerSocket::sessionClosed, this,
                [this](int code) { m_events << QStringLiteral("closed %1").arg(code); });
        connect(&socket, &ServerSocket::dataAvailable, this,
                [this, &socket] { m_data += socket.receiveAll(); });
        connect(&socket, &ServerSocket::errorOccurred, this, [this](int code, const QString& text) {
            m_events << QStringLiteral("error %1 %2").arg(code).arg(text);
        });
        connect(&socket, &ServerSocket::socksConnected, this,
                [this] { m_events << QStringLiteral("socks connected"); });
        connect(&socket, &ServerSocket::socksError, this, [this](int code, const QString& text) {
            m_events << QStringLiteral("socks error %1 %2").arg(code).arg(text);
        });
    }
    QStringList events() const { return m_events; }
    QByteArray data() const { return m_data; }
    bool closed() const { return !m_events.isEmpty() && m_events.last().startsWith("closed"); }

private:
    QStringList m_events;
    QByteArray m_data;
};

using ProxyKind = SocksProxyLauncher::Kind;

} // namespace

class ServerSocketTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void directSessionSendsReceivesAndCloses();
    void failedAttemptEndsWithClosed_data();
    void failedAttemptEndsWithClosed();
    void serverEndsTheConnection_data();
    void serverEndsTheConnection();
    void abortWhileConnectingReportsClosed();
    void failingHandlerIsReportedAndSocketStaysUsable();
    void eventsWaitForABusyReceiver_data();
    void eventsWaitForABusyReceiver();
    void socksSettingsOnlyWhileClosed();
    void throughProxy_data();
    void throughProxy();
    void proxyFailures_data();
    void proxyFailures();
    void stalledStepTimesOut_data();
    void stalledStepTimesOut();
    void abortEndsAStalledHandshakeAtOnce();
    void floodWhileReceiverIsBusyStaysBounded();
    void pacedSocketGathersChunksUntilItsTurn_data();
    void pacedSocketGathersChunksUntilItsTurn();
};

void ServerSocketTest::directSessionSendsReceivesAndCloses()
{
    RecordingTcpServer target;
    ServerSocket socket;
    EventLog log(socket);
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QCOMPARE(int(socket.state()), int(ServerSocket::State::Connecting));
    QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting);
    QCOMPARE(log.events(), QStringList{"connected 0"});
    QVERIFY(socket.isConnected());

    socket.send("tell bob hi\n");
    QTRY_COMPARE(target.received(), QByteArray("tell bob hi\n"));

    socket.close();
    QTRY_VERIFY(log.closed());
    QCOMPARE(log.events(), (QStringList{"connected 0", "closed 0"}));
    QCOMPARE(int(socket.state()), int(ServerSocket::State::Closed));
    QTRY_COMPARE(int(target.client()->state()), int(QAbstractSocket::UnconnectedState));
}

void ServerSocketTest::failedAttemptEndsWithClosed_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("description");
    QTest::newRow("nobody listens")
        << "127.0.0.1" << QString::number(LocalPorts::freePort()) << 10061 << "Connection refused";
    QTest::newRow("unknown host name") << "no-such-host.invalid"
                                       << "5000" << 11001 << "Host not found";
    QTest::newRow("port that is no number") << "127.0.0.1"
                                            << "fics" << 10049 << "Invalid port number";
}

void ServerSocketTest::failedAttemptEndsWithClosed()
{
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(int, code);
    QFETCH(QString, description);
    ServerSocket socket;
    EventLog log(socket);
    socket.setAddress(address);
    socket.setPort(port);
    socket.connectToServer();
    QTRY_VERIFY_WITH_TIMEOUT(log.closed(), 15000);
    QCOMPARE(log.events(), (QStringList{QStringLiteral("error %1 %2").arg(code).arg(description),
                                        QStringLiteral("connected %1").arg(code), "closed 0"}));
    QCOMPARE(socket.lastError(), code);
    socket.send("dropped\n");
    QCOMPARE(int(socket.state()), int(ServerSocket::State::Closed));
}

void ServerSocketTest::serverEndsTheConnection_data()
{
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("closedEvent");
    QTest::newRow("orderly close, as after exit") << false << "closed 0";
    QTest::newRow("reset, a lost connection") << true << "closed 10054";
}

void ServerSocketTest::serverEndsTheConnection()
{
    QFETCH(bool, reset);
    QFETCH(QString, closedEvent);
    RecordingTcpServer target;
    ServerSocket socket;
    EventLog log(socket);
    socket.setAddress(QStringLiteral("localhost"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting);
    if (reset) {
        target.reset();
    } else {
        target.client()->write("bye\n\r");
        target.client()->disconnectFromHost();
    }
    QTRY_VERIFY(log.closed());
    QCOMPARE(log.events(), (QStringList{"connected 0", closedEvent}));
    if (!reset)
        QCOMPARE(log.data(), RecordingTcpServer::Greeting + "bye\n\r");
}

void ServerSocketTest::abortWhileConnectingReportsClosed()
{
    RecordingTcpServer target;
    ServerSocket socket;
    EventLog log(socket);
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    socket.abort();
    QCOMPARE(log.events(), QStringList{"closed 0"});
    QTest::qWait(100); // nothing may follow once aborted
    QCOMPARE(log.events(), QStringList{"closed 0"});
}

void ServerSocketTest::failingHandlerIsReportedAndSocketStaysUsable()
{
    RecordingTcpServer target;
    ServerSocket socket;
    EventLog log(socket);
    QSignalSpy failures(&socket, &ServerSocket::backgroundException);
    bool failOnce = true;
    connect(&socket, &ServerSocket::dataAvailable, this, [&failOnce] {
        if (std::exchange(failOnce, false))
            throw std::runtime_error("handler broke");
    });
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QTRY_COMPARE(failures.count(), 1);
    QCOMPARE(failures.first().first().toString(), QStringLiteral("handler broke"));

    target.client()->write("more\n\r");
    QTRY_VERIFY(log.data().endsWith("more\n\r"));
    socket.send("still here\n");
    QTRY_COMPARE(target.received(), QByteArray("still here\n"));
    QCOMPARE(failures.count(), 1);
}

void ServerSocketTest::eventsWaitForABusyReceiver_data()
{
    QTest::addColumn<bool>("serverCloses");
    QTest::newRow("bytes, then the close, while a box is up") << true;
    QTest::newRow("bytes alone while a box is up") << false;
}

void ServerSocketTest::eventsWaitForABusyReceiver()
{
    QFETCH(bool, serverCloses);
    RecordingTcpServer target;
    ServerSocket socket;
    QStringList order;
    bool first = true;
    connect(&socket, &ServerSocket::dataAvailable, this, [&] {
        order << "data " + QString::fromLatin1(socket.receiveAll());
        if (!std::exchange(first, false))
            return;
        // A modal box: the event loop runs on while this receiver is busy.
        order << "box shown";
        target.client()->write("more\n\r");
        QTest::qWait(200);
        target.client()->write("last\n\r");
        if (serverCloses)
            target.client()->disconnectFromHost();
        QTest::qWait(200);
        order << "box closed";
    });
    connect(&socket, &ServerSocket::sessionClosed, this,
            [&](int code) { order << QStringLiteral("closed %1").arg(code); });
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QStringList expected{"data " + RecordingTcpServer::Greeting, "box shown", "box closed",
                         "data more\n\rlast\n\r"};
    if (serverCloses)
        expected << "closed 0";
    QTRY_COMPARE(order, expected);
}

void ServerSocketTest::socksSettingsOnlyWhileClosed()
{
    RecordingTcpServer target;
    ServerSocket socket;
    QVERIFY(socket.setSocksLevel(QStringLiteral("4a")));
    QCOMPARE(int(socket.socks().level), int(SocksLevel::FourA));
    QVERIFY(!socket.setSocksLevel(QStringLiteral("6")));
    QCOMPARE(int(socket.socks().level), int(SocksLevel::FourA));
    QCOMPARE(SocksSettings::InvalidLevelMessage,
             QStringLiteral("Invalid socks level. Must be 4, 4A or 5."));

    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QTRY_VERIFY(socket.isConnected());
    QVERIFY(!socket.setSocksLevel(QStringLiteral("5")));
    SocksSettings proxy;
    proxy.server = QStringLiteral("127.0.0.1");
    QVERIFY(!socket.setSocks(proxy));
    QVERIFY(!socket.socks().isEnabled());
}

void ServerSocketTest::throughProxy_data()
{
    QTest::addColumn<int>("proxy");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("address");
    QTest::newRow("socks 4 through dante, name resolved here") << int(ProxyKind::Dante) << "4"
                                                               << "localhost";
    QTest::newRow("socks 5 through dante") << int(ProxyKind::Dante) << "5"
                                           << "127.0.0.1";
    QTest::newRow("socks 5 with user/password through dante")
        << int(ProxyKind::DanteWithPassword) << "5"
        << "127.0.0.1";
    QTest::newRow("socks 4A through ssh -D, name resolved there") << int(ProxyKind::Ssh) << "4A"
                                                                  << "localhost";
    QTest::newRow("socks 5 through ssh -D") << int(ProxyKind::Ssh) << "5"
                                            << "localhost";
}

void ServerSocketTest::throughProxy()
{
    QFETCH(int, proxy);
    QFETCH(QString, level);
    QFETCH(QString, address);
    TOLVARIS_START_PROXY(ProxyKind(proxy), running);

    RecordingTcpServer target;
    ServerSocket socket;
    EventLog log(socket);
    QVERIFY(socket.setSocks(SocksProxyLauncher::socks(
        running, level, ProxyKind(proxy) == ProxyKind::DanteWithPassword)));
    socket.setAddress(address);
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QTRY_COMPARE_WITH_TIMEOUT(log.data(), RecordingTcpServer::Greeting, 15000);
    QCOMPARE(log.events(), (QStringList{"socks connected", "connected 0"}));
    socket.send("seek 5 0\n");
    QTRY_COMPARE(target.received(), QByteArray("seek 5 0\n"));
    socket.close();
    QTRY_VERIFY(log.closed());
    QCOMPARE(log.events().last(), QStringLiteral("closed 0"));
}

void ServerSocketTest::proxyFailures_data()
{
    QTest::addColumn<int>("proxy");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("authenticate");
    QTest::addColumn<bool>("targetListens");
    QTest::addColumn<QString>("failure");
    const QString right = DantedProxy::Password;
    QTest::newRow("refused password")
        << int(ProxyKind::DanteWithPassword) << "5"
        << "wrong" << true << true << "socks error 20015 socks authentication failed";
    QTest::newRow("credentials required but not offered")
        << int(ProxyKind::DanteWithPassword) << "5" << right << false << true
        << "socks error 20003 authentification method not acceptable";
    QTest::newRow("socks 5 target refuses") << int(ProxyKind::Dante) << "5" << right << false
                                            << false << "socks error 20008 connection refused";
    QTest::newRow("socks 4 target refuses")
        << int(ProxyKind::Dante) << "4" << right << false << false
        << "socks error 20016 request rejected or failed";
}

void ServerSocketTest::proxyFailures()
{
    QFETCH(int, proxy);
    QFETCH(QString, level);
    QFETCH(QString, password);
    QFETCH(bool, authenticate);
    QFETCH(bool, targetListens);
    QFETCH(QString, failure);
    TOLVARIS_START_PROXY(ProxyKind(proxy), running);

    RecordingTcpServer target;
    ServerSocket socket;
    EventLog log(socket);
    QVERIFY(socket.setSocks(SocksProxyLauncher::socks(running, level, authenticate, password)));
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(targetListens ? target.port() : LocalPorts::freePort()));
    socket.connectToServer();
    QTRY_VERIFY_WITH_TIMEOUT(log.closed(), 15000);
    const int code = failure.section(QLatin1Char(' '), 2, 2).toInt();
    QCOMPARE(log.events(),
             (QStringList{failure, QStringLiteral("connected %1").arg(code), "closed 0"}));
    QVERIFY(target.received().isEmpty());
}

void ServerSocketTest::stalledStepTimesOut_data()
{
    QTest::addColumn<QString>("step"); // "tcp" or the answer the proxy gives before it stalls
    QTest::addColumn<bool>("throughProxy");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("failure");

    const QString connectFailure = "error 10060 " + ServerSocket::ConnectTimedOut;
    const QString proxyConnectFailure = "error 10060 " + ServerSocket::ProxyConnectTimedOut;
    const QString handshakeFailure = "socks error 10060 " + ServerSocket::HandshakeTimedOut;
    QTest::newRow("server that never completes the connect")
        << "tcp" << false << "5" << connectFailure;
    QTest::newRow("proxy that never completes the connect")
        << "tcp" << true << "5" << proxyConnectFailure;
    QTest::newRow("SOCKS 5 proxy that accepts and says nothing")
        << "" << true << "5" << handshakeFailure;
    QTest::newRow("SOCKS 5 proxy that sends half its first answer")
        << "\x05" << true << "5" << handshakeFailure;
    QTest::newRow("SOCKS 4 proxy that sends part of its reply")
        << "\x00\x5a\x00" << true << "4" << handshakeFailure;
}

void ServerSocketTest::stalledStepTimesOut()
{
    QFETCH(QString, step);
    QFETCH(bool, throughProxy);
    QFETCH(QString, level);
    QFETCH(QString, failure);

    UnansweredListener unanswered;
    QVERIFY(unanswered.port() != 0);
    StallingPeer proxy(step.toLatin1());
    const quint16 stalling = step == "tcp" ? unanswered.port() : proxy.port();

    ServerSocket socket;
    socket.setStepTimeout(std::chrono::milliseconds(300));
    EventLog log(socket);
    if (throughProxy) {
        SocksSettings socks;
        socks.server = QStringLiteral("127.0.0.1");
        socks.port = QString::number(stalling);
        socks.level = *SocksSettings::parseLevel(level);
        QVERIFY(socket.setSocks(socks));
    }
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(throughProxy ? LocalPorts::freePort() : stalling));
    socket.connectToServer();
    QTRY_VERIFY_WITH_TIMEOUT(log.closed(), 20000);
    QCOMPARE(log.events(), (QStringList{failure, "connected 10060", "closed 0"}));
}

void ServerSocketTest::abortEndsAStalledHandshakeAtOnce()
{
    StallingPeer proxy(QByteArray{});
    ServerSocket socket;
    EventLog log(socket);
    SocksSettings socks;
    socks.server = QStringLiteral("127.0.0.1");
    socks.port = QString::number(proxy.port());
    QVERIFY(socket.setSocks(socks));
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(LocalPorts::freePort()));
    socket.connectToServer();
    QTRY_COMPARE_WITH_TIMEOUT(proxy.accepted(), 1, 20000);
    QCOMPARE(socket.state(), ServerSocket::State::Connecting);

    socket.abort();
    QCOMPARE(socket.state(), ServerSocket::State::Closed);
    QCOMPARE(log.events(), QStringList{"closed 0"});
}

// A server floods while the receiver shows a modal box: the unread bytes stay bounded
// (TCP holds back the rest), and afterwards every chunk is bounded and handed over on
// its own turn of the event loop, with nothing lost or reordered.
void ServerSocketTest::floodWhileReceiverIsBusyStaysBounded()
{
    QByteArray flood(32 * 1024 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < flood.size(); ++i)
        flood[i] = char('a' + (i / 7) % 26);

    RecordingTcpServer target;
    ServerSocket socket;
    QTcpSocket* transport = socket.findChild<QTcpSocket*>();
    QVERIFY(transport);
    QByteArray received;
    bool boxShown = false;
    bool boxClosed = false;
    QElapsedTimer sinceBox;
    qint64 mostUnreadDuringBox = 0;
    qint64 serverHeldBack = 0;
    qsizetype largestChunk = 0;
    bool twoChunksInOneTurn = false;
    bool turnOpen = false;
    connect(&socket, &ServerSocket::dataAvailable, this, [&] {
        const QByteArray chunk = socket.receiveAll();
        received += chunk;
        largestChunk = qMax(largestChunk, chunk.size());
        twoChunksInOneTurn = twoChunksInOneTurn || turnOpen;
        turnOpen = true;
        QMetaObject::invokeMethod(
            this, [&] { turnOpen = false; }, Qt::QueuedConnection);
        if (std::exchange(boxShown, true))
            return;
        turnOpen = false;
        // The box: the event loop runs on while this receiver waits for the user.
        target.client()->write(flood);
        const bool filled = QTest::qWaitFor(
            [&] { return transport->bytesAvailable() >= ServerSocket::ReadBufferSize; }, 20000);
        for (int turn = 0; turn < 50; ++turn) {
            QCoreApplication::processEvents();
            mostUnreadDuringBox = qMax(mostUnreadDuringBox, transport->bytesAvailable());
        }
        serverHeldBack = filled ? target.client()->bytesToWrite() : 0;
        boxClosed = true;
        sinceBox.start();
    });
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QTRY_VERIFY_WITH_TIMEOUT(boxClosed, 30000);
    QCOMPARE(mostUnreadDuringBox, ServerSocket::ReadBufferSize);
    QVERIFY2(serverHeldBack > 0, "the whole flood was taken in while the box was up");

    QTRY_COMPARE_WITH_TIMEOUT(received.size(), RecordingTcpServer::Greeting.size() + flood.size(),
                              30000);
    qInfo("32 MB handed over in %lld ms after the box closed, at most %lld bytes unread "
          "while it was up",
          static_cast<long long>(sinceBox.elapsed()), static_cast<long long>(mostUnreadDuringBox));
    QVERIFY(received == RecordingTcpServer::Greeting + flood);
    QVERIFY(largestChunk <= ServerSocket::MaxChunk);
    QVERIFY(!twoChunksInOneTurn);
}

void ServerSocketTest::pacedSocketGathersChunksUntilItsTurn_data()
{
    QTest::addColumn<QString>("whileHeld");

    QTest::newRow("small chunks wait for the turn") << "chunks";
    QTest::newRow("a burst wakes the socket at once") << "burst";
    QTest::newRow("the close wakes the socket at once") << "close";
    QTest::newRow("the answer to a command is read as it comes") << "command";
    QTest::newRow("a stream is read as it comes") << "stream";
    QTest::newRow("a trickle that gathered much waits again") << "gathered";
}

void ServerSocketTest::pacedSocketGathersChunksUntilItsTurn()
{
    QFETCH(QString, whileHeld);

    RecordingTcpServer target;
    ServerSocket socket;
    EventLog log(socket);
    QSignalSpy reads(&socket, &ServerSocket::dataAvailable);
    std::function<void()> turn;
    socket.setReadPace([&](std::function<void()> next) { turn = std::move(next); });
    socket.setAddress(QStringLiteral("127.0.0.1"));
    socket.setPort(QString::number(target.port()));
    socket.connectToServer();
    QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting);
    QVERIFY(turn); // the first read holds the socket until its turn
    reads.clear();

    QByteArray sent;
    if (whileHeld == "command") {
        socket.send("who\n");
        QTRY_COMPARE(target.received(), QByteArray("who\n"));
        sent = "0 players displayed.\n\r";
        target.client()->write(sent);
        QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting + sent);
        return;
    }
    if (whileHeld == "stream") {
        std::exchange(turn, {})();
        sent = QByteArray(4 * ServerSocket::TrickleBytes, 's');
        target.client()->write(sent);
        QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting + sent);
        QVERIFY(!turn); // nothing held back after a stream's read
        target.client()->write("x\n\r");
        QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting + sent + "x\n\r");
        QVERIFY(!turn); // nor after its short tail
        target.client()->write("y\n\r");
        QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting + sent + "x\n\ry\n\r");
        QVERIFY(turn); // the second small read in a row is a trickle again
        return;
    }
    if (whileHeld == "gathered") {
        // More than a stream's read gathers in small chunks while the socket waits.
        for (int i = 0; i < 6; ++i) {
            const QByteArray chunk = QByteArray(ServerSocket::TrickleBytes / 4, 'g') + "\n\r";
            target.client()->write(chunk);
            target.client()->flush();
            sent += chunk;
        }
        QTest::qWait(100);
        QCOMPARE(log.data(), RecordingTcpServer::Greeting);
        std::exchange(turn, {})();
        QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting + sent);
        // The next small chunk comes as the trickle goes on: after it, the socket waits.
        target.client()->write("z\n\r");
        QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting + sent + "z\n\r");
        QVERIFY(turn);
        return;
    }
    if (whileHeld == "burst") {
        sent = QByteArray(ServerSocket::HeldLowWater, 'x');
        target.client()->write(sent);
        QTRY_COMPARE(log.data().size(), RecordingTcpServer::Greeting.size() + sent.size());
        return;
    }
    for (int i = 0; i < 5; ++i) {
        const QByteArray chunk = "line " + QByteArray::number(i) + "\n\r";
        target.client()->write(chunk);
        target.client()->flush();
        sent += chunk;
        QTest::qWait(20);
    }
    if (whileHeld == "close") {
        target.client()->disconnectFromHost();
        QTRY_VERIFY(log.closed());
        QCOMPARE(log.data(), RecordingTcpServer::Greeting + sent);
        return;
    }
    QTest::qWait(100);
    QCOMPARE(reads.count(), 0);
    QCOMPARE(log.data(), RecordingTcpServer::Greeting);
    std::exchange(turn, {})();
    QTRY_COMPARE(log.data(), RecordingTcpServer::Greeting + sent);
    QCOMPARE(reads.count(), 1);
    QVERIFY(turn); // and holds again
}

QTEST_GUILESS_MAIN(ServerSocketTest)
#include "ServerSocketTest.moc"
