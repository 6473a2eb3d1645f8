#pragma once

#include "ficsim/FakeFicsCommands.h"

#include <QByteArray>
#include <QList>

#include <optional>

class FakeFicsServer;
class FakeFicsSession;

// The practice server's game commands: challenges (match, accept, decline, withdraw),
// bughouse partners, moves, offers, resigning, observing and examining. Each answer is
// the reply of FakeFicsCommands with the server's block-mode command code.
class GameCommands
{
public:
    // nullopt when the line is none of these commands.
    static std::optional<FakeFicsCommands::Reply>
    run(FakeFicsSession& session, FakeFicsServer& server, const QList<QByteArray>& words,
        const QByteArray& line);

    // Starts the game of an accepted challenge (or a seek answered with "play"): the
    // acceptor's reply lines, the challenger is told.
    static QList<QByteArray> startMatch(FakeFicsServer& server, const QByteArray& accepter,
                                        const QByteArray& challenger, int minutes, int increment,
                                        bool rated, const QByteArray& challengerColour,
                                        const QByteArray& accepterLead,
                                        const QByteArray& challengerLead);

private:
    static FakeFicsCommands::Reply match(FakeFicsSession& session, FakeFicsServer& server,
                                         const QList<QByteArray>& words);
    static FakeFicsCommands::Reply accept(FakeFicsSession& session, FakeFicsServer& server,
                                          const QByteArray& from);
    static FakeFicsCommands::Reply decline(FakeFicsSession& session, FakeFicsServer& server,
                                           const QByteArray& from);
    static FakeFicsCommands::Reply withdraw(FakeFicsSession& session, FakeFicsServer& server);
    static FakeFicsCommands::Reply partner(FakeFicsSession& session, FakeFicsServer& server,
                                           const QByteArray& other);
    static QList<QByteArray> startBughouse(FakeFicsServer& server, const QByteArray& accepter,
                                           const QByteArray& challenger, int minutes,
                                           int increment, const QByteArray& challengerColour);
};
