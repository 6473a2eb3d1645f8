#pragma once

#include "ficsim/GameAudience.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <functional>
#include <memory>

class FakeFicsSession;
class GameReferee;

// A fake FICS server on 127.0.0.1 for tests and for the ficsim tool. It speaks what
// recordings of a real FICS server show (banner, "login: ", echo control around the
// password, LF CR line ends, "fics% " prompts, 80-column wrapping, answers to the
// interface set-up) and what the public server adds (block mode, "Command not found.",
// seeks, "<G1> " lines). It keeps every line it receives, answers chosen commands
// with scripted text ("cues") and pushes scripted lines to logged-in users on demand.
// Its GameReferee plays the games; the server hands it the users' lines and wakes it
// when a clock runs out.
class FakeFicsServer : public QObject, public GameAudience
{
    Q_OBJECT

public:
    // The captured server closes after a wrong password and answers unknown commands
    // with "Command has failed."; the public server asks for a login again and says
    // "Command not found.".
    enum class Dialect
    {
        PublicServer,
        CapturedServer
    };

    struct Seek
    {
        int index = 0;
        QByteArray handle;
        int rating = 0;
        int minutes = 0;
        int increment = 0;
        bool rated = false;
        QByteArray type;
    };

    explicit FakeFicsServer(QObject* parent = nullptr);
    ~FakeFicsServer() override;

    bool listen(quint16 port = 0, const QHostAddress& address = QHostAddress::LocalHost);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    void setDialect(Dialect dialect) { m_dialect = dialect; }
    Dialect dialect() const { return m_dialect; }
    // Registered accounts; alice, bob, carol and dave (password name + "pw") exist from the start.
    void addAccount(const QByteArray& handle, const QByteArray& password);
    struct Account
    {
        QByteArray handle; // as registered
        QByteArray password;
    };
    std::optional<Account> account(const QByteArray& handle) const;

    // A command line (compared without regard to case and surrounding spaces) that is
    // answered with these lines instead of the built-in answer.
    void addCue(const QByteArray& command, const QList<QByteArray>& answer);
    std::optional<QList<QByteArray>> cueFor(const QByteArray& command) const;

    // Unrequested output to every logged-in user, or to one handle.
    void push(const QList<QByteArray>& lines);
    void pushTo(const QByteArray& handle, const QList<QByteArray>& lines);
    // Ends every connection with a TCP reset, as a broken network would.
    void dropConnections();

    // Every line received on any connection, in arrival order (login answers included).
    QList<QByteArray> receivedLines() const { return m_received; }
    QList<FakeFicsSession*> sessions() const { return m_sessions; }
    FakeFicsSession* sessionOf(const QByteArray& handle) const;

    // Seeks: the server starts with a few of its own.
    QList<Seek> seeks() const { return m_seeks; }
    int addSeek(Seek seek);
    std::optional<Seek> takeSeek(int index);
    void removeSeeksOf(const QByteArray& handle);
    GameReferee& referee() { return *m_referee; }
    // The game clocks read this millisecond count (monotonic since the server started,
    // unless a test gives its own).
    void setClock(std::function<qint64()> clock) { m_now = std::move(clock); }
    // Match offers between users, answered with accept/decline/withdraw.
    struct Challenge
    {
        QByteArray from;
        QByteArray to;
        int minutes = 0;
        int increment = 0;
        bool rated = false;
        QByteArray colour; // "white", "black" or empty: the challenger's colour
        bool bughouse = false;
    };
    QList<Challenge>& challenges() { return m_challenges; }
    // Bughouse partners, both ways, by lower-case handle; offers likewise.
    QHash<QByteArray, QByteArray>& partners() { return m_partners; }
    QHash<QByteArray, QByteArray>& partnerOffers() { return m_partnerOffers; }
    // Arms the flag timer for the next clock that runs out.
    void scheduleFlagCheck();

    // GameAudience
    void deliver(const QByteArray& handle, const QList<QByteArray>& lines) override;
    void deliverRaw(const QByteArray& handle, const QByteArray& line) override;
    QByteArray variable(const QByteArray& handle, const QByteArray& name) const override;
    QList<QByteArray> loggedInHandles() const override;
    bool isRegistered(const QByteArray& handle) const override;

    // The lines of a raw capture after its first prompt, prompts removed: a game or chat
    // from a recording, ready to push.
    static QList<QByteArray> linesAfterLogin(const QByteArray& raw);

Q_SIGNALS:
    void lineReceived(const QByteArray& line);
    void loggedIn(const QByteArray& handle);

private:
    friend class FakeFicsSession;
    void record(const QByteArray& line);
    // A user left: games, seeks, offers and partnership end.
    void forget(const QByteArray& handle);
    void onNewConnection();

    QTcpServer m_server;
    Dialect m_dialect = Dialect::PublicServer;
    QHash<QByteArray, Account> m_accounts; // by lower-case handle
    QList<QPair<QByteArray, QList<QByteArray>>> m_cues;
    QList<FakeFicsSession*> m_sessions;
    QList<QByteArray> m_received;
    QList<Seek> m_seeks;
    int m_lastSeek = 0;
    QElapsedTimer m_uptime;
    std::function<qint64()> m_now;
    std::unique_ptr<GameReferee> m_referee;
    QTimer m_flagTimer;
    QList<Challenge> m_challenges;
    QHash<QByteArray, QByteArray> m_partners;
    QHash<QByteArray, QByteArray> m_partnerOffers;
};
