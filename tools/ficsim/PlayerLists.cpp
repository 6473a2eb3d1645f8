#include "ficsim/PlayerLists.h"

#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsSession.h"
#include "ficsim/GameReferee.h"
#include "ficsim/ServerVariables.h"

#include <QLocale>

namespace PlayerLists {

namespace {

QByteArray num(qint64 value, int width = 0)
{
    return QByteArray::number(value).rightJustified(width);
}

// "[ bu  5   0]"
QByteArray typeColumn(const ServerGame::Setup& setup)
{
    const int expected = setup.minutes * 60 + setup.increment * 40;
    const char speed = setup.bughouse ? 'B' : expected < 180 ? 'l' : expected < 900 ? 'b' : 's';
    return QByteArray("[ ") + speed + (setup.rated ? 'r' : 'u') + num(setup.minutes, 3) + ' ' +
           num(setup.increment, 3) + ']';
}

// "Thu Dec 10 12:20:54 2026", as the server writes a date.
QByteArray dateColumn(const QDateTime& when)
{
    return QLocale::c()
        .toString(when, QStringLiteral("ddd MMM %1 HH:mm:ss yyyy"))
        .arg(when.date().day(), 2)
        .toLatin1();
}

QByteArray ratingOf(FakeFicsServer& server, const QByteArray& handle)
{
    return server.isRegistered(handle) ? num(0, 4) : QByteArray("++++");
}

bool same(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The handle as the server knows it: logged in or registered; empty for nobody.
QByteArray known(FakeFicsServer& server, const QByteArray& handle)
{
    if (FakeFicsSession* session = server.sessionOf(handle))
        return session->handle();
    if (const auto account = server.account(handle))
        return account->handle;
    return {};
}

QByteArray nobody(const QByteArray& handle)
{
    return "There is no player matching the name " + handle.toLower() + '.';
}

} // namespace

QList<QByteArray> history(FakeFicsServer& server, const QByteArray& asked)
{
    const QByteArray handle = known(server, asked);
    if (handle.isEmpty())
        return {nobody(asked)};
    const QList<GameReferee::Finished> games = server.referee().finishedOf(handle);
    if (games.isEmpty())
        return {handle + " has no history games."};
    QList<QByteArray> lines{"History for " + handle + ':',
                            "                  Opponent      Type         ECO End Date"};
    const qsizetype first = qMax<qsizetype>(0, games.size() - 10);
    for (qsizetype i = first; i < games.size(); ++i) {
        const GameReferee::Finished& game = games[i];
        const bool white = same(game.setup.white, handle);
        const QByteArray opponent = white ? game.setup.black : game.setup.white;
        const char outcome = game.winner.isEmpty() ? '=' : same(game.winner, handle) ? '+' : '-';
        lines << num(i, 2) + ": " + outcome + ' ' + ratingOf(server, handle) + ' ' +
                     (white ? 'W' : 'B') + ' ' + ratingOf(server, opponent) + ' ' +
                     opponent.leftJustified(14) + typeColumn(game.setup) + " *** " +
                     game.ending.leftJustified(3) + ' ' + dateColumn(game.when);
    }
    return lines;
}

QList<QByteArray> stored(FakeFicsServer& server, const QByteArray& asked)
{
    const QByteArray handle = known(server, asked);
    if (handle.isEmpty())
        return {nobody(asked)};
    const QList<GameReferee::Finished> games = server.referee().adjournedOf(handle);
    if (games.isEmpty())
        return {handle + " has no adjourned games."};
    QList<QByteArray> lines{"Stored games for " + handle + ':',
                            "    C Opponent       On Type          Str  M    ECO Date"};
    for (qsizetype i = 0; i < games.size(); ++i) {
        const GameReferee::Finished& game = games[i];
        const bool white = same(game.setup.white, handle);
        const QByteArray opponent = white ? game.setup.black : game.setup.white;
        lines << num(i + 1, 2) + ": " + (white ? 'W' : 'B') + ' ' + opponent.leftJustified(15) +
                     ' ' + (server.sessionOf(opponent) ? 'Y' : 'N') + ' ' +
                     typeColumn(game.setup) + ' ' + game.strength.leftJustified(5) + ' ' +
                     game.nextMove.leftJustified(3) + "  *** " + dateColumn(game.when);
    }
    return lines;
}

QList<QByteArray> journal(FakeFicsServer& server, const QByteArray& asked)
{
    const QByteArray handle = known(server, asked);
    if (handle.isEmpty())
        return {nobody(asked)};
    if (!server.isRegistered(handle))
        return {"Sorry, no journal information available."};
    // Two games of the past, the same for every registered account.
    const auto row = [](int slot, const QByteArray& white, const QByteArray& whiteRating,
                        const QByteArray& black, const QByteArray& blackRating,
                        const QByteArray& type, const QByteArray& eco, const QByteArray& end,
                        const QByteArray& result) {
        return '%' + QByteArray::number(slot).rightJustified(2, '0') + ": " +
               white.leftJustified(14) + whiteRating.rightJustified(4) + "    " +
               black.leftJustified(14) + blackRating.rightJustified(4) + "    " + type + ' ' +
               eco + ' ' + end + ' ' + result;
    };
    return {"Journal for " + handle + ':',
            "   White         Rating  Black         Rating  Type         ECO End Result",
            row(1, handle, "1558", "Rookwell", "1850", "[ br  5   0]", "C50", "Res", "1-0"),
            row(2, "Pawnpusher", "1320", handle, "1558", "[ su 15   5]", "B01", "Agr", "1/2-1/2")};
}

QList<QByteArray> variables(FakeFicsServer& server, const QByteArray& asked)
{
    FakeFicsSession* player = server.sessionOf(asked);
    if (!player)
        return {known(server, asked).isEmpty() ? nobody(asked) : asked + " is not logged in."};
    QList<QByteArray> lines{"Variable settings of " + player->handle() + ':', ""};
    // Five columns, filled down each column as the server does.
    const auto& all = ServerVariables::Defaults;
    const qsizetype rows = (all.size() + 4) / 5;
    for (qsizetype row = 0; row < rows; ++row) {
        QByteArray line;
        for (qsizetype column = 0; column < 5; ++column) {
            const qsizetype index = column * rows + row;
            if (index >= all.size())
                break;
            const QByteArray& name = all[index].first;
            line += (name + '=' + player->variable(name)).leftJustified(16);
        }
        lines << line.trimmed();
    }
    lines << "";
    const QByteArray interface = player->variable("interface");
    if (!interface.isEmpty())
        lines << "Interface: \"" + interface + '"';
    return lines;
}

QList<QByteArray> finger(FakeFicsServer& server, const QByteArray& asked)
{
    const QByteArray handle = known(server, asked);
    if (handle.isEmpty())
        return {nobody(asked)};
    FakeFicsSession* session = server.sessionOf(handle);
    const QByteArray presence = session ? "On for: " + num(session->minutesOn()) + " mins   Idle: 0 secs"
                                        : QByteArray("Last disconnected: (unknown)");
    QList<QByteArray> lines{"", "Statistics for " + handle.leftJustified(12) + presence, ""};
    if (!server.isRegistered(handle)) {
        lines << handle + " is NOT a registered player.";
        return lines;
    }
    lines << "         rating     RD     win   loss   draw  total   best";
    const QList<GameReferee::Finished> games = server.referee().finishedOf(handle);
    for (const char* speed : {"Blitz", "Standard", "Lightning", "Wild"}) {
        int win = 0, loss = 0, draw = 0;
        for (const GameReferee::Finished& game : games) {
            const int expected = game.setup.minutes * 60 + game.setup.increment * 40;
            const QByteArray kind = game.setup.bughouse ? "Wild"
                                    : expected < 180    ? "Lightning"
                                    : expected < 900    ? "Blitz"
                                                        : "Standard";
            if (kind != speed || !game.setup.rated)
                continue;
            if (game.winner.isEmpty())
                ++draw;
            else if (same(game.winner, handle))
                ++win;
            else
                ++loss;
        }
        lines << QByteArray(speed).leftJustified(10) + "----    350.0" + num(win, 7) +
                     num(loss, 7) + num(draw, 7) + num(win + loss + draw, 7);
    }
    lines << "" << "Address    : " + handle.toLower() + "@localhost";
    return lines;
}

} // namespace PlayerLists
