#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A plain TCP server on 127.0.0.1 with a free port: it greets its one client with a
// fixed text and keeps every byte the client sends.
class RecordingTcpServer : public QObject
{
public:
    static inline const QByteArray Greeting = QByteArrayLiteral("welcome\n\r");

    RecordingTcpServer();

    quint16 port() const { return m_server.serverPort(); }
    QTcpSocket* client() const { return m_client; }
    QByteArray received() const { return m_received; }

    // Ends the connection with a TCP reset instead of an orderly close.
    void reset();

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    QByteArray m_received;
};
