#include "ficsim/RandomMover.h"

#include "ficsim/chess/ChessPosition.h"
#include "ficsim/chess/MoveGenerator.h"

#include <QRandomGenerator>
#include <QTimer>

RandomMover::RandomMover(int pauseMs, QObject* parent) : MoveChooser(parent), m_pauseMs(pauseMs) {}

void RandomMover::choose(const ChessPosition& position, qint64 remainingMs)
{
    const QList<ChessMove> moves = MoveGenerator::legalMoves(position);
    if (moves.isEmpty())
        return;
    const ChessMove move = moves.at(QRandomGenerator::global()->bounded(int(moves.size())));
    // Never let the pause lose on time.
    const int pause = int(qBound(qint64(0), remainingMs / 20, qint64(m_pauseMs)));
    QTimer::singleShot(pause, this, [this, move] { Q_EMIT chosen(move); });
}
