#include "net/SocketErrorText.h"

#include <QTest>

class SocketErrorTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbers_data();
    void numbers();
    void descriptions_data();
    void descriptions();
};

void SocketErrorTextTest::numbers_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("platformText");
    QTest::addColumn<int>("code");
    QTest::newRow("refused") << int(QAbstractSocket::ConnectionRefusedError) << "" << 10061;
    QTest::newRow("host not found") << int(QAbstractSocket::HostNotFoundError) << "" << 11001;
    QTest::newRow("timed out") << int(QAbstractSocket::SocketTimeoutError) << "" << 10060;
    QTest::newRow("no route") << int(QAbstractSocket::NetworkError) << "Host unreachable" << 10065;
    QTest::newRow("network unreachable")
        << int(QAbstractSocket::NetworkError) << "Network unreachable" << 10051;
    QTest::newRow("reset") << int(QAbstractSocket::RemoteHostClosedError) << "" << 10054;
    QTest::newRow("no counterpart") << int(QAbstractSocket::UnknownSocketError) << "" << 30099;
}

void SocketErrorTextTest::numbers()
{
    QFETCH(int, error);
    QFETCH(QString, platformText);
    QFETCH(int, code);
    QCOMPARE(SocketErrorText::code(QAbstractSocket::SocketError(error), platformText), code);
}

void SocketErrorTextTest::descriptions_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("platformText");
    QTest::addColumn<QString>("description");
    QTest::newRow("fixed text wins") << 10061 << "Connection refused by peer"
                                     << "Connection refused";
    QTest::newRow("timed out") << 10060 << ""
                               << "Connection timed out";
    QTest::newRow("no route") << 10065 << ""
                              << "No route to host";
    QTest::newRow("host not found") << 11001 << "Host xyz not found"
                                    << "Host not found";
    QTest::newRow("platform text otherwise") << 10054 << "The remote host closed the connection"
                                             << "The remote host closed the connection";
    QTest::newRow("nothing known") << 30099 << ""
                                   << "Not a WinSock error";
}

void SocketErrorTextTest::descriptions()
{
    QFETCH(int, code);
    QFETCH(QString, platformText);
    QFETCH(QString, description);
    QCOMPARE(SocketErrorText::describe(code, platformText), description);
}

QTEST_GUILESS_MAIN(SocketErrorTextTest)
#include "SocketErrorTextTest.moc"
