#pragma once

#include "ficsim/chess/ChessMove.h"
#include "ficsim/chess/ChessPosition.h"

#include <QByteArray>
#include <QList>

// The moves of one game from its start position, with the texts the server shows for
// them, and the rules that end a game by themselves or on a claim.
class ChessGame
{
public:
    struct Ply
    {
        ChessMove move;
        QByteArray san;     // "Nf3", "exd8=Q+"
        QByteArray verbose; // "N/g1-f3"
        char captured = 0;  // the piece taken, 0 for none
        qint64 thinkMs = 0;
        ChessPosition after;
    };

    enum class Ending
    {
        None,
        Checkmate,
        Stalemate,
        NoMaterial, // neither side can mate
    };

    explicit ChessGame(const ChessPosition& start = ChessPosition::initial());

    const ChessPosition& start() const { return m_start; }
    const ChessPosition& position() const;
    const QList<Ply>& plies() const { return m_plies; }
    // Extra pieces given to a side after a move (bughouse: the partner's captures).
    void addHeld(bool white, char piece);

    const Ply& play(const ChessMove& move, qint64 thinkMs);
    // Takes back up to `count` half-moves; returns how many were taken back.
    int takeBack(int count);

    Ending ending() const;
    // Draws a player may claim: the position's third appearance, or 50 moves of each side
    // without a capture or a pawn move.
    bool repetition() const;
    bool fiftyMoves() const;

private:
    ChessPosition m_start;
    ChessPosition m_current;
    QList<Ply> m_plies;
};
