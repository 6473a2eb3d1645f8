#pragma once

#include "ficsim/chess/ChessMove.h"

#include <QByteArray>

#include <array>
#include <optional>

// A chess position: pieces, side to move, castling rights, the en passant square, the
// move counters and, for bughouse, the pieces each side holds for dropping.
// Pieces are the letters of FEN: "PNBRQK" white, "pnbrqk" black, 0 for an empty square.
class ChessPosition
{
public:
    enum Castling
    {
        WhiteShort = 1,
        WhiteLong = 2,
        BlackShort = 4,
        BlackLong = 8
    };

    static ChessPosition initial();
    static std::optional<ChessPosition> fromFen(const QByteArray& fen);
    QByteArray fen() const;
    // The position of a style 12 line ("<12> rnbqkbnr pppppppp ... W -1 1 1 1 1 0 ...").
    static std::optional<ChessPosition> fromStyle12(const QByteArray& line);

    char at(int square) const { return m_board[square]; }
    void put(int square, char piece) { m_board[square] = piece; }
    bool whiteToMove() const { return m_whiteToMove; }
    int castling() const { return m_castling; }
    int enPassantSquare() const { return m_enPassant; } // -1 when none
    int halfmoveClock() const { return m_halfmoveClock; }
    int fullmoveNumber() const { return m_fullmoveNumber; }
    int kingSquare(bool white) const;

    // Holdings for drops, counted per piece letter ("PNBRQ", upper case for either side).
    int held(bool white, char piece) const;
    void addHeld(bool white, char piece, int count = 1);
    QByteArray holdings(bool white) const; // e.g. "PPN"

    // Plays a move that the caller has checked; returns the captured piece (0 for none).
    char play(const ChessMove& move);

    // The position's identity for repetition: pieces, side, castling, en passant.
    QByteArray repetitionKey() const;

    // The eight rank strings of a style 12 line, rank 8 first, "-" for empty squares.
    QByteArray style12Ranks() const;
    // The file of a pawn that just moved two squares, -1 when none.
    int doublePushFile() const;
    // Material by the usual counting (pawn 1, minor 3, rook 5, queen 9).
    int strength(bool white) const;
    // Whether a side has the material to mate at all: a pawn, rook or queen, two minor
    // pieces, or pieces in hand.
    bool canMate(bool white) const;

    static bool isWhitePiece(char piece) { return piece >= 'A' && piece <= 'Z'; }
    static char pieceType(char piece) { return char(piece | 0x20); } // lower case
    static int file(int square) { return square & 7; }
    static int rank(int square) { return square >> 3; }
    static QByteArray squareName(int square);
    static int squareFromName(const char* text); // -1 when not a square

private:
    std::array<char, 64> m_board{};
    bool m_whiteToMove = true;
    int m_castling = 0;
    int m_enPassant = -1;
    int m_halfmoveClock = 0;
    int m_fullmoveNumber = 1;
    std::array<std::array<int, 5>, 2> m_held{}; // [black, white][P N B R Q]
};
