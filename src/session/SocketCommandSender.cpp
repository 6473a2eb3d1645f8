#include "session/SocketCommandSender.h"

#include "net/ServerSocket.h"
#include "session/TraceLog.h"

SocketCommandSender::SocketCommandSender(ServerSocket& socket, const TraceLog& trace)
    : m_socket(socket), m_trace(trace)
{
}

QStringList SocketCommandSender::splitCommands(const QString& commands)
{
    QStringList pieces = commands.split(QLatin1Char('^'));
    if (pieces.size() > 1 && pieces.last().isEmpty())
        pieces.removeLast();
    return pieces;
}

QByteArray SocketCommandSender::toServerBytes(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4())
        bytes += codePoint <= 0xff ? char(codePoint) : '?';
    return bytes;
}

void SocketCommandSender::sendCommand(const QString& commands)
{
    if (!m_socket.isConnected())
        return;
    for (const QString& piece : splitCommands(commands)) {
        const QByteArray line = toServerBytes(piece) + '\n';
        sendLine(line, line);
    }
}

void SocketCommandSender::sendSecretLine(const QString& line)
{
    if (!m_socket.isConnected())
        return;
    sendLine(toServerBytes(line) + '\n', SecretMask + '\n');
}

void SocketCommandSender::sendLine(const QByteArray& line, const QByteArray& traced)
{
    m_trace.write(TraceLog::TraceFile, traced, false);
    m_socket.send(line);
}
