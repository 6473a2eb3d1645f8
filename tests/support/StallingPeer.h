#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

// Peers on 127.0.0.1 that stall a connection attempt: a listener that accepts, writes a
// fixed (possibly partial) answer and then says nothing, like a hung SOCKS proxy; and a
// listener whose accept queue is full, so that a TCP connect to it never completes.
class StallingPeer : public QObject
{
public:
    // Accepts every connection and answers it with `answer` (may be empty).
    explicit StallingPeer(const QByteArray& answer);
    quint16 port() const { return m_server.serverPort(); }
    int accepted() const { return m_accepted; }

private:
    QTcpServer m_server;
    int m_accepted = 0;
};

class UnansweredListener
{
public:
    UnansweredListener();
    ~UnansweredListener();
    UnansweredListener(const UnansweredListener&) = delete;
    UnansweredListener& operator=(const UnansweredListener&) = delete;

    // 0 when the listener could not be set up.
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    int m_filler = -1; // the one connection that fills the accept queue
    quint16 m_port = 0;
};
