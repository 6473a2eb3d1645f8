#pragma once

#include "net/SocksSettings.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>

// The client side of a SOCKS 4, 4A or 5 CONNECT, as a state machine over bytes:
// it owns no socket. start() gives the first request; each chunk the proxy sends is
// fed in and answered with the next request, success (plus any bytes that already
// belong to the server's stream) or a failure with its number and message.
//
// SOCKS 4:  -> 04 01 PORT IPv4 USERID 00            <- 00 CD PORT IPv4 (CD 90 = granted)
// SOCKS 4A: -> 04 01 PORT 0.0.0.1 USERID 00 HOST 00  <- as SOCKS 4
// SOCKS 5:  -> 05 n METHODS                          <- 05 METHOD
//           [-> 01 ULEN USER PLEN PASS               <- 01 STATUS]   (RFC 1929)
//           -> 05 01 00 03 LEN HOST PORT             <- 05 REP 00 ATYP ADDR PORT
class SocksNegotiator
{
public:
    enum class Outcome
    {
        Continue,
        Connected,
        Failed
    };

    struct Step
    {
        Outcome outcome = Outcome::Continue;
        QByteArray toSend;
        QByteArray leftover; // server bytes that followed the proxy's final answer
        int errorCode = 0;
        QString message;
    };

    // Numbers and messages of the negotiation failures.
    enum ErrorCode
    {
        LogicError = 20001,
        VersionError = 20002,
        MethodNotAcceptable = 20003,
        GeneralFailure = 20004,
        ConnectionRefused = 20008,
        AddressTypeNotSupported = 20011,
        UnassignedError = 20012,
        InternalError = 20013,
        AuthenticationFailed = 20015,
        RequestRejected = 20016,
    };

    // For level 4 the caller passes the server's IPv4 address, resolved beforehand.
    SocksNegotiator(const SocksSettings& settings, const QString& host, quint16 port,
                    const QHostAddress& resolvedAddress = {});

    Step start();
    Step feed(const QByteArray& data);

private:
    enum class Phase
    {
        Idle,
        Socks4Reply,
        MethodReply,
        AuthReply,
        Socks5Reply,
        Done
    };

    Step socks4Request() const;
    Step socks5Greeting() const;
    Step socks5Request() const;
    Step authRequest() const;
    Step readSocks4Reply();
    Step readMethodReply();
    Step readAuthReply();
    Step readSocks5Reply();
    Step fail(int code, const QString& message);

    SocksSettings m_settings;
    QByteArray m_host;
    quint16 m_port;
    QHostAddress m_address;
    Phase m_phase = Phase::Idle;
    QByteArray m_buffer;
};
