#include "ficsim/chess/ChessPosition.h"

#include <QList>

namespace {

const char HeldOrder[] = "PNBRQ";

int heldIndex(char piece)
{
    switch (ChessPosition::pieceType(piece)) {
    case 'p': return 0;
    case 'n': return 1;
    case 'b': return 2;
    case 'r': return 3;
    case 'q': return 4;
    default: return -1;
    }
}

int pieceValue(char piece)
{
    switch (ChessPosition::pieceType(piece)) {
    case 'p': return 1;
    case 'n':
    case 'b': return 3;
    case 'r': return 5;
    case 'q': return 9;
    default: return 0;
    }
}

bool isPieceLetter(char c)
{
    return QByteArray("PNBRQKpnbrqk").contains(c);
}

} // namespace

ChessPosition ChessPosition::initial()
{
    return *fromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
}

std::optional<ChessPosition> ChessPosition::fromFen(const QByteArray& fen)
{
    const QList<QByteArray> fields = fen.simplified().split(' ');
    if (fields.size() < 4)
        return std::nullopt;
    ChessPosition position;
    const QList<QByteArray> ranks = fields[0].split('/');
    if (ranks.size() != 8)
        return std::nullopt;
    for (int row = 0; row < 8; ++row) {
        int column = 0;
        for (const char c : ranks[row]) {
            if (c >= '1' && c <= '8') {
                column += c - '0';
            } else if (isPieceLetter(c) && column < 8) {
                position.m_board[(7 - row) * 8 + column] = c;
                ++column;
            } else {
                return std::nullopt;
            }
        }
        if (column != 8)
            return std::nullopt;
    }
    if (fields[1] != "w" && fields[1] != "b")
        return std::nullopt;
    position.m_whiteToMove = fields[1] == "w";
    for (const char c : fields[2]) {
        switch (c) {
        case 'K': position.m_castling |= WhiteShort; break;
        case 'Q': position.m_castling |= WhiteLong; break;
        case 'k': position.m_castling |= BlackShort; break;
        case 'q': position.m_castling |= BlackLong; break;
        case '-': break;
        default: return std::nullopt;
        }
    }
    if (fields[3] != "-") {
        position.m_enPassant = squareFromName(fields[3].constData());
        if (position.m_enPassant < 0)
            return std::nullopt;
    }
    position.m_halfmoveClock = fields.value(4, "0").toInt();
    position.m_fullmoveNumber = qMax(1, fields.value(5, "1").toInt());
    if (position.kingSquare(true) < 0 || position.kingSquare(false) < 0)
        return std::nullopt;
    return position;
}

std::optional<ChessPosition> ChessPosition::fromStyle12(const QByteArray& line)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 27 || fields[0] != "<12>")
        return std::nullopt;
    QByteArray placement;
    for (int rank = 1; rank <= 8; ++rank) {
        QByteArray row = fields[rank];
        if (row.size() != 8)
            return std::nullopt;
        // FEN counts empty squares; "-" marks each of them here.
        for (char digit = '8'; digit >= '1'; --digit)
            row.replace(QByteArray(digit - '0', '-'), QByteArray(1, digit));
        placement += row + (rank < 8 ? "/" : "");
    }
    const bool white = fields[9] == "W";
    QByteArray rights;
    if (fields[11] == "1")
        rights += 'K';
    if (fields[12] == "1")
        rights += 'Q';
    if (fields[13] == "1")
        rights += 'k';
    if (fields[14] == "1")
        rights += 'q';
    const int file = fields[10].toInt();
    QByteArray passant = "-";
    if (file >= 0 && file <= 7)
        passant = QByteArray(1, char('a' + file)) + (white ? '6' : '3');
    return fromFen(placement + (white ? " w " : " b ") + (rights.isEmpty() ? "-" : rights) + ' ' +
                   passant + ' ' + QByteArray::number(qMax(0, fields[15].toInt())) + ' ' +
                   fields[26]);
}

QByteArray ChessPosition::fen() const
{
    QByteArray out;
    for (int row = 7; row >= 0; --row) {
        int empty = 0;
        for (int column = 0; column < 8; ++column) {
            const char piece = m_board[row * 8 + column];
            if (!piece) {
                ++empty;
                continue;
            }
            if (empty)
                out += char('0' + empty);
            empty = 0;
            out += piece;
        }
        if (empty)
            out += char('0' + empty);
        if (row)
            out += '/';
    }
    out += m_whiteToMove ? " w " : " b ";
    QByteArray rights;
    if (m_castling & WhiteShort)
        rights += 'K';
    if (m_castling & WhiteLong)
        rights += 'Q';
    if (m_castling & BlackShort)
        rights += 'k';
    if (m_castling & BlackLong)
        rights += 'q';
    out += rights.isEmpty() ? QByteArray("-") : rights;
    out += ' ' + (m_enPassant >= 0 ? squareName(m_enPassant) : QByteArray("-"));
    out += ' ' + QByteArray::number(m_halfmoveClock) + ' ' + QByteArray::number(m_fullmoveNumber);
    return out;
}

int ChessPosition::kingSquare(bool white) const
{
    const char king = white ? 'K' : 'k';
    for (int square = 0; square < 64; ++square) {
        if (m_board[square] == king)
            return square;
    }
    return -1;
}

int ChessPosition::held(bool white, char piece) const
{
    const int index = heldIndex(piece);
    return index < 0 ? 0 : m_held[white][index];
}

void ChessPosition::addHeld(bool white, char piece, int count)
{
    const int index = heldIndex(piece);
    if (index >= 0)
        m_held[white][index] = qMax(0, m_held[white][index] + count);
}

QByteArray ChessPosition::holdings(bool white) const
{
    QByteArray out;
    for (int index = 0; index < 5; ++index)
        out += QByteArray(m_held[white][index], HeldOrder[index]);
    return out;
}

char ChessPosition::play(const ChessMove& move)
{
    const bool white = m_whiteToMove;
    char captured = 0;
    int newEnPassant = -1;
    if (move.isDrop()) {
        const char piece = white ? move.drop : pieceType(move.drop);
        m_board[move.to] = piece;
        addHeld(white, move.drop, -1);
        if (pieceType(piece) == 'p')
            m_halfmoveClock = 0;
        else
            ++m_halfmoveClock;
    } else {
        const char piece = m_board[move.from];
        captured = m_board[move.to];
        const char type = pieceType(piece);
        if (type == 'p' && move.to == m_enPassant && !captured) {
            const int victim = move.to + (white ? -8 : 8);
            captured = m_board[victim];
            m_board[victim] = 0;
        }
        m_board[move.to] = piece;
        m_board[move.from] = 0;
        if (type == 'p' && move.promotion)
            m_board[move.to] = white ? char(move.promotion & ~0x20) : move.promotion;
        if (type == 'p' && qAbs(move.to - move.from) == 16)
            newEnPassant = (move.from + move.to) / 2;
        if (type == 'k' && qAbs(move.to - move.from) == 2) {
            const bool shortSide = move.to > move.from;
            const int rookFrom = shortSide ? move.from + 3 : move.from - 4;
            const int rookTo = shortSide ? move.from + 1 : move.from - 1;
            m_board[rookTo] = m_board[rookFrom];
            m_board[rookFrom] = 0;
        }
        // A king or rook leaving its square, or a rook captured on its square, ends that right.
        for (const int square : {move.from, move.to}) {
            switch (square) {
            case 4: m_castling &= ~(WhiteShort | WhiteLong); break;
            case 60: m_castling &= ~(BlackShort | BlackLong); break;
            case 0: m_castling &= ~WhiteLong; break;
            case 7: m_castling &= ~WhiteShort; break;
            case 56: m_castling &= ~BlackLong; break;
            case 63: m_castling &= ~BlackShort; break;
            default: break;
            }
        }
        if (type == 'p' || captured)
            m_halfmoveClock = 0;
        else
            ++m_halfmoveClock;
    }
    m_enPassant = newEnPassant;
    if (!white)
        ++m_fullmoveNumber;
    m_whiteToMove = !white;
    return captured;
}

QByteArray ChessPosition::repetitionKey() const
{
    QByteArray key(m_board.data(), 64);
    key += char(m_whiteToMove) + char(m_castling);
    // An en passant square counts only when a pawn could take there.
    if (m_enPassant >= 0) {
        const char pawn = m_whiteToMove ? 'P' : 'p';
        const int behind = m_enPassant + (m_whiteToMove ? -8 : 8);
        for (const int side : {-1, 1}) {
            const int square = behind + side;
            if (file(behind) + side >= 0 && file(behind) + side < 8 && m_board[square] == pawn)
                key += char(m_enPassant);
        }
    }
    return key + holdings(true) + '/' + holdings(false);
}

QByteArray ChessPosition::style12Ranks() const
{
    QByteArray out;
    for (int row = 7; row >= 0; --row) {
        for (int column = 0; column < 8; ++column) {
            const char piece = m_board[row * 8 + column];
            out += piece ? piece : '-';
        }
        if (row)
            out += ' ';
    }
    return out;
}

int ChessPosition::doublePushFile() const
{
    return m_enPassant < 0 ? -1 : file(m_enPassant);
}

int ChessPosition::strength(bool white) const
{
    int sum = 0;
    for (const char piece : m_board) {
        if (piece && isWhitePiece(piece) == white)
            sum += pieceValue(piece);
    }
    return sum;
}

bool ChessPosition::canMate(bool white) const
{
    if (!holdings(white).isEmpty())
        return true;
    int minors = 0;
    for (const char piece : m_board) {
        if (!piece || isWhitePiece(piece) != white)
            continue;
        const char type = pieceType(piece);
        if (type == 'p' || type == 'r' || type == 'q')
            return true;
        if (type == 'n' || type == 'b')
            ++minors;
    }
    return minors >= 2;
}

QByteArray ChessPosition::squareName(int square)
{
    return QByteArray(1, char('a' + file(square))) + char('1' + rank(square));
}

int ChessPosition::squareFromName(const char* text)
{
    if (text[0] < 'a' || text[0] > 'h' || text[1] < '1' || text[1] > '8')
        return -1;
    return (text[1] - '1') * 8 + (text[0] - 'a');
}
