#include "ficsim/chess/ChessGame.h"

#include "ficsim/chess/MoveGenerator.h"
#include "ficsim/chess/MoveNotation.h"

ChessGame::ChessGame(const ChessPosition& start) : m_start(start), m_current(start) {}

const ChessPosition& ChessGame::position() const
{
    return m_current;
}

void ChessGame::addHeld(bool white, char piece)
{
    m_current.addHeld(white, piece);
    if (!m_plies.isEmpty())
        m_plies.last().after = m_current;
    else
        m_start = m_current;
}

const ChessGame::Ply& ChessGame::play(const ChessMove& move, qint64 thinkMs)
{
    Ply ply;
    ply.move = move;
    ply.san = MoveNotation::san(m_current, move);
    ply.verbose = MoveNotation::verbose(m_current, move);
    ply.thinkMs = thinkMs;
    ply.captured = m_current.play(move);
    ply.after = m_current;
    m_plies.append(ply);
    return m_plies.last();
}

int ChessGame::takeBack(int count)
{
    const int taken = qBound(0, count, int(m_plies.size()));
    m_plies.resize(m_plies.size() - taken);
    m_current = m_plies.isEmpty() ? m_start : m_plies.last().after;
    return taken;
}

ChessGame::Ending ChessGame::ending() const
{
    if (MoveGenerator::legalMoves(m_current).isEmpty())
        return MoveGenerator::inCheck(m_current) ? Ending::Checkmate : Ending::Stalemate;
    // Bare kings, or a king with one minor piece against a bare king, cannot mate; with
    // pieces in hand (bughouse) anything can still happen.
    if (!m_current.holdings(true).isEmpty() || !m_current.holdings(false).isEmpty())
        return Ending::None;
    int minors = 0;
    for (int square = 0; square < 64; ++square) {
        const char type = ChessPosition::pieceType(m_current.at(square));
        if (type == 'p' || type == 'r' || type == 'q')
            return Ending::None;
        if (type == 'n' || type == 'b')
            ++minors;
    }
    return minors <= 1 ? Ending::NoMaterial : Ending::None;
}

bool ChessGame::repetition() const
{
    const QByteArray key = m_current.repetitionKey();
    int seen = m_start.repetitionKey() == key ? 1 : 0;
    for (const Ply& ply : m_plies) {
        if (ply.after.repetitionKey() == key)
            ++seen;
    }
    return seen >= 3;
}

bool ChessGame::fiftyMoves() const
{
    return m_current.halfmoveClock() >= 100;
}
