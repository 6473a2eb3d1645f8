#include "session/PracticeServer.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

// The practice server that File > Practice Offline starts: the real ficsim program.
class PracticeServerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndReportsItsPort();
    void missingProgramIsReported();
    void argumentsNameTheEngine();
};

void PracticeServerTest::startsAndReportsItsPort()
{
    const QString program =
        PracticeServer::serverProgram(qEnvironmentVariable("TOLVARIS_BIN_DIR"));
    PracticeServer server;
    QSignalSpy ready(&server, &PracticeServer::ready);
    QSignalSpy failed(&server, &PracticeServer::failed);
    server.start(program, {});
    QVERIFY2(ready.wait(30000), failed.isEmpty() ? "no port reported"
                                                 : qPrintable(failed.first().first().toString()));
    const quint16 port = ready.first().first().value<quint16>();
    QVERIFY(port != 0);
    QCOMPARE(server.port(), port);

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QByteArray banner;
    QVERIFY(QTest::qWaitFor(
        [&] {
            banner += client.readAll();
            return banner.endsWith("login: ");
        },
        20000));

    // A second start while it runs reports the same server at once.
    server.start(program, {});
    QCOMPARE(ready.count(), 2);
    QCOMPARE(ready.last().first().value<quint16>(), port);
}

void PracticeServerTest::missingProgramIsReported()
{
    QTemporaryDir empty;
    PracticeServer server;
    QSignalSpy failed(&server, &PracticeServer::failed);
    server.start(PracticeServer::serverProgram(empty.path()), {});
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().startsWith(
        QStringLiteral("The practice server was not found: ")));
    QVERIFY(!server.isRunning());
}

void PracticeServerTest::argumentsNameTheEngine()
{
    QVERIFY(!PracticeServer::arguments({}).contains(QStringLiteral("--engine")));
    const QStringList withEngine = PracticeServer::arguments(QStringLiteral("/usr/games/stockfish"));
    QCOMPARE(withEngine.mid(withEngine.indexOf(QStringLiteral("--engine")), 2),
             QStringList({QStringLiteral("--engine"), QStringLiteral("/usr/games/stockfish")}));
    QVERIFY(withEngine.contains(QStringLiteral("--until-input-ends")));
}

QTEST_GUILESS_MAIN(PracticeServerTest)
#include "PracticeServerTest.moc"
