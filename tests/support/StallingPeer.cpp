#include "StallingPeer.h"

#include <QTcpSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

StallingPeer::StallingPeer(const QByteArray& answer)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this, answer] {
        while (QTcpSocket* peer = m_server.nextPendingConnection()) {
            ++m_accepted;
            if (!answer.isEmpty())
                peer->write(answer);
        }
    });
}

// Linux keeps one connection in the accept queue of a backlog of 0 and drops the
// handshake of every further one, which the connecting side retries for minutes.
UnansweredListener::UnansweredListener()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener, 0) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    m_filler = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_filler < 0 || ::connect(m_filler, reinterpret_cast<sockaddr*>(&address), length) != 0)
        return;
    m_port = ntohs(address.sin_port);
}

UnansweredListener::~UnansweredListener()
{
    if (m_filler >= 0)
        ::close(m_filler);
    if (m_listener >= 0)
        ::close(m_listener);
}
