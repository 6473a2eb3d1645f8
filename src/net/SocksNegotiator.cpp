#include "net/SocksNegotiator.h"

namespace {

constexpr char Socks4Version = 4;
constexpr char Socks5Version = 5;
constexpr char ConnectCommand = 1;
constexpr char NoAuthentication = 0x00;
constexpr char UserPassword = 0x02;
constexpr char DomainName = 0x03;
constexpr unsigned char Socks4Granted = 90;
constexpr int MaxFieldLength = 255;

// Texts of SOCKS 5 reply codes 1 to 8, numbered from 20004 on.
const char* const Socks5ReplyTexts[] = {
    "general SOCKS server failure", "connection not allowed by ruleset",
    "network unreachable",          "host unreachable",
    "connection refused",           "time to live expired",
    "command not supported",        "address type not supported",
};

void appendPort(QByteArray& out, quint16 port)
{
    out += char(port >> 8);
    out += char(port & 0xff);
}

bool appendCounted(QByteArray& out, const QByteArray& field)
{
    if (field.size() > MaxFieldLength)
        return false;
    out += char(field.size());
    out += field;
    return true;
}

} // namespace

SocksNegotiator::SocksNegotiator(const SocksSettings& settings, const QString& host, quint16 port,
                                 const QHostAddress& resolvedAddress)
    : m_settings(settings), m_host(host.toUtf8()), m_port(port), m_address(resolvedAddress)
{
}

SocksNegotiator::Step SocksNegotiator::start()
{
    m_buffer.clear();
    if (m_settings.level == SocksLevel::Five) {
        m_phase = Phase::MethodReply;
        return socks5Greeting();
    }
    m_phase = Phase::Socks4Reply;
    return socks4Request();
}

SocksNegotiator::Step SocksNegotiator::feed(const QByteArray& data)
{
    m_buffer += data;
    switch (m_phase) {
    case Phase::Socks4Reply:
        return readSocks4Reply();
    case Phase::MethodReply:
        return readMethodReply();
    case Phase::AuthReply:
        return readAuthReply();
    case Phase::Socks5Reply:
        return readSocks5Reply();
    case Phase::Idle:
    case Phase::Done:
        break;
    }
    return fail(LogicError, QStringLiteral("TWSocket logic error"));
}

SocksNegotiator::Step SocksNegotiator::socks4Request() const
{
    QByteArray out;
    out += Socks4Version;
    out += ConnectCommand;
    appendPort(out, m_port);
    const bool byName = m_settings.level == SocksLevel::FourA;
    const quint32 ip = byName ? 1u : m_address.toIPv4Address();
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((ip >> shift) & 0xff);
    out += m_settings.userCode.toUtf8();
    out += '\0';
    if (byName) {
        out += m_host;
        out += '\0';
    }
    return {Outcome::Continue, out};
}

SocksNegotiator::Step SocksNegotiator::socks5Greeting() const
{
    QByteArray out;
    out += Socks5Version;
    if (m_settings.authenticate) {
        out += char(2);
        out += NoAuthentication;
        out += UserPassword;
    } else {
        out += char(1);
        out += NoAuthentication;
    }
    return {Outcome::Continue, out};
}

SocksNegotiator::Step SocksNegotiator::authRequest() const
{
    QByteArray out;
    out += char(1); // sub-negotiation version
    if (!appendCounted(out, m_settings.userCode.toUtf8()) ||
        !appendCounted(out, m_settings.password.toUtf8()))
        return {Outcome::Failed, {}, {}, InternalError, QStringLiteral("internal error")};
    return {Outcome::Continue, out};
}

SocksNegotiator::Step SocksNegotiator::socks5Request() const
{
    QByteArray out;
    out += Socks5Version;
    out += ConnectCommand;
    out += char(0);
    out += DomainName;
    if (m_host.isEmpty() || !appendCounted(out, m_host))
        return {Outcome::Failed, {}, {}, InternalError, QStringLiteral("internal error")};
    appendPort(out, m_port);
    return {Outcome::Continue, out};
}

SocksNegotiator::Step SocksNegotiator::readSocks4Reply()
{
    if (m_buffer.size() < 8)
        return {};
    const auto version = static_cast<unsigned char>(m_buffer[0]);
    const auto status = static_cast<unsigned char>(m_buffer[1]);
    if (version != 0 && version != 4)
        return fail(VersionError, QStringLiteral("socks version error"));
    switch (status) {
    case Socks4Granted: {
        m_phase = Phase::Done;
        Step step{Outcome::Connected};
        step.leftover = m_buffer.mid(8);
        m_buffer.clear();
        return step;
    }
    case 91:
        return fail(RequestRejected, QStringLiteral("request rejected or failed"));
    case 92:
        return fail(ConnectionRefused, QStringLiteral("connection refused"));
    case 93:
        return fail(AuthenticationFailed, QStringLiteral("authentification failed"));
    default:
        return fail(UnassignedError, QStringLiteral("unassigned error #%1").arg(status));
    }
}

SocksNegotiator::Step SocksNegotiator::readMethodReply()
{
    if (m_buffer.size() < 2)
        return {};
    if (m_buffer.size() > 2)
        return fail(LogicError, QStringLiteral("too much data availaible"));
    if (m_buffer[0] != Socks5Version)
        return fail(VersionError, QStringLiteral("socks version error"));
    const char method = m_buffer[1];
    m_buffer.clear();
    if (method == NoAuthentication) {
        m_phase = Phase::Socks5Reply;
        return socks5Request();
    }
    if (method == UserPassword && m_settings.authenticate) {
        m_phase = Phase::AuthReply;
        return authRequest();
    }
    return fail(MethodNotAcceptable, QStringLiteral("authentification method not acceptable"));
}

SocksNegotiator::Step SocksNegotiator::readAuthReply()
{
    if (m_buffer.size() < 2)
        return {};
    if (m_buffer.size() > 2)
        return fail(LogicError, QStringLiteral("too much data availaible"));
    // RFC 1929 names version 1; some proxies answer with the SOCKS version instead.
    if (m_buffer[0] != char(1) && m_buffer[0] != Socks5Version)
        return fail(VersionError, QStringLiteral("socks version error"));
    if (m_buffer[1] != char(0))
        return fail(AuthenticationFailed, QStringLiteral("socks authentication failed"));
    m_buffer.clear();
    m_phase = Phase::Socks5Reply;
    return socks5Request();
}

SocksNegotiator::Step SocksNegotiator::readSocks5Reply()
{
    if (m_buffer.size() < 2)
        return {};
    if (m_buffer[0] != Socks5Version)
        return fail(VersionError, QStringLiteral("socks version error"));
    const auto reply = static_cast<unsigned char>(m_buffer[1]);
    if (reply >= 1 && reply <= 8)
        return fail(GeneralFailure + reply - 1, QString::fromLatin1(Socks5ReplyTexts[reply - 1]));
    if (reply != 0)
        return fail(UnassignedError, QStringLiteral("unassigned error #%1").arg(reply));
    if (m_buffer.size() < 5)
        return {};
    int addressLength = 0;
    switch (m_buffer[3]) {
    case 0x01:
        addressLength = 4;
        break;
    case 0x03:
        addressLength = 1 + static_cast<unsigned char>(m_buffer[4]);
        break;
    case 0x04:
        addressLength = 16;
        break;
    default:
        return fail(AddressTypeNotSupported, QStringLiteral("address type not supported"));
    }
    const int replyLength = 4 + addressLength + 2;
    if (m_buffer.size() < replyLength)
        return {};
    m_phase = Phase::Done;
    Step step{Outcome::Connected};
    step.leftover = m_buffer.mid(replyLength);
    m_buffer.clear();
    return step;
}

SocksNegotiator::Step SocksNegotiator::fail(int code, const QString& message)
{
    m_phase = Phase::Done;
    m_buffer.clear();
    return {Outcome::Failed, {}, {}, code, message};
}
