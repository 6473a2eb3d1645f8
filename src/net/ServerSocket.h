#pragma once

#include "net/SocksNegotiator.h"
#include "net/SocksSettings.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QTcpSocket;
class QHostInfo;
class QTimer;

// The one connection to the chess server, directly or through a SOCKS 4, 4A or 5
// proxy (our own negotiation). Raw mode: received bytes are handed on as they come.
//
// Events: sessionConnected(code) ends every attempt; a failed attempt (code != 0) is
// followed at once by sessionClosed(0). sessionClosed carries 0 after close(), abort()
// or the server's orderly close, and an error number when the connection broke.
// A failure thrown by a receiver of one of these events is caught and reported as
// backgroundException; the socket stays usable. Events never overlap: one that comes
// up while a receiver is still busy (showing a modal box) is delivered after it.
//
// A flooding server cannot freeze the window or fill the memory: the socket keeps at
// most ReadBufferSize bytes unread (TCP holds back the rest while a box is up), and
// receiveAll() hands over at most MaxChunk bytes; what is left is announced again on
// the next turn of the event loop. The connect step (name lookup and TCP) and the SOCKS
// handshake each fail after stepTimeout().
class ServerSocket : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Closed,
        Connecting,
        Connected
    };

    static constexpr qint64 ReadBufferSize = 64 * 1024;
    static constexpr qsizetype MaxChunk = 64 * 1024;
    static constexpr std::chrono::milliseconds DefaultStepTimeout{30000};
    static inline const QString ConnectTimedOut =
        QStringLiteral("Connection to the server timed out");
    static inline const QString ProxyConnectTimedOut =
        QStringLiteral("Connection to the SOCKS proxy timed out");
    static inline const QString HandshakeTimedOut =
        QStringLiteral("SOCKS proxy handshake timed out");

    explicit ServerSocket(QObject* parent = nullptr);
    ~ServerSocket() override;

    void setAddress(const QString& address) { m_address = address; }
    void setPort(const QString& port) { m_port = port; }
    QString address() const { return m_address; }
    QString port() const { return m_port; }

    // The proxy settings may only change while the socket is closed; false when refused.
    bool setSocks(const SocksSettings& settings);
    // Refuses anything but "4", "4A"/"4a" or "5" (SocksSettings::InvalidLevelMessage).
    bool setSocksLevel(const QString& level);
    const SocksSettings& socks() const { return m_socks; }

    // How long the connect step and the SOCKS handshake may take each.
    void setStepTimeout(std::chrono::milliseconds timeout) { m_stepTimeout = timeout; }
    std::chrono::milliseconds stepTimeout() const { return m_stepTimeout; }

    void connectToServer();
    void close();
    void abort();
    void send(const QByteArray& bytes);
    // Everything received and not yet read, up to MaxChunk bytes.
    QByteArray receiveAll();

    // Reading at a pace: after a small read the socket holds off until `awaitTurn` calls
    // back (the window wires the screen's frames), and the system gathers what comes
    // meanwhile, so a trickle of small chunks costs one wake-up a turn instead of one a
    // chunk. A burst of HeldLowWater bytes, the close and errors still wake the socket
    // at once, and so does the answer to what the user sends; a read of TrickleBytes or
    // more (a stream) holds nothing back, nor does the small read right after it (the
    // stream's tail, or a sender that waits for each window to be read and sent a short
    // one). What gathered while the socket held off tells nothing of a stream however
    // much it is: the read after it decides. Without a pace every chunk is read as it
    // comes.
    using AwaitTurn = std::function<void(std::function<void()> turn)>;
    void setReadPace(AwaitTurn awaitTurn) { m_awaitTurn = std::move(awaitTurn); }
    static constexpr int HeldLowWater = 16 * 1024;
    // Reads smaller than this, one after the other, are a trickle: after the second
    // the socket waits for its turn.
    static constexpr qint64 TrickleBytes = 2 * 1024;

    State state() const;
    bool isConnected() const { return m_phase == Phase::Connected; }
    int lastError() const { return m_lastError; }

Q_SIGNALS:
    void sessionConnected(int errorCode);
    void dataAvailable(int errorCode);
    void sessionClosed(int errorCode);
    void errorOccurred(int errorCode, const QString& description);
    void socksConnected();
    void socksError(int errorCode, const QString& message);
    void backgroundException(const QString& message);

private:
    enum class Phase
    {
        Closed,
        Resolving,
        Connecting,
        Negotiating,
        Announcing, // connected; the SOCKS success is being reported
        Connected,
        Closing
    };

    void onTcpConnected();
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void onDisconnected();
    void onHostResolved(const QHostInfo& info);
    void openTcp(const QString& host, quint16 port);
    void applyNegotiation(const SocksNegotiator::Step& step);
    void becomeConnected(const QByteArray& leftover);
    void reportSocketFailure(int code, const QString& platformText);
    void reportSocksFailure(int code, const QString& message);
    void endAttempt(int code, std::function<void()> report);
    void announceData();
    void announceAndFollowUp();
    void scheduleMoreData();
    bool hasUnreadData() const;
    void startStep(Phase phase);
    void stepTimedOut();
    void resetTransport();
    void finishClosed(int code);
    bool peerResetConnection() const;
    void deliver(std::function<void()> event);
    void holdReading();
    void resumeReading();
    void setLowWater(int bytes);
    qint64 bytesWaitingInSystem() const;

    QTcpSocket* m_socket;
    QTimer* m_stepTimer;
    std::chrono::milliseconds m_stepTimeout = DefaultStepTimeout;
    SocksSettings m_socks;
    QString m_address;
    QString m_port;
    QHostAddress m_resolved;
    Phase m_phase = Phase::Closed;
    int m_lastError = 0;
    int m_closeCode = 0;
    int m_lookupId = -1;
    int m_watchDescriptor = -1; // a duplicate that outlives Qt's to tell a reset from a close
    QByteArray m_received;
    QList<std::function<void()>> m_events;
    bool m_delivering = false;
    bool m_dataAnnounced = false;
    bool m_moreScheduled = false;
    quint64 m_reads = 0; // receiveAll() calls, to see whether a receiver has read
    std::unique_ptr<SocksNegotiator> m_negotiator;
    AwaitTurn m_awaitTurn;
    bool m_readingHeld = false;
    bool m_lastReadSmall = true;       // a connection starts as a trickle: a greeting, a prompt
    bool m_turnBringsGathered = false; // the next read is what gathered while held
};
