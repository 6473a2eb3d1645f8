#include "net/ServerSocket.h"

#include "net/SocketErrorText.h"
#include "net/SocksNegotiator.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QTcpSocket>
#include <QTimer>

#include <exception>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

constexpr int InvalidPort = 10049;

std::optional<quint16> parsePort(const QString& text)
{
    bool ok = false;
    const quint16 port = text.trimmed().toUShort(&ok);
    if (!ok || port == 0)
        return std::nullopt;
    return port;
}

} // namespace

ServerSocket::ServerSocket(QObject* parent)
    : QObject(parent), m_socket(new QTcpSocket(this)), m_stepTimer(new QTimer(this))
{
    m_socket->setReadBufferSize(ReadBufferSize);
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, &ServerSocket::stepTimedOut);
    connect(m_socket, &QTcpSocket::connected, this, &ServerSocket::onTcpConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &ServerSocket::onReadyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &ServerSocket::onSocketError);
    connect(m_socket, &QTcpSocket::disconnected, this, &ServerSocket::onDisconnected);
}

ServerSocket::~ServerSocket()
{
    m_phase = Phase::Closed;
    resetTransport();
}

bool ServerSocket::setSocks(const SocksSettings& settings)
{
    if (m_phase != Phase::Closed)
        return false;
    m_socks = settings;
    return true;
}

bool ServerSocket::setSocksLevel(const QString& level)
{
    const auto parsed = SocksSettings::parseLevel(level);
    if (!parsed || m_phase != Phase::Closed)
        return false;
    m_socks.level = *parsed;
    return true;
}

ServerSocket::State ServerSocket::state() const
{
    switch (m_phase) {
    case Phase::Closed:
        return State::Closed;
    case Phase::Connected:
    case Phase::Closing:
        return State::Connected;
    default:
        return State::Connecting;
    }
}

void ServerSocket::connectToServer()
{
    if (m_phase != Phase::Closed) {
        m_phase = Phase::Closed;
        resetTransport();
    }
    m_received.clear();
    m_lastError = 0;
    m_closeCode = 0;
    m_resolved.clear();

    const auto serverPort = parsePort(m_port);
    const auto proxyPort = parsePort(m_socks.port);
    if (!serverPort || (m_socks.isEnabled() && !proxyPort)) {
        m_phase = Phase::Connecting;
        reportSocketFailure(InvalidPort, tr("Invalid port number"));
        return;
    }
    if (!m_socks.isEnabled()) {
        openTcp(m_address.trimmed(), *serverPort);
        return;
    }
    const QHostAddress literal(m_address.trimmed());
    if (m_socks.level != SocksLevel::Four || literal.protocol() == QAbstractSocket::IPv4Protocol) {
        m_resolved = literal;
        openTcp(m_socks.server.trimmed(), *proxyPort);
        return;
    }
    // SOCKS 4 carries an IPv4 address: the client resolves the server name itself.
    startStep(Phase::Resolving);
    m_lookupId = QHostInfo::lookupHost(m_address.trimmed(), this, &ServerSocket::onHostResolved);
}

void ServerSocket::onHostResolved(const QHostInfo& info)
{
    m_lookupId = -1;
    if (m_phase != Phase::Resolving)
        return;
    for (const QHostAddress& candidate : info.addresses()) {
        if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
            m_resolved = candidate;
            openTcp(m_socks.server.trimmed(), *parsePort(m_socks.port));
            return;
        }
    }
    reportSocketFailure(SocketErrorText::HostNotFound, info.errorString());
}

void ServerSocket::openTcp(const QString& host, quint16 port)
{
    // The lookup before a SOCKS 4 connection already runs the connect step's clock.
    if (m_phase == Phase::Resolving)
        m_phase = Phase::Connecting;
    else
        startStep(Phase::Connecting);
    m_socket->connectToHost(host, port);
}

void ServerSocket::startStep(Phase phase)
{
    m_phase = phase;
    m_stepTimer->start(m_stepTimeout);
}

// A proxy or server that accepts and then says nothing must not hold the user forever.
void ServerSocket::stepTimedOut()
{
    switch (m_phase) {
    case Phase::Resolving:
    case Phase::Connecting: {
        const QString step = m_socks.isEnabled() ? ProxyConnectTimedOut : ConnectTimedOut;
        endAttempt(SocketErrorText::TimedOut,
                   [this, step] { Q_EMIT errorOccurred(SocketErrorText::TimedOut, step); });
        return;
    }
    case Phase::Negotiating:
        reportSocksFailure(SocketErrorText::TimedOut, HandshakeTimedOut);
        return;
    default:
        return;
    }
}

void ServerSocket::onTcpConnected()
{
    if (m_phase != Phase::Connecting)
        return;
#ifdef Q_OS_LINUX
    m_watchDescriptor = ::dup(int(m_socket->socketDescriptor()));
#endif
    if (!m_socks.isEnabled()) {
        becomeConnected({});
        return;
    }
    startStep(Phase::Negotiating);
    m_negotiator = std::make_unique<SocksNegotiator>(m_socks, m_address.trimmed(),
                                                     *parsePort(m_port), m_resolved);
    applyNegotiation(m_negotiator->start());
}

void ServerSocket::onReadyRead()
{
    if (m_phase == Phase::Negotiating)
        applyNegotiation(m_negotiator->feed(m_socket->read(MaxChunk)));
    else if (m_phase == Phase::Connected) {
        const qint64 arrived = m_socket->bytesAvailable();
        announceAndFollowUp();
        // A stream (a long list, a flood) is read as it comes, its short tail too; a
        // trickle waits its turn. A trickle's turn brings what gathered, often more than
        // a stream's read: the read after it tells which it is.
        const bool small = arrived < TrickleBytes;
        const bool gathered = std::exchange(m_turnBringsGathered, false);
        if (std::exchange(m_lastReadSmall, small || gathered) && small)
            holdReading();
    }
}

void ServerSocket::holdReading()
{
    if (!m_awaitTurn || m_readingHeld || m_phase != Phase::Connected)
        return;
    m_readingHeld = true;
    setLowWater(HeldLowWater);
    m_awaitTurn([this] { resumeReading(); });
}

// What gathered meanwhile wakes the socket on the next turn of the event loop.
void ServerSocket::resumeReading()
{
    if (!std::exchange(m_readingHeld, false))
        return;
    if (m_phase == Phase::Connected || m_phase == Phase::Closing) {
        m_turnBringsGathered = bytesWaitingInSystem() > 0;
        setLowWater(1);
    }
}

// Bytes the system holds for the socket that Qt has not read yet.
qint64 ServerSocket::bytesWaitingInSystem() const
{
    int waiting = 0;
#ifdef Q_OS_LINUX
    const qintptr descriptor = m_socket->socketDescriptor();
    if (descriptor == -1 || ::ioctl(int(descriptor), FIONREAD, &waiting) != 0)
        waiting = 0;
#endif
    return waiting;
}

// The system's low-water mark for reading: the socket is reported readable once this
// many bytes wait, or at the close or an error whatever the mark.
void ServerSocket::setLowWater(int bytes)
{
#ifdef Q_OS_LINUX
    const qintptr descriptor = m_socket->socketDescriptor();
    if (descriptor != -1)
        ::setsockopt(int(descriptor), SOL_SOCKET, SO_RCVLOWAT, &bytes, sizeof(bytes));
#else
    Q_UNUSED(bytes);
#endif
}

// Qt does not repeat readyRead for bytes that came while a receiver was busy inside it
// (a modal box): once the receiver has read, what is left is announced again.
void ServerSocket::announceAndFollowUp()
{
    const quint64 readsBefore = m_reads;
    announceData();
    if (m_reads != readsBefore)
        scheduleMoreData();
}

// On the next turn of the event loop, so that the window is drawn and the user's
// input handled between two chunks of a flood.
void ServerSocket::scheduleMoreData()
{
    if (m_moreScheduled || !hasUnreadData())
        return;
    m_moreScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_moreScheduled = false;
            if (hasUnreadData())
                announceAndFollowUp();
        },
        Qt::QueuedConnection);
}

bool ServerSocket::hasUnreadData() const
{
    if (m_phase == Phase::Connected || m_phase == Phase::Closing)
        return !m_received.isEmpty() || m_socket->bytesAvailable() > 0;
    return false;
}

// One announcement covers everything that arrives until a receiver reads it; bytes that
// came with the close are announced even after it.
void ServerSocket::announceData()
{
    if (std::exchange(m_dataAnnounced, true))
        return;
    deliver([this] {
        m_dataAnnounced = false;
        if (m_phase == Phase::Connected || !m_received.isEmpty())
            Q_EMIT dataAvailable(0);
    });
}

void ServerSocket::applyNegotiation(const SocksNegotiator::Step& step)
{
    switch (step.outcome) {
    case SocksNegotiator::Outcome::Continue:
        if (!step.toSend.isEmpty())
            m_socket->write(step.toSend);
        return;
    case SocksNegotiator::Outcome::Connected:
        m_negotiator.reset();
        becomeConnected(step.leftover);
        return;
    case SocksNegotiator::Outcome::Failed:
        reportSocksFailure(step.errorCode, step.message);
        return;
    }
}

void ServerSocket::becomeConnected(const QByteArray& leftover)
{
    m_stepTimer->stop();
    m_received += leftover;
    // While the SOCKS box is up the server's first bytes wait: the session starts first.
    m_phase = Phase::Announcing;
    if (m_socks.isEnabled())
        deliver([this] { Q_EMIT socksConnected(); });
    deliver([this] {
        if (m_phase != Phase::Announcing)
            return;
        m_phase = Phase::Connected;
        Q_EMIT sessionConnected(0);
    });
    if (!m_received.isEmpty() || m_socket->bytesAvailable() > 0)
        announceData();
}

void ServerSocket::onSocketError(QAbstractSocket::SocketError error)
{
    const QString platformText = m_socket->errorString();
    const int code = SocketErrorText::code(error, platformText);
    switch (m_phase) {
    case Phase::Connecting:
    case Phase::Announcing:
        reportSocketFailure(code, platformText);
        return;
    case Phase::Negotiating:
        reportSocksFailure(code, QStringLiteral("data receive error"));
        return;
    case Phase::Connected:
        m_lastError = code;
        if (error == QAbstractSocket::RemoteHostClosedError && !peerResetConnection())
            m_closeCode = 0;
        else
            m_closeCode = code;
        if (error == QAbstractSocket::RemoteHostClosedError)
            return;
        // Qt reports the error before it drops the connection: an error that ends the
        // connection reaches the user through the closed event alone.
        QMetaObject::invokeMethod(
            this,
            [this, code, platformText] {
                if (m_phase != Phase::Connected)
                    return;
                if (m_socket->state() == QAbstractSocket::UnconnectedState) {
                    finishClosed(m_closeCode);
                    return;
                }
                deliver([this, code, platformText] {
                    Q_EMIT errorOccurred(code, SocketErrorText::describe(code, platformText));
                });
            },
            Qt::QueuedConnection);
        return;
    default:
        return;
    }
}

void ServerSocket::onDisconnected()
{
    if (m_phase == Phase::Connected || m_phase == Phase::Closing)
        finishClosed(m_closeCode);
}

void ServerSocket::reportSocketFailure(int code, const QString& platformText)
{
    endAttempt(code, [this, code, platformText] {
        Q_EMIT errorOccurred(code, SocketErrorText::describe(code, platformText));
    });
}

void ServerSocket::reportSocksFailure(int code, const QString& message)
{
    endAttempt(code, [this, code, message] { Q_EMIT socksError(code, message); });
}

// The attempt is over before anybody hears of it, so that nothing the proxy or the
// server does while a message is shown can count as a second failure.
void ServerSocket::endAttempt(int code, std::function<void()> report)
{
    m_lastError = code;
    m_phase = Phase::Closed;
    resetTransport();
    deliver(std::move(report));
    deliver([this, code] { Q_EMIT sessionConnected(code); });
    deliver([this] { Q_EMIT sessionClosed(0); });
}

void ServerSocket::close()
{
    switch (m_phase) {
    case Phase::Closed:
    case Phase::Closing:
        return;
    case Phase::Connected:
        m_phase = Phase::Closing;
        m_closeCode = 0;
        // Handed to the system now: the program may end right after closing ("exit").
        m_socket->flush();
        m_socket->disconnectFromHost();
        if (m_phase == Phase::Closing && m_socket->state() == QAbstractSocket::UnconnectedState)
            finishClosed(0);
        return;
    default:
        abort();
    }
}

void ServerSocket::abort()
{
    if (m_phase == Phase::Closed)
        return;
    m_phase = Phase::Closed;
    resetTransport();
    deliver([this] { Q_EMIT sessionClosed(0); });
}

void ServerSocket::send(const QByteArray& bytes)
{
    if (m_phase != Phase::Connected || bytes.isEmpty())
        return;
    // The user waits for the answer: it is read as it comes.
    resumeReading();
    if (m_socket->write(bytes) < 0) {
        const QString platformText = m_socket->errorString();
        const int code = SocketErrorText::code(m_socket->error(), platformText);
        m_lastError = code;
        deliver([this, code, platformText] {
            Q_EMIT errorOccurred(code, SocketErrorText::describe(code, platformText));
        });
    }
}

QByteArray ServerSocket::receiveAll()
{
    ++m_reads;
    // What was kept aside (the proxy's last bytes, the rest at a close) is bounded by the
    // read buffer already.
    QByteArray bytes = std::exchange(m_received, {});
    if (m_phase == Phase::Connected || m_phase == Phase::Closing) {
        if (bytes.size() < MaxChunk)
            bytes += m_socket->read(MaxChunk - bytes.size());
        scheduleMoreData();
    }
    return bytes;
}

void ServerSocket::finishClosed(int code)
{
    // Bytes that arrived together with the close are announced before it.
    m_received += m_socket->readAll();
    if (!m_received.isEmpty())
        announceData();
    m_phase = Phase::Closed;
    resetTransport();
    deliver([this, code] { Q_EMIT sessionClosed(code); });
}

void ServerSocket::resetTransport()
{
    m_stepTimer->stop();
    m_readingHeld = false; // the next connection's socket starts with the system's mark
    m_lastReadSmall = true;
    m_turnBringsGathered = false;
    if (m_lookupId != -1) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    m_negotiator.reset();
#ifdef Q_OS_LINUX
    if (m_watchDescriptor != -1) {
        ::close(m_watchDescriptor);
        m_watchDescriptor = -1;
    }
#endif
    m_socket->abort();
}

bool ServerSocket::peerResetConnection() const
{
#ifdef Q_OS_LINUX
    if (m_watchDescriptor == -1)
        return false;
    tcp_info info{};
    socklen_t length = sizeof(info);
    if (::getsockopt(m_watchDescriptor, IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        return false;
    // An orderly close leaves our side waiting to close; a reset ends the connection.
    return info.tcpi_state == TCP_CLOSE;
#else
    return false;
#endif
}

void ServerSocket::deliver(std::function<void()> event)
{
    m_events.append(std::move(event));
    if (m_delivering)
        return; // a receiver is still busy (a modal box): this event waits its turn
    m_delivering = true;
    while (!m_events.isEmpty()) {
        const std::function<void()> next = m_events.takeFirst();
        try {
            next();
        } catch (const std::exception& failure) {
            Q_EMIT backgroundException(QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            Q_EMIT backgroundException(tr("unknown failure"));
        }
    }
    m_delivering = false;
}
