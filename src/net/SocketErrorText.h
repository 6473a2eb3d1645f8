#pragma once

#include <QAbstractSocket>
#include <QString>

// Error numbers and texts the user sees for socket failures. The numbers follow
// the Windows Sockets numbering the users of this client know from its messages
// ("Error #10061 Connection refused"); the texts of the common ones are fixed,
// every other number is described by the platform's own text.
namespace SocketErrorText {

inline constexpr int ConnectionReset = 10054;
inline constexpr int TimedOut = 10060;
inline constexpr int ConnectionRefused = 10061;
inline constexpr int NoRouteToHost = 10065;
inline constexpr int HostNotFound = 11001;

// The error number for a Qt socket error; platformText helps to tell network failures apart.
int code(QAbstractSocket::SocketError error, const QString& platformText);

// The fixed text for a known number, else platformText, else "Not a WinSock error".
QString describe(int code, const QString& platformText);

} // namespace SocketErrorText
