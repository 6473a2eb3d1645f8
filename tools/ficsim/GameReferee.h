#pragma once

#include "ficsim/ServerGame.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <functional>
#include <memory>

class GameAudience;

// The referee of the practice server: it runs the played and examined games, checks
// each move by the rules, keeps the clocks, answers the game commands of a player or
// observer, and ends games with the server's result lines. It owns no socket: it talks
// to users through a GameAudience and reads the time from a clock function, so tests
// can drive it alone.
class GameReferee
{
public:
    using Clock = std::function<qint64()>;

    // A game that ended, for history lists.
    struct Finished
    {
        ServerGame::Setup setup;
        QByteArray winner; // empty for a draw or an unfinished end
        QByteArray ending; // "Res", "Mat", "Fla", "Agr", "Rep", "Sta", "50", "NM", "Adj", "Abo"
        QByteArray score;  // "1-0", "0-1", "1/2-1/2", "*"
        QDateTime when;
    };

    GameReferee(GameAudience& audience, Clock clock);
    ~GameReferee();

    // The captured server answers an illegal move with "Illegal move."; the public one
    // names the move.
    void setNamesIllegalMoves(bool names) { m_namesIllegalMoves = names; }

    // Starts a played game: players get nothing yet (see startLines); users with
    // "gin" set hear of it.
    ServerGame& create(const ServerGame::Setup& setup);
    // Two games of a bughouse match, each the other's partner game.
    void createBughouse(const ServerGame::Setup& first, const ServerGame::Setup& second);
    // What a player of a newly created game receives: the creation notice, a "<G1>" line
    // when asked for, the first board.
    QList<QByteArray> startLines(const ServerGame& game, const QByteArray& handle) const;

    ServerGame* gameOf(const QByteArray& handle); // played or examined by the handle
    ServerGame* gameNumbered(int number);
    QList<const ServerGame*> games() const;
    bool isPlaying(const QByteArray& handle) const;
    QList<Finished> finishedOf(const QByteArray& handle) const;
    QList<Finished> adjournedOf(const QByteArray& handle) const;

    // A command line that may be a move: nullopt when the user has no game to move in
    // or the text is no move text at all.
    std::optional<QList<QByteArray>> move(const QByteArray& handle, const QByteArray& text);
    QList<QByteArray> resign(const QByteArray& handle);
    QList<QByteArray> offer(const QByteArray& handle, ServerGame::Offer offer, int count = 1);
    // accept/decline of an offer made during a game; nullopt when none is pending.
    std::optional<QList<QByteArray>> acceptOffer(const QByteArray& handle);
    std::optional<QList<QByteArray>> declineOffer(const QByteArray& handle);
    QList<QByteArray> flag(const QByteArray& handle);
    QList<QByteArray> refresh(const QByteArray& handle);
    QList<QByteArray> moves(const QByteArray& handle, const QByteArray& who);
    QList<QByteArray> promote(const QByteArray& handle, const QByteArray& piece);
    QList<QByteArray> observe(const QByteArray& handle, const QByteArray& target);
    QList<QByteArray> unobserve(const QByteArray& handle, const QByteArray& target);
    QList<QByteArray> examine(const QByteArray& handle);
    QList<QByteArray> step(const QByteArray& handle, int plies); // forward (+) / backward (-)
    QList<QByteArray> revert(const QByteArray& handle);
    QList<QByteArray> unexamine(const QByteArray& handle);
    QList<QByteArray> allObservers(const QByteArray& handle);
    QList<QByteArray> gamesList() const;
    // The user left: games end as the server ends them, observations stop.
    void leave(const QByteArray& handle);

    // Flag fall: milliseconds until the next clock runs out (-1 when no clock runs), and
    // the check that ends those games.
    qint64 untilNextFlag() const;
    void checkFlags();

private:
    struct Ending
    {
        QByteArray loser;  // empty for a draw or an abort
        QByteArray reason; // the text inside the braces after the players
        QByteArray code;   // "Res", "Mat" ...
        QByteArray score;
    };

    void announceMove(ServerGame& game, const QByteArray& mover, QList<QByteArray>& reply);
    void passCapture(const ServerGame& game, char captured, bool byWhite);
    std::optional<Ending> endingAfterMove(const ServerGame& game) const;
    QList<QByteArray> finish(ServerGame& game, const Ending& ending, const QByteArray& caller);
    QList<QByteArray> finishOne(ServerGame& game, const Ending& ending, const QByteArray& caller);
    QList<QByteArray> noGame(const QByteArray& handle) const;
    int relationFor(const ServerGame& game, const QByteArray& handle) const;
    QByteArray boardFor(const ServerGame& game, const QByteArray& handle) const;
    QByteArray nameMatch(const QByteArray& partial) const;
    void removeGame(int number);
    // The owning pointer, held while a game ends so that it outlives its removal.
    std::shared_ptr<ServerGame> holderOf(const ServerGame* game) const;
    char promotionOf(const QByteArray& handle) const;

    GameAudience& m_audience;
    Clock m_clock;
    bool m_namesIllegalMoves = true;
    int m_lastNumber = 0;
    QList<std::shared_ptr<ServerGame>> m_games;
    QList<Finished> m_finished;
    QList<Finished> m_adjourned;
    QHash<QByteArray, char> m_promotion; // by lower-case handle
};
