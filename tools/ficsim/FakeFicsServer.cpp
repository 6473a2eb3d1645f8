#include "ficsim/FakeFicsServer.h"

#include "ficsim/FakeFicsSession.h"
#include "ficsim/GameReferee.h"
#include "ficsim/FakeFicsText.h"

#include <QTcpSocket>

FakeFicsServer::FakeFicsServer(QObject* parent)
    : QObject(parent),
      m_now([this] { return m_uptime.elapsed(); }),
      m_referee(std::make_unique<GameReferee>(*this, [this] { return m_now(); }))
{
    m_uptime.start();
    m_flagTimer.setSingleShot(true);
    connect(&m_flagTimer, &QTimer::timeout, this, [this] {
        m_referee->checkFlags();
        scheduleFlagCheck();
    });
    for (const char* name : {"alice", "bob", "carol", "dave"})
        addAccount(name, QByteArray(name) + "pw");
    addSeek({0, "Rookwell", 1850, 5, 0, true, "blitz"});
    addSeek({0, "Knightbot(C)", 2100, 1, 0, true, "lightning"});
    addSeek({0, "Pawnpusher", 1320, 15, 5, false, "standard"});
    connect(&m_server, &QTcpServer::newConnection, this, &FakeFicsServer::onNewConnection);
}

FakeFicsServer::~FakeFicsServer() = default;

bool FakeFicsServer::listen(quint16 port, const QHostAddress& address)
{
    return m_server.listen(address, port);
}

void FakeFicsServer::addAccount(const QByteArray& handle, const QByteArray& password)
{
    m_accounts.insert(handle.toLower(), {handle, password});
}

std::optional<FakeFicsServer::Account> FakeFicsServer::account(const QByteArray& handle) const
{
    const auto found = m_accounts.constFind(handle.toLower());
    if (found == m_accounts.constEnd())
        return std::nullopt;
    return *found;
}

void FakeFicsServer::addCue(const QByteArray& command, const QList<QByteArray>& answer)
{
    m_cues.append({command.trimmed().toLower(), answer});
}

std::optional<QList<QByteArray>> FakeFicsServer::cueFor(const QByteArray& command) const
{
    const QByteArray key = command.trimmed().toLower();
    for (const auto& [cue, answer] : m_cues) {
        if (cue == key)
            return answer;
    }
    return std::nullopt;
}

void FakeFicsServer::push(const QList<QByteArray>& lines)
{
    for (FakeFicsSession* session : std::as_const(m_sessions))
        session->deliver(lines);
}

void FakeFicsServer::pushTo(const QByteArray& handle, const QList<QByteArray>& lines)
{
    if (FakeFicsSession* session = sessionOf(handle))
        session->deliver(lines);
}

void FakeFicsServer::dropConnections()
{
    for (FakeFicsSession* session : std::as_const(m_sessions))
        session->resetConnection();
}

FakeFicsSession* FakeFicsServer::sessionOf(const QByteArray& handle) const
{
    for (FakeFicsSession* session : m_sessions) {
        if (session->stage() == FakeFicsSession::Stage::LoggedIn &&
            session->handle().compare(handle, Qt::CaseInsensitive) == 0)
            return session;
    }
    return nullptr;
}

int FakeFicsServer::addSeek(Seek seek)
{
    seek.index = ++m_lastSeek;
    m_seeks.append(seek);
    return seek.index;
}

std::optional<FakeFicsServer::Seek> FakeFicsServer::takeSeek(int index)
{
    for (int i = 0; i < m_seeks.size(); ++i) {
        if (m_seeks[i].index == index)
            return m_seeks.takeAt(i);
    }
    return std::nullopt;
}

void FakeFicsServer::removeSeeksOf(const QByteArray& handle)
{
    m_seeks.removeIf([&handle](const Seek& seek) {
        return seek.handle.compare(handle, Qt::CaseInsensitive) == 0;
    });
}

void FakeFicsServer::forget(const QByteArray& handle)
{
    if (handle.isEmpty() || sessionOf(handle))
        return;
    m_referee->leave(handle);
    const auto mine = [&handle](const QByteArray& name) {
        return name.compare(handle, Qt::CaseInsensitive) == 0;
    };
    removeSeeksOf(handle);
    m_challenges.removeIf(
        [&mine](const Challenge& offer) { return mine(offer.from) || mine(offer.to); });
    const QByteArray partner = m_partners.take(handle.toLower());
    if (!partner.isEmpty()) {
        m_partners.remove(partner.toLower());
        pushTo(partner, {"Your partner has just unset his/her partner."});
    }
    m_partnerOffers.remove(handle.toLower());
    scheduleFlagCheck();
}

void FakeFicsServer::scheduleFlagCheck()
{
    const qint64 wait = m_referee->untilNextFlag();
    if (wait < 0)
        m_flagTimer.stop();
    else
        m_flagTimer.start(int(qMin<qint64>(wait + 1, 24 * 3600 * 1000)));
}

void FakeFicsServer::deliver(const QByteArray& handle, const QList<QByteArray>& lines)
{
    pushTo(handle, lines);
}

void FakeFicsServer::deliverRaw(const QByteArray& handle, const QByteArray& line)
{
    if (FakeFicsSession* session = sessionOf(handle))
        session->deliverRaw(line);
}

QByteArray FakeFicsServer::variable(const QByteArray& handle, const QByteArray& name) const
{
    FakeFicsSession* session = sessionOf(handle);
    return session ? session->variable(name) : QByteArray();
}

QList<QByteArray> FakeFicsServer::loggedInHandles() const
{
    QList<QByteArray> handles;
    for (FakeFicsSession* session : m_sessions) {
        if (session->stage() == FakeFicsSession::Stage::LoggedIn)
            handles << session->handle();
    }
    return handles;
}

bool FakeFicsServer::isRegistered(const QByteArray& handle) const
{
    return account(handle).has_value();
}

QList<QByteArray> FakeFicsServer::linesAfterLogin(const QByteArray& raw)
{
    const int start = raw.indexOf(FakeFicsText::Prompt);
    if (start < 0)
        return {};
    QByteArray text = raw.mid(start);
    text.replace(FakeFicsText::Prompt, QByteArray());
    QList<QByteArray> lines;
    for (const QByteArray& line : text.split('\n')) {
        QByteArray cleaned = line;
        if (cleaned.startsWith('\r'))
            cleaned.remove(0, 1);
        if (!cleaned.trimmed().isEmpty())
            lines << cleaned;
    }
    return lines;
}

void FakeFicsServer::record(const QByteArray& line)
{
    m_received << line;
    Q_EMIT lineReceived(line);
}

void FakeFicsServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto* session = new FakeFicsSession(socket, *this);
        m_sessions << session;
        connect(session, &FakeFicsSession::finished, this, [this](FakeFicsSession* ended) {
            m_sessions.removeOne(ended);
            ended->deleteLater();
            forget(ended->handle());
        });
    }
}
