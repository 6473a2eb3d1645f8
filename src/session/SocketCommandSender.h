#pragma once

#include "session/SecretCommandSender.h"

#include <QByteArray>
#include <QStringList>

class ServerSocket;
class TraceLog;

// Writes commands to the server socket: "^" separates commands, each line ends in LF
// alone and is traced (unstamped) to "trace.txt" before it is written. Nothing is sent
// while the socket is not connected. Text goes out as Latin-1; a character outside
// Latin-1 becomes one "?", so that no typed character can break the stream.
class SocketCommandSender : public SecretCommandSender
{
public:
    static inline const QByteArray SecretMask = QByteArrayLiteral("********");

    SocketCommandSender(ServerSocket& socket, const TraceLog& trace);
    SocketCommandSender(const SocketCommandSender&) = delete;
    SocketCommandSender& operator=(const SocketCommandSender&) = delete;

    void sendCommand(const QString& commands) override;
    void sendSecretLine(const QString& line) override;
    // One command composed by a window (a tell whose text may hold "^"): it goes
    // out whole as one line.
    void sendWholeLine(const QString& line);

    // 'a^b' -> a, b; 'a^b^' -> a, b; '^a' -> "", a; 'a^^b' -> a, "", b; '' -> "".
    static QStringList splitCommands(const QString& commands);
    static QByteArray toServerBytes(const QString& text);

private:
    void sendLine(const QByteArray& line, const QByteArray& traced);

    ServerSocket& m_socket;
    const TraceLog& m_trace;
};
