#include "RawFicsClient.h"

#include <QTest>

namespace {

constexpr int WaitMs = 20000;
const QByteArray Prompt = "fics% ";

} // namespace

RawFicsClient::RawFicsClient(quint16 port)
{
    connect(&socket, &QTcpSocket::readyRead, this, [this] { received += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
}

void RawFicsClient::send(const QByteArray& text)
{
    socket.write(text);
}

QByteArray RawFicsClient::takeUntil(const QByteArray& ending)
{
    if (!QTest::qWaitFor([&] { return received.endsWith(ending); }, WaitMs))
        return "timed out; got: " + received;
    return std::exchange(received, QByteArray());
}

QByteArray RawFicsClient::takeThrough(const QByteArray& text)
{
    qsizetype end = -1;
    const bool found = QTest::qWaitFor(
        [&] {
            const qsizetype at = received.indexOf(text);
            if (at < 0)
                return false;
            end = received.indexOf(Prompt, at + text.size());
            return end >= 0;
        },
        WaitMs);
    if (!found)
        return "timed out waiting for " + text + "; got: " + received;
    const QByteArray taken = received.left(end + Prompt.size());
    received.remove(0, end + Prompt.size());
    return taken;
}

QByteArray RawFicsClient::loginAs(const QByteArray& name, const QByteArray& password)
{
    takeUntil("login: ");
    send(name + '\n');
    takeUntil(password.isEmpty() ? QByteArray(":") : QByteArray("password: "));
    send(password + '\n');
    return takeUntil(Prompt);
}
