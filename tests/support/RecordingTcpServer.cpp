#include "RecordingTcpServer.h"

#include <sys/socket.h>

RecordingTcpServer::RecordingTcpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        m_client = m_server.nextPendingConnection();
        connect(m_client, &QTcpSocket::readyRead, this,
                [this] { m_received += m_client->readAll(); });
        m_client->write(Greeting);
    });
}

void RecordingTcpServer::reset()
{
    const linger hard{1, 0};
    ::setsockopt(int(m_client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof(hard));
    m_client->abort();
}
