#include "ficsim/FakeFicsSession.h"

#include "ficsim/FakeFicsCommands.h"
#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsText.h"

#include <QRandomGenerator>
#include <QTcpSocket>

#include <sys/socket.h>

using namespace FakeFicsText;

namespace {

const QByteArray RegisterHint =
    QByteArrayLiteral("If you are not a registered player, enter a unique ID to join the server.");

bool lettersOnly(const QByteArray& name)
{
    for (const char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

QByteArray generatedGuestName()
{
    QByteArray name = "Guest";
    for (int i = 0; i < 4; ++i)
        name += char('A' + QRandomGenerator::global()->bounded(26));
    return name;
}

} // namespace

FakeFicsSession::FakeFicsSession(QTcpSocket* socket, FakeFicsServer& server)
    : QObject(&server), m_server(server), m_socket(socket)
{
    socket->setParent(this);
    m_variables = {{"style", "1"},    {"highlight", "0"}, {"open", "1"},    {"seek", "1"},
                   {"shout", "1"},    {"cshout", "1"},    {"chanoff", "0"}, {"gameinfo", "0"},
                   {"autoflag", "0"}, {"ptime", "1"}};
    connect(socket, &QTcpSocket::readyRead, this, &FakeFicsSession::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        m_stage = Stage::Closed;
        Q_EMIT finished(this);
    });
    write(banner());
}

void FakeFicsSession::write(const QByteArray& bytes)
{
    if (m_socket && m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->write(bytes);
}

void FakeFicsSession::deliver(const QList<QByteArray>& lines)
{
    if (m_stage == Stage::LoggedIn)
        write(LineEnd + joinWrapped(lines) + Prompt);
}

void FakeFicsSession::deliverRaw(const QByteArray& line)
{
    if (m_stage == Stage::LoggedIn)
        write(line + LineEnd + Prompt);
}

void FakeFicsSession::resetConnection()
{
    if (!m_socket)
        return;
    const linger hard{1, 0};
    ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof(hard));
    m_socket->abort();
    if (m_stage != Stage::Closed) {
        m_stage = Stage::Closed;
        Q_EMIT finished(this);
    }
}

void FakeFicsSession::closeConnection()
{
    if (m_socket)
        m_socket->disconnectFromHost();
}

void FakeFicsSession::onReadyRead()
{
    m_pending += m_socket->readAll();
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0 && m_stage != Stage::Closed) {
        QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        m_received << line;
        m_server.record(line);
        handleLine(line);
    }
}

void FakeFicsSession::handleLine(const QByteArray& line)
{
    switch (m_stage) {
    case Stage::Login:
        handleLoginName(line.trimmed());
        return;
    case Stage::Password:
        handlePassword(line);
        return;
    case Stage::GuestOffer:
        write(WontEcho);
        if (line.trimmed().isEmpty())
            enter(m_offeredName, true);
        else
            handleLoginName(line.trimmed());
        return;
    case Stage::LoggedIn:
        handleCommandLine(line.trimmed());
        return;
    case Stage::Closed:
        return;
    }
}

void FakeFicsSession::handleLoginName(const QByteArray& typed)
{
    m_stage = Stage::Login;
    QByteArray problem;
    if (typed.isEmpty())
        problem = RegisterHint;
    else if (!lettersOnly(typed))
        problem = "Sorry, names can only consist of lower and upper case letters.  Try again.";
    else if (typed.size() < 3)
        problem = "A name should be at least three characters long!  Try again.";
    else if (typed.size() > 17)
        problem = "Sorry, names may be at most 17 characters long.  Try again.";
    if (!problem.isEmpty()) {
        write(LineEnd + problem + LineEnd + LoginPrompt);
        return;
    }
    const bool publicGuest = m_server.dialect() == FakeFicsServer::Dialect::PublicServer &&
                             typed.compare("guest", Qt::CaseInsensitive) == 0;
    const auto account = publicGuest ? std::nullopt : m_server.account(typed);
    const QByteArray name = publicGuest ? generatedGuestName() : account ? account->handle : typed;
    if (m_server.sessionOf(name)) {
        write(LineEnd + "*** Sorry " + name + " is already logged in ***" + LineEnd);
        closeConnection();
        return;
    }
    m_offeredName = name;
    if (account) {
        m_stage = Stage::Password;
        write(WillEcho + registeredNameText(name));
    } else {
        m_stage = Stage::GuestOffer;
        write(WillEcho + unregisteredNameText(name));
    }
}

void FakeFicsSession::handlePassword(const QByteArray& password)
{
    write(WontEcho);
    const auto account = m_server.account(m_offeredName);
    if (!password.isEmpty() && account && password == account->password) {
        enter(m_offeredName, false);
        return;
    }
    const bool captured = m_server.dialect() == FakeFicsServer::Dialect::CapturedServer;
    if (!password.isEmpty())
        write(LineEnd + LineEnd + InvalidPassword + LineEnd + LineEnd);
    if (captured) {
        closeConnection();
        return;
    }
    m_stage = Stage::Login;
    write(RegisterHint + LineEnd + LoginPrompt);
}

void FakeFicsSession::enter(const QByteArray& handle, bool newcomer)
{
    m_handle = handle;
    m_stage = Stage::LoggedIn;
    QList<QByteArray> lines;
    if (m_server.dialect() == FakeFicsServer::Dialect::PublicServer)
        lines << "**** Starting FICS session as " + handle + (newcomer ? "(U)" : "") + " ****"
              << "";
    write(joinWrapped(lines + welcome(newcomer)) + Prompt);
    Q_EMIT m_server.loggedIn(handle);
}

void FakeFicsSession::handleCommandLine(const QByteArray& line)
{
    QByteArray identifier;
    QByteArray command = line;
    if (m_blockMode) {
        const int space = line.indexOf(' ');
        const QByteArray head = space > 0 ? line.left(space) : line;
        bool numeric = false;
        head.toInt(&numeric);
        if (numeric) {
            identifier = head;
            command = space > 0 ? line.mid(space + 1).trimmed() : QByteArray();
        }
    }
    if (m_blockMode && command.toLower().simplified() == "iset block 0") {
        m_blockMode = false;
        write(BlockUnsetRemnant + LineEnd + Prompt);
        return;
    }
    const FakeFicsCommands::Reply reply = FakeFicsCommands::run(*this, m_server, command);
    if (reply.quit) {
        write(LineEnd + Farewell + LineEnd + LineEnd);
        closeConnection();
        return;
    }
    answer(identifier, reply.code, reply.lines);
    m_server.scheduleFlagCheck();
}

void FakeFicsSession::answer(const QByteArray& identifier, int code, const QList<QByteArray>& lines)
{
    if (identifier.isEmpty()) {
        write(joinWrapped(lines) + Prompt);
        return;
    }
    // An error code stands for its own message; the block carries no text then.
    const bool error = code >= FakeFicsCommands::CommandNotFound;
    write(block(identifier, code, error ? QByteArray() : joinWrapped(lines)) + Prompt);
}
