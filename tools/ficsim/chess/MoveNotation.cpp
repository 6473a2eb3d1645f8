#include "ficsim/chess/MoveNotation.h"

#include "ficsim/chess/ChessPosition.h"
#include "ficsim/chess/MoveGenerator.h"

#include <QRegularExpression>

namespace MoveNotation {

namespace {

bool isCastling(const ChessPosition& position, const ChessMove& move)
{
    return !move.isDrop() && ChessPosition::pieceType(position.at(move.from)) == 'k' &&
           qAbs(move.to - move.from) == 2;
}

std::optional<ChessMove> single(const QList<ChessMove>& candidates)
{
    if (candidates.size() != 1)
        return std::nullopt;
    return candidates.first();
}

char promotionLetter(char c)
{
    const char lower = char(c | 0x20);
    return QByteArray("qrbn").contains(lower) ? lower : 0;
}

std::optional<ChessMove> parseCastling(const ChessPosition& position, const QByteArray& text,
                                       const QList<ChessMove>& legal)
{
    QByteArray normal = text.toLower();
    normal.replace('0', 'o');
    if (normal != "o-o" && normal != "o-o-o")
        return std::nullopt;
    const int king = position.whiteToMove() ? 4 : 60;
    const int target = normal == "o-o" ? king + 2 : king - 2;
    QList<ChessMove> found;
    for (const ChessMove& move : legal) {
        if (move.from == king && move.to == target && isCastling(position, move))
            found.append(move);
    }
    return single(found);
}

std::optional<ChessMove> parseDrop(const QByteArray& text, const QList<ChessMove>& legal)
{
    if (text.size() != 4 || text[1] != '@')
        return std::nullopt;
    const char piece = char(text[0] & ~0x20);
    const int to = ChessPosition::squareFromName(text.constData() + 2);
    for (const ChessMove& move : legal) {
        if (move.isDrop() && move.drop == piece && move.to == to)
            return move;
    }
    return std::nullopt;
}

std::optional<ChessMove> parseCoordinate(const QByteArray& text, const QList<ChessMove>& legal,
                                         char promotion)
{
    QByteArray compact = text.toLower();
    compact.replace("-", "").replace("=", "");
    if (compact.size() < 4 || compact.size() > 5)
        return std::nullopt;
    const int from = ChessPosition::squareFromName(compact.constData());
    const int to = ChessPosition::squareFromName(compact.constData() + 2);
    if (from < 0 || to < 0)
        return std::nullopt;
    const char named = compact.size() == 5 ? promotionLetter(compact[4]) : 0;
    if (compact.size() == 5 && !named)
        return std::nullopt;
    QList<ChessMove> found;
    for (const ChessMove& move : legal) {
        if (move.from == from && move.to == to &&
            (!move.promotion || move.promotion == (named ? named : promotion)))
            found.append(move);
    }
    return single(found);
}

// Short algebraic: [piece][from file][from rank][x]square[=promotion].
std::optional<ChessMove> parseSan(const ChessPosition& position, const QByteArray& text,
                                  const QList<ChessMove>& legal, char promotion)
{
    QByteArray rest = text;
    rest.replace("x", "");
    char named = 0;
    const int equals = rest.indexOf('=');
    if (equals >= 0) {
        named = promotionLetter(rest.at(qMin(equals + 1, rest.size() - 1)));
        if (!named || equals + 2 != rest.size())
            return std::nullopt;
        rest.truncate(equals);
    } else if (rest.size() >= 3 && rest[rest.size() - 2] >= '1' && rest[rest.size() - 2] <= '8' &&
               promotionLetter(rest.back())) {
        named = promotionLetter(rest.back()); // "e8Q"
        rest.chop(1);
    }
    char piece = 'p';
    if (!rest.isEmpty() && QByteArray("NBRQK").contains(rest[0])) {
        piece = char(rest[0] | 0x20);
        rest.remove(0, 1);
    }
    if (rest.size() < 2)
        return std::nullopt;
    const int to = ChessPosition::squareFromName(rest.constData() + rest.size() - 2);
    if (to < 0)
        return std::nullopt;
    const QByteArray hint = rest.left(rest.size() - 2);
    int fromFile = -1;
    int fromRank = -1;
    for (const char c : hint) {
        if (c >= 'a' && c <= 'h' && fromFile < 0)
            fromFile = c - 'a';
        else if (c >= '1' && c <= '8' && fromRank < 0)
            fromRank = c - '1';
        else
            return std::nullopt;
    }
    QList<ChessMove> found;
    for (const ChessMove& move : legal) {
        if (move.isDrop() || move.to != to ||
            ChessPosition::pieceType(position.at(move.from)) != piece)
            continue;
        if ((fromFile >= 0 && ChessPosition::file(move.from) != fromFile) ||
            (fromRank >= 0 && ChessPosition::rank(move.from) != fromRank))
            continue;
        if (move.promotion && move.promotion != (named ? named : promotion))
            continue;
        // A pawn's capture names its file: "exd5", never "d5" for it.
        if (piece == 'p' && fromFile < 0 && ChessPosition::file(move.from) != ChessPosition::file(to))
            continue;
        found.append(move);
    }
    return single(found);
}

} // namespace

bool looksLikeMove(const QByteArray& text)
{
    static const QRegularExpression shape(QStringLiteral(
        "^(?:[NBRQK]?[a-h]?[1-8]?x?[a-h][1-8](?:=?[QRBNqrbn])?"
        "|[a-h][1-8]-?[a-h][1-8]=?[QRBNqrbn]?"
        "|[oO0]-[oO0](?:-[oO0])?"
        "|[PNBRQpnbrq]@[a-h][1-8])[+#!?]*$"));
    return shape.match(QString::fromLatin1(text.trimmed())).hasMatch();
}

std::optional<ChessMove> parse(const ChessPosition& position, const QByteArray& text,
                               char promotion)
{
    QByteArray trimmed = text.trimmed();
    while (!trimmed.isEmpty() && QByteArray("+#!?").contains(trimmed.back()))
        trimmed.chop(1);
    if (trimmed.isEmpty())
        return std::nullopt;
    const QList<ChessMove> legal = MoveGenerator::legalMoves(position);
    if (auto move = parseCastling(position, trimmed, legal))
        return move;
    if (trimmed.contains('@'))
        return parseDrop(trimmed, legal);
    if (auto move = parseCoordinate(trimmed, legal, promotion))
        return move;
    return parseSan(position, trimmed, legal, promotion);
}

QByteArray san(const ChessPosition& before, const ChessMove& move)
{
    QByteArray text;
    if (move.isDrop()) {
        text = QByteArray(1, move.drop) + '@' + ChessPosition::squareName(move.to);
    } else if (isCastling(before, move)) {
        text = move.to > move.from ? "O-O" : "O-O-O";
    } else {
        const char type = ChessPosition::pieceType(before.at(move.from));
        const bool capture = before.at(move.to) || (type == 'p' && move.to == before.enPassantSquare());
        if (type == 'p') {
            if (capture)
                text += char('a' + ChessPosition::file(move.from));
        } else {
            text += char(type & ~0x20);
            bool sameFile = false;
            bool sameRank = false;
            bool ambiguous = false;
            for (const ChessMove& other : MoveGenerator::legalMoves(before)) {
                if (other.isDrop() || other.to != move.to || other.from == move.from ||
                    before.at(other.from) != before.at(move.from))
                    continue;
                ambiguous = true;
                sameFile |= ChessPosition::file(other.from) == ChessPosition::file(move.from);
                sameRank |= ChessPosition::rank(other.from) == ChessPosition::rank(move.from);
            }
            if (ambiguous && (!sameFile || sameRank))
                text += char('a' + ChessPosition::file(move.from));
            if (ambiguous && sameFile)
                text += char('1' + ChessPosition::rank(move.from));
        }
        if (capture)
            text += 'x';
        text += ChessPosition::squareName(move.to);
        if (move.promotion)
            text += '=' + QByteArray(1, char(move.promotion & ~0x20));
    }
    ChessPosition after = before;
    after.play(move);
    if (MoveGenerator::inCheck(after))
        text += '+';
    return text;
}

QByteArray verbose(const ChessPosition& before, const ChessMove& move)
{
    if (move.isDrop())
        return QByteArray(1, move.drop) + "/@@-" + ChessPosition::squareName(move.to);
    if (isCastling(before, move))
        return move.to > move.from ? "o-o" : "o-o-o";
    const char piece = char(ChessPosition::pieceType(before.at(move.from)) & ~0x20);
    return QByteArray(1, piece) + '/' + ChessPosition::squareName(move.from) + '-' +
           ChessPosition::squareName(move.to);
}

QByteArray coordinate(const ChessMove& move)
{
    if (move.isDrop())
        return QByteArray(1, move.drop) + '@' + ChessPosition::squareName(move.to);
    QByteArray text = ChessPosition::squareName(move.from) + ChessPosition::squareName(move.to);
    if (move.promotion)
        text += move.promotion;
    return text;
}

} // namespace MoveNotation
