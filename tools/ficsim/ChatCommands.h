#pragma once

#include "ficsim/FakeFicsCommands.h"

#include <QByteArray>
#include <QList>

#include <optional>

class FakeFicsServer;
class FakeFicsSession;

// The practice server's chat: tells to users and channels, shouts, c-shouts and emotes
// to everybody listening, say/kibitz/whisper around a game, ptell to the bughouse
// partner, and the channel list (+channel, -channel, addlist/sublist channel).
class ChatCommands
{
public:
    // nullopt when the line is none of these commands.
    static std::optional<FakeFicsCommands::Reply>
    run(FakeFicsSession& session, FakeFicsServer& server, const QList<QByteArray>& words,
        const QByteArray& line);

private:
    static FakeFicsCommands::Reply tell(FakeFicsSession& session, FakeFicsServer& server,
                                        const QByteArray& target, const QByteArray& text);
    static FakeFicsCommands::Reply broadcast(FakeFicsSession& session, FakeFicsServer& server,
                                             int code, const QByteArray& variable,
                                             const QByteArray& heard);
    static FakeFicsCommands::Reply aroundGame(FakeFicsSession& session, FakeFicsServer& server,
                                              const QByteArray& word, const QByteArray& text);
    static FakeFicsCommands::Reply channel(FakeFicsSession& session, FakeFicsServer& server,
                                           bool add, const QByteArray& number);
};
