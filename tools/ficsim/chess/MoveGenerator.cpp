#include "ficsim/chess/MoveGenerator.h"

#include "ficsim/chess/ChessPosition.h"

namespace MoveGenerator {

namespace {

constexpr int KnightSteps[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2},
                                   {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
constexpr int KingSteps[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1},
                                 {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr int RookRays[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr int BishopRays[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

// The square a step away, or -1 off the board.
int stepped(int square, int fileStep, int rankStep)
{
    const int file = ChessPosition::file(square) + fileStep;
    const int rank = ChessPosition::rank(square) + rankStep;
    if (file < 0 || file > 7 || rank < 0 || rank > 7)
        return -1;
    return rank * 8 + file;
}

bool ownPiece(char piece, bool white)
{
    return piece && ChessPosition::isWhitePiece(piece) == white;
}

void addPawnMove(QList<ChessMove>& moves, int from, int to)
{
    const int rank = ChessPosition::rank(to);
    if (rank == 0 || rank == 7) {
        for (const char promotion : {'q', 'r', 'b', 'n'})
            moves.append({from, to, promotion, 0});
    } else {
        moves.append({from, to, 0, 0});
    }
}

void pawnMoves(const ChessPosition& position, int from, QList<ChessMove>& moves)
{
    const bool white = position.whiteToMove();
    const int forward = white ? 1 : -1;
    const int one = stepped(from, 0, forward);
    if (one >= 0 && !position.at(one)) {
        addPawnMove(moves, from, one);
        const int startRank = white ? 1 : 6;
        const int two = stepped(from, 0, 2 * forward);
        if (ChessPosition::rank(from) == startRank && !position.at(two))
            moves.append({from, two, 0, 0});
    }
    for (const int side : {-1, 1}) {
        const int target = stepped(from, side, forward);
        if (target < 0)
            continue;
        const char victim = position.at(target);
        if ((victim && !ownPiece(victim, white)) || target == position.enPassantSquare())
            addPawnMove(moves, from, target);
    }
}

void stepMoves(const ChessPosition& position, int from, const int (*steps)[2],
               QList<ChessMove>& moves)
{
    for (int i = 0; i < 8; ++i) {
        const int target = stepped(from, steps[i][0], steps[i][1]);
        if (target >= 0 && !ownPiece(position.at(target), position.whiteToMove()))
            moves.append({from, target, 0, 0});
    }
}

void rayMoves(const ChessPosition& position, int from, const int (*rays)[2],
              QList<ChessMove>& moves)
{
    for (int i = 0; i < 4; ++i) {
        int target = from;
        while ((target = stepped(target, rays[i][0], rays[i][1])) >= 0) {
            const char piece = position.at(target);
            if (ownPiece(piece, position.whiteToMove()))
                break;
            moves.append({from, target, 0, 0});
            if (piece)
                break;
        }
    }
}

void castlingMoves(const ChessPosition& position, QList<ChessMove>& moves)
{
    const bool white = position.whiteToMove();
    const int king = white ? 4 : 60;
    const char rook = white ? 'R' : 'r';
    if (position.at(king) != (white ? 'K' : 'k') || isAttacked(position, king, !white))
        return;
    const int shortRight = white ? ChessPosition::WhiteShort : ChessPosition::BlackShort;
    const int longRight = white ? ChessPosition::WhiteLong : ChessPosition::BlackLong;
    if ((position.castling() & shortRight) && position.at(king + 3) == rook &&
        !position.at(king + 1) && !position.at(king + 2) &&
        !isAttacked(position, king + 1, !white) && !isAttacked(position, king + 2, !white))
        moves.append({king, king + 2, 0, 0});
    if ((position.castling() & longRight) && position.at(king - 4) == rook &&
        !position.at(king - 1) && !position.at(king - 2) && !position.at(king - 3) &&
        !isAttacked(position, king - 1, !white) && !isAttacked(position, king - 2, !white))
        moves.append({king, king - 2, 0, 0});
}

void dropMoves(const ChessPosition& position, QList<ChessMove>& moves)
{
    const bool white = position.whiteToMove();
    for (const char piece : {'P', 'N', 'B', 'R', 'Q'}) {
        if (!position.held(white, piece))
            continue;
        for (int square = 0; square < 64; ++square) {
            const int rank = ChessPosition::rank(square);
            if (!position.at(square) && !(piece == 'P' && (rank == 0 || rank == 7)))
                moves.append({-1, square, 0, piece});
        }
    }
}

QList<ChessMove> pseudoLegalMoves(const ChessPosition& position)
{
    QList<ChessMove> moves;
    moves.reserve(64);
    for (int from = 0; from < 64; ++from) {
        const char piece = position.at(from);
        if (!ownPiece(piece, position.whiteToMove()))
            continue;
        switch (ChessPosition::pieceType(piece)) {
        case 'p': pawnMoves(position, from, moves); break;
        case 'n': stepMoves(position, from, KnightSteps, moves); break;
        case 'k': stepMoves(position, from, KingSteps, moves); break;
        case 'b': rayMoves(position, from, BishopRays, moves); break;
        case 'r': rayMoves(position, from, RookRays, moves); break;
        case 'q':
            rayMoves(position, from, BishopRays, moves);
            rayMoves(position, from, RookRays, moves);
            break;
        default: break;
        }
    }
    castlingMoves(position, moves);
    dropMoves(position, moves);
    return moves;
}

bool attackedByStep(const ChessPosition& position, int square, const int (*steps)[2], char piece)
{
    for (int i = 0; i < 8; ++i) {
        const int from = stepped(square, steps[i][0], steps[i][1]);
        if (from >= 0 && position.at(from) == piece)
            return true;
    }
    return false;
}

bool attackedByRay(const ChessPosition& position, int square, const int (*rays)[2], char slider,
                   char queen)
{
    for (int i = 0; i < 4; ++i) {
        int from = square;
        while ((from = stepped(from, rays[i][0], rays[i][1])) >= 0) {
            const char piece = position.at(from);
            if (piece == slider || piece == queen)
                return true;
            if (piece)
                break;
        }
    }
    return false;
}

} // namespace

bool isAttacked(const ChessPosition& position, int square, bool byWhite)
{
    const auto own = [byWhite](char piece) { return byWhite ? char(piece & ~0x20) : piece; };
    // A pawn attacks diagonally forward, so it stands diagonally behind the square.
    const int behind = byWhite ? -1 : 1;
    for (const int side : {-1, 1}) {
        const int from = stepped(square, side, behind);
        if (from >= 0 && position.at(from) == own('p'))
            return true;
    }
    return attackedByStep(position, square, KnightSteps, own('n')) ||
           attackedByStep(position, square, KingSteps, own('k')) ||
           attackedByRay(position, square, BishopRays, own('b'), own('q')) ||
           attackedByRay(position, square, RookRays, own('r'), own('q'));
}

bool inCheck(const ChessPosition& position)
{
    const int king = position.kingSquare(position.whiteToMove());
    return king >= 0 && isAttacked(position, king, !position.whiteToMove());
}

QList<ChessMove> legalMoves(const ChessPosition& position)
{
    QList<ChessMove> legal;
    const bool white = position.whiteToMove();
    for (const ChessMove& move : pseudoLegalMoves(position)) {
        ChessPosition after = position;
        after.play(move);
        const int king = after.kingSquare(white);
        if (king >= 0 && !isAttacked(after, king, !white))
            legal.append(move);
    }
    return legal;
}

quint64 perft(const ChessPosition& position, int depth)
{
    const QList<ChessMove> moves = legalMoves(position);
    if (depth <= 1)
        return depth == 1 ? quint64(moves.size()) : 1;
    quint64 count = 0;
    for (const ChessMove& move : moves) {
        ChessPosition after = position;
        after.play(move);
        count += perft(after, depth - 1);
    }
    return count;
}

} // namespace MoveGenerator
