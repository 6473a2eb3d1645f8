#include "net/SocketErrorText.h"

#include <array>
#include <utility>

namespace SocketErrorText {

namespace {

// Numbers without a Windows Sockets counterpart are placed above the SOCKS range.
constexpr int UnmappedBase = 30000;

const std::array<std::pair<int, const char*>, 4> FixedTexts{{
    {TimedOut, "Connection timed out"},
    {ConnectionRefused, "Connection refused"},
    {NoRouteToHost, "No route to host"},
    {HostNotFound, "Host not found"},
}};

int networkErrorCode(const QString& platformText)
{
    if (platformText.contains(QLatin1String("Host unreachable"), Qt::CaseInsensitive) ||
        platformText.contains(QLatin1String("No route"), Qt::CaseInsensitive))
        return NoRouteToHost;
    if (platformText.contains(QLatin1String("Network unreachable"), Qt::CaseInsensitive))
        return 10051;
    if (platformText.contains(QLatin1String("timed out"), Qt::CaseInsensitive))
        return TimedOut;
    return 10050;
}

} // namespace

int code(QAbstractSocket::SocketError error, const QString& platformText)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return ConnectionRefused;
    case QAbstractSocket::RemoteHostClosedError:
        return ConnectionReset;
    case QAbstractSocket::HostNotFoundError:
        return HostNotFound;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketResourceError:
        return 10055;
    case QAbstractSocket::SocketTimeoutError:
        return TimedOut;
    case QAbstractSocket::DatagramTooLargeError:
        return 10040;
    case QAbstractSocket::NetworkError:
        return networkErrorCode(platformText);
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    default:
        return UnmappedBase + (int(error) < 0 ? 99 : int(error));
    }
}

QString describe(int code, const QString& platformText)
{
    for (const auto& [number, text] : FixedTexts) {
        if (number == code)
            return QString::fromLatin1(text);
    }
    if (!platformText.isEmpty())
        return platformText;
    return QStringLiteral("Not a WinSock error");
}

} // namespace SocketErrorText
