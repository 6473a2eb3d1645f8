#pragma once

#include <QByteArray>
#include <QList>

class FakeFicsServer;
class FakeFicsSession;

// The commands the fake server knows after login, with the server's command codes
// for block mode.
class FakeFicsCommands
{
public:
    static constexpr int CommandNotFound = 512;

    struct Reply
    {
        int code = 0;
        QList<QByteArray> lines;
        bool quit = false;
    };

    static Reply run(FakeFicsSession& session, FakeFicsServer& server, const QByteArray& line);

private:
    static Reply set(FakeFicsSession& session, const QList<QByteArray>& words,
                     const QByteArray& rest);
    static Reply iset(FakeFicsSession& session, FakeFicsServer& server,
                      const QList<QByteArray>& words);
    static Reply tell(FakeFicsSession& session, FakeFicsServer& server,
                      const QList<QByteArray>& words, const QByteArray& rest);
    static Reply shout(FakeFicsSession& session, FakeFicsServer& server, const QByteArray& rest);
    static Reply sought(FakeFicsServer& server);
    static Reply seek(FakeFicsSession& session, FakeFicsServer& server,
                      const QList<QByteArray>& words);
    static Reply play(FakeFicsSession& session, FakeFicsServer& server,
                      const QList<QByteArray>& words);
    static Reply who(FakeFicsServer& server);
    static Reply variables(FakeFicsServer& server, const QByteArray& handle);
    static Reply playerList(const QByteArray& command, const QByteArray& handle);
    static Reply unknown(FakeFicsServer& server, const QByteArray& word);
};
