#include "session/SocketCommandSender.h"
#include "net/ServerSocket.h"
#include "session/TraceLog.h"

#include "support/RecordingTcpServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class SocketCommandSenderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sendsEachPieceAsOneLine_data();
    void sendsEachPieceAsOneLine();
    void encodesTypedCharacters_data();
    void encodesTypedCharacters();
    void secretLineIsMaskedInTheTrace();
    void wholeLineKeepsItsCaret();
    void sendsNothingWhileDisconnected();
    void missingTraceFolderDoesNotStopSending();

private:
    QByteArray traceText() const;
    void connectSocket();

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
    std::unique_ptr<RecordingTcpServer> m_server;
    std::unique_ptr<ServerSocket> m_socket;
    std::unique_ptr<TraceLog> m_trace; // one per test: its files stay open in that test's folder
};

void SocketCommandSenderTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_folder->path());
    m_trace = std::make_unique<TraceLog>();
    m_server = std::make_unique<RecordingTcpServer>();
    m_socket = std::make_unique<ServerSocket>();
}

void SocketCommandSenderTest::cleanup()
{
    m_socket.reset();
    m_server.reset();
    m_trace.reset();
    QDir::setCurrent(m_previousFolder);
    m_folder.reset();
}

QByteArray SocketCommandSenderTest::traceText() const
{
    QFile file(m_folder->filePath(TraceLog::TraceFile));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SocketCommandSenderTest::connectSocket()
{
    m_socket->setAddress(QStringLiteral("127.0.0.1"));
    m_socket->setPort(QString::number(m_server->port()));
    m_socket->connectToServer();
    QTRY_VERIFY(m_socket->isConnected());
}

void SocketCommandSenderTest::sendsEachPieceAsOneLine_data()
{
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("one command") << "tell Bob hi" << QByteArray("tell Bob hi\n");
    QTest::newRow("two tells") << "tell Bob hi^tell Ann hi"
                               << QByteArray("tell Bob hi\ntell Ann hi\n");
    QTest::newRow("a^b^ has no empty last piece") << "a^b^" << QByteArray("a\nb\n");
    QTest::newRow("^a starts with an empty piece") << "^a" << QByteArray("\na\n");
    QTest::newRow("a^^b keeps the empty piece") << "a^^b" << QByteArray("a\n\nb\n");
    QTest::newRow("empty text is a bare line feed") << "" << QByteArray("\n");
    QTest::newRow("a tagged request is three lines")
        << "iset block 1^101 Stored Bob^999 iset block 0"
        << QByteArray("iset block 1\n101 Stored Bob\n999 iset block 0\n");
}

void SocketCommandSenderTest::sendsEachPieceAsOneLine()
{
    QFETCH(QString, commands);
    QFETCH(QByteArray, sent);
    connectSocket();
    SocketCommandSender sender(*m_socket, *m_trace);
    sender.sendCommand(commands);
    QTRY_COMPARE(m_server->received(), sent);
    // Each line is its own unstamped record ending in CR LF.
    QCOMPARE(traceText(), QByteArray(sent).replace("\n", "\n\r\n"));
}

void SocketCommandSenderTest::encodesTypedCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("Latin-1 letters go out as single bytes")
        << QStringLiteral("tell Jürgen grüße")
        << QByteArray("tell J\xfcrgen gr\xfc\xdf"
                      "e\n");
    QTest::newRow("outside Latin-1 becomes ?")
        << QStringLiteral("say привет €") << QByteArray("say ?????? ?\n");
    QTest::newRow("a character beyond the basic plane is one ?")
        << QStringLiteral("say hi \U0001F600!") << QByteArray("say hi ?!\n");
}

void SocketCommandSenderTest::encodesTypedCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, sent);
    connectSocket();
    SocketCommandSender sender(*m_socket, *m_trace);
    sender.sendCommand(typed);
    QTRY_COMPARE(m_server->received(), sent);
}

void SocketCommandSenderTest::secretLineIsMaskedInTheTrace()
{
    connectSocket();
    SocketCommandSender sender(*m_socket, *m_trace);
    sender.sendCommand(QStringLiteral("alice"));
    sender.sendSecretLine(QStringLiteral("p^ss wörd"));
    QTRY_COMPARE(m_server->received(), QByteArray("alice\np^ss w\xf6rd\n"));
    QCOMPARE(traceText(), QByteArray("alice\n\r\n********\n\r\n"));
}

void SocketCommandSenderTest::wholeLineKeepsItsCaret()
{
    connectSocket();
    SocketCommandSender sender(*m_socket, *m_trace);
    sender.sendWholeLine(QStringLiteral("Tell bob a^quit"));
    QTRY_COMPARE(m_server->received(), QByteArray("Tell bob a^quit\n"));
    QCOMPARE(traceText(), QByteArray("Tell bob a^quit\n\r\n"));
}

void SocketCommandSenderTest::sendsNothingWhileDisconnected()
{
    SocketCommandSender sender(*m_socket, *m_trace);
    sender.sendCommand(QStringLiteral("tell Bob hi^finger"));
    sender.sendSecretLine(QStringLiteral("secret"));
    connectSocket();
    sender.sendCommand(QStringLiteral("after"));
    QTRY_COMPARE(m_server->received(), QByteArray("after\n"));
    QCOMPARE(traceText(), QByteArray("after\n\r\n"));
}

void SocketCommandSenderTest::missingTraceFolderDoesNotStopSending()
{
    connectSocket();
    SocketCommandSender sender(*m_socket, *m_trace);
    QDir::setCurrent(m_previousFolder);
    const QString gone = m_folder->path();
    m_folder.reset();
    QDir().mkpath(gone);
    QDir::setCurrent(gone);
    QDir().rmdir(gone);
    sender.sendCommand(QStringLiteral("still sent"));
    QTRY_COMPARE(m_server->received(), QByteArray("still sent\n"));
    m_folder = std::make_unique<QTemporaryDir>();
}

QTEST_GUILESS_MAIN(SocketCommandSenderTest)
#include "SocketCommandSenderTest.moc"
