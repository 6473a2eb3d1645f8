// fakeseal HOST PORT -p LISTENPORT
//
// Stands in for the Timeseal helper in tests: listens on 127.0.0.1:LISTENPORT, relays
// the first connection to HOST:PORT unchanged and exits when that session ends (or
// after a minute without any connection), so that it never outlives its test.

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>

namespace {

void pipe(QTcpSocket& from, QTcpSocket& to)
{
    QObject::connect(&from, &QTcpSocket::readyRead, &to,
                     [&from, &to] { to.write(from.readAll()); });
    QObject::connect(&from, &QTcpSocket::disconnected, &to, [&to] {
        to.disconnectFromHost();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool portOk = false;
    bool listenOk = false;
    const quint16 port = args.value(2).toUShort(&portOk);
    const quint16 listenPort = args.value(4).toUShort(&listenOk);
    if (args.size() != 5 || args[3] != QLatin1String("-p") || !portOk || !listenOk) {
        QTextStream(stderr) << "usage: fakeseal HOST PORT -p LISTENPORT" << Qt::endl;
        return 2;
    }
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, listenPort)) {
        QTextStream(stderr) << "fakeseal: " << server.errorString() << Qt::endl;
        return 1;
    }
    QTimer idle;
    idle.setSingleShot(true);
    QObject::connect(&idle, &QTimer::timeout, &app, &QCoreApplication::quit);
    idle.start(60000);

    QTcpSocket upstream;
    QObject::connect(&server, &QTcpServer::newConnection, &app, [&] {
        QTcpSocket* client = server.nextPendingConnection();
        server.close();
        idle.stop();
        client->setParent(&app);
        pipe(*client, upstream);
        pipe(upstream, *client);
        QObject::connect(&upstream, &QTcpSocket::errorOccurred, client,
                         [client] { client->disconnectFromHost(); });
        upstream.connectToHost(args[1], port);
    });
    return app.exec();
}
