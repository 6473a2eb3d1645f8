#pragma once

#include "ficsim/GameClock.h"
#include "ficsim/chess/ChessGame.h"

#include <QByteArray>
#include <QList>

// One game on the practice server: played between two users, or examined by one. It
// knows its players, clocks, observers and pending offers, and writes its style 12 line.
class ServerGame
{
public:
    enum class Kind
    {
        Played,
        Examined
    };

    struct Setup
    {
        QByteArray white;
        QByteArray black;
        int minutes = 5;
        int increment = 0;
        bool rated = false;
        bool bughouse = false;
    };

    // Offers a player makes during a game, answered by the other side.
    enum class Offer
    {
        None,
        Draw,
        Abort,
        Adjourn,
        Takeback
    };

    ServerGame(int number, const Setup& setup, qint64 now);
    // A game examined by one user from the start position (no clocks).
    static ServerGame examined(int number, const QByteArray& examiner);

    int number() const { return m_number; }
    Kind kind() const { return m_kind; }
    const Setup& setup() const { return m_setup; }
    const QByteArray& white() const { return m_setup.white; }
    const QByteArray& black() const { return m_setup.black; }
    // "blitz", "lightning", "standard", or "wild" for bughouse (as the creation notice says).
    QByteArray speed() const;
    // "rated blitz", "unrated wild" ...
    QByteArray description() const;
    // "Game 1 (alice vs. bob)"
    QByteArray title() const;

    ChessGame& chess() { return m_chess; }
    const ChessGame& chess() const { return m_chess; }
    GameClock& clock() { return m_clock; }
    const GameClock& clock() const { return m_clock; }

    bool isPlayer(const QByteArray& handle) const;
    bool isWhite(const QByteArray& handle) const;
    QByteArray opponentOf(const QByteArray& handle) const;
    QList<QByteArray>& observers() { return m_observers; }
    const QList<QByteArray>& observers() const { return m_observers; }

    // The move shown last in examine mode (examine can step back without losing moves).
    int shownPly() const { return m_shownPly; }
    void setShownPly(int ply) { m_shownPly = ply; }
    const ChessPosition& shownPosition() const;

    // Bughouse: the number of the partners' game, 0 for none.
    int partnerGame() const { return m_partnerGame; }
    void setPartnerGame(int number) { m_partnerGame = number; }

    Offer offer() const { return m_offer; }
    const QByteArray& offerFrom() const { return m_offerFrom; }
    int offerCount() const { return m_offerCount; }
    void setOffer(Offer offer, const QByteArray& from, int count = 0);

    // Plays a move for the side to move, pressing the clock; remembers the clocks for a
    // takeback.
    const ChessGame::Ply& play(const ChessMove& move, qint64 now);
    int takeBack(int count, qint64 now);

    // The style 12 line for a viewer: relation 1/-1 player to move or not, 0 observer,
    // 2 examiner, -2 observer of an examined game; flip 1 shows black at the bottom.
    QByteArray style12(int relation, bool flip, qint64 now) const;
    // "<b1> game 1 white [PN] black []" (bughouse holdings).
    QByteArray holdingsLine() const;
    // "<G1> 1 p=0 t=blitz r=1 u=0,0 it=300,0 i=300,0 pt=0 rt=0,0 ts=0,0 m=0 n=0"
    QByteArray gameInfoLine() const;

private:
    ServerGame(int number, Kind kind, const Setup& setup, qint64 now);

    int m_number;
    Kind m_kind;
    Setup m_setup;
    ChessGame m_chess;
    GameClock m_clock;
    QList<QPair<qint64, qint64>> m_clockAfterPly; // white, black after each ply
    QList<QByteArray> m_observers;
    int m_shownPly = 0;
    int m_partnerGame = 0;
    Offer m_offer = Offer::None;
    QByteArray m_offerFrom;
    int m_offerCount = 0;
};
