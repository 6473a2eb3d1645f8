#include "Style12Lines.h"

#include "games/ParseStyle12.h"

#include <QTest>
#include <array>

QByteArray Style12Line::text() const
{
    return "<12> " + ranks + (whitesMove ? " W" : " B") + " -1 1 1 1 1 0 " +
           QByteArray::number(game) + ' ' + white + ' ' + black + ' ' +
           QByteArray::number(relation) + ' ' + QByteArray::number(initialMinutes) + ' ' +
           QByteArray::number(increment) + ' ' + QByteArray::number(whiteStrength) + ' ' +
           QByteArray::number(blackStrength) + ' ' + QByteArray::number(whiteSeconds) + ' ' +
           QByteArray::number(blackSeconds) + ' ' + QByteArray::number(moveNumber) + ' ' +
           verboseMove + " (0:00) " + prettyMove + ' ' + QByteArray::number(flip);
}

Style12Record Style12Line::record() const
{
    Style12Record record;
    const bool parsed = ParseStyle12(text(), record);
    if (!parsed)
        QTest::qFail("test line does not parse", __FILE__, __LINE__);
    return record;
}

Style12Line Style12Line::openingPly(int ply, int game, int relation)
{
    struct Ply
    {
        const char* ranks;
        const char* verbose;
        const char* pretty;
    };
    static constexpr std::array<Ply, 5> Plies{{
        {"rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP RNBQKBNR", "none",
         "none"},
        {"rnbqkbnr pppppppp -------- -------- ----P--- -------- PPPP-PPP RNBQKBNR", "P/e2-e4",
         "e4"},
        {"rnbqkbnr pppp-ppp -------- ----p--- ----P--- -------- PPPP-PPP RNBQKBNR", "P/e7-e5",
         "e5"},
        {"rnbqkbnr pppp-ppp -------- ----p--- ----P--- -----N-- PPPP-PPP RNBQKB-R", "N/g1-f3",
         "Nf3"},
        {"r-bqkbnr pppp-ppp --n----- ----p--- ----P--- -----N-- PPPP-PPP RNBQKB-R", "N/b8-c6",
         "Nc6"},
    }};
    Style12Line line;
    line.ranks = Plies[ply].ranks;
    line.verboseMove = Plies[ply].verbose;
    line.prettyMove = Plies[ply].pretty;
    line.whitesMove = ply % 2 == 0;
    line.moveNumber = ply / 2 + 1;
    line.game = game;
    line.relation = relation;
    return line;
}
