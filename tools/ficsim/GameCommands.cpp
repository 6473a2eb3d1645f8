#include "ficsim/GameCommands.h"

#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsSession.h"
#include "ficsim/GameReferee.h"

namespace {

// Command codes the server puts into block replies.
enum Code
{
    Abort = 10,
    Accept = 11,
    Adjourn = 13,
    AllObservers = 14,
    Backward = 16,
    Decline = 33,
    Draw = 34,
    Examine = 36,
    Flag = 38,
    Forward = 42,
    Games = 43,
    Match = 73,
    Moves = 77,
    Observe = 80,
    Partner = 84,
    Promote = 92,
    Refresh = 101,
    Resign = 103,
    Revert = 105,
    Takeback = 131,
    Unexamine = 137,
    Unobserve = 138,
    Withdraw = 147,
    Move = 0,
};

using Reply = FakeFicsCommands::Reply;

bool same(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray ratingOf(FakeFicsServer& server, const QByteArray& handle)
{
    return server.isRegistered(handle) ? "(----)" : "(++++)";
}

QByteArray speedOf(int minutes, int increment)
{
    const int expected = minutes * 60 + increment * 40;
    return expected < 180 ? "lightning" : expected < 900 ? "blitz" : "standard";
}

// "alice (----) [white] bob (----) rated blitz 5 0" as the offer lines name a match.
QByteArray offerText(FakeFicsServer& server, const FakeFicsServer::Challenge& offer)
{
    QByteArray text = offer.from + ' ' + ratingOf(server, offer.from) + ' ';
    if (!offer.colour.isEmpty())
        text += '[' + offer.colour + "] ";
    text += offer.to + ' ' + ratingOf(server, offer.to) + ' ' +
            (offer.rated ? "rated " : "unrated ") +
            (offer.bughouse ? QByteArray("wild") : speedOf(offer.minutes, offer.increment)) + ' ' +
            QByteArray::number(offer.minutes) + ' ' + QByteArray::number(offer.increment);
    if (offer.bughouse)
        text += " Loaded from wild/bughouse";
    return text + '.';
}

int intOr(const QByteArray& word, int fallback)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    return ok ? value : fallback;
}

QByteArray partnerOf(FakeFicsServer& server, const QByteArray& handle)
{
    return server.partners().value(handle.toLower());
}

} // namespace

std::optional<Reply> GameCommands::run(FakeFicsSession& session, FakeFicsServer& server,
                                       const QList<QByteArray>& words, const QByteArray& line)
{
    GameReferee& referee = server.referee();
    const QByteArray me = session.handle();
    const QByteArray word = words.first().toLower();
    const QByteArray argument = words.value(1);
    if (auto moved = referee.move(me, line.trimmed()))
        return Reply{Move, *moved};
    if (word == "match")
        return match(session, server, words);
    if (word == "accept") {
        if (argument.isEmpty())
            if (auto answered = referee.acceptOffer(me))
                return Reply{Accept, *answered};
        return accept(session, server, argument);
    }
    if (word == "decline") {
        if (argument.isEmpty())
            if (auto answered = referee.declineOffer(me))
                return Reply{Decline, *answered};
        return decline(session, server, argument);
    }
    if (word == "withdraw")
        return withdraw(session, server);
    if (word == "partner")
        return partner(session, server, argument);
    if (word == "resign")
        return Reply{Resign, referee.resign(me)};
    if (word == "draw")
        return Reply{Draw, referee.offer(me, ServerGame::Offer::Draw)};
    if (word == "abort")
        return Reply{Abort, referee.offer(me, ServerGame::Offer::Abort)};
    if (word == "adjourn")
        return Reply{Adjourn, referee.offer(me, ServerGame::Offer::Adjourn)};
    if (word == "takeback")
        return Reply{Takeback, referee.offer(me, ServerGame::Offer::Takeback, intOr(argument, 1))};
    if (word == "flag")
        return Reply{Flag, referee.flag(me)};
    if (word == "refresh")
        return Reply{Refresh, referee.refresh(me)};
    if (word == "moves")
        return Reply{Moves, referee.moves(me, argument)};
    if (word == "promote")
        return Reply{Promote, referee.promote(me, argument)};
    if (word == "observe" || word == "obs")
        return Reply{Observe, referee.observe(me, argument)};
    if (word == "unobserve" || word == "unobs")
        return Reply{Unobserve, referee.unobserve(me, argument)};
    if (word == "examine" || word == "ex")
        return Reply{Examine, referee.examine(me)};
    if (word == "forward")
        return Reply{Forward, referee.step(me, intOr(argument, 1))};
    if (word == "backward" || word == "back")
        return Reply{Backward, referee.step(me, -intOr(argument, 1))};
    if (word == "revert")
        return Reply{Revert, referee.revert(me)};
    if (word == "unexamine" || word == "unex")
        return Reply{Unexamine, referee.unexamine(me)};
    if (word == "allobservers")
        return Reply{AllObservers, referee.allObservers(me)};
    if (word == "games")
        return Reply{Games, referee.gamesList()};
    return std::nullopt;
}

Reply GameCommands::match(FakeFicsSession& session, FakeFicsServer& server,
                          const QList<QByteArray>& words)
{
    const QByteArray me = session.handle();
    if (words.size() < 2)
        return {Match, {"Usage: match <player> [time inc] [rated|unrated] [white|black]"}};
    FakeFicsSession* target = server.sessionOf(words[1]);
    if (!target)
        return {Match, {"No user named \"" + words[1] + "\" is logged in."}};
    const QByteArray other = target->handle();
    if (same(other, me))
        return {Match, {"You can't match yourself."}};
    if (server.referee().isPlaying(me))
        return {Match, {"You can't challenge while you are playing a game."}};
    if (server.referee().isPlaying(other))
        return {Match, {other + " is playing a game."}};
    FakeFicsServer::Challenge offer{me, other, 5, 0, false, {}, false};
    QList<int> numbers;
    for (int i = 2; i < words.size(); ++i) {
        const QByteArray word = words[i].toLower();
        bool isNumber = false;
        const int value = word.toInt(&isNumber);
        if (isNumber && numbers.size() < 2)
            numbers << value;
        else if (word == "r" || word == "rated")
            offer.rated = true;
        else if (word == "u" || word == "unrated")
            offer.rated = false;
        else if (word == "w" || word == "white")
            offer.colour = "white";
        else if (word == "b" || word == "black")
            offer.colour = "black";
        else if (word == "bughouse" || word == "bug")
            offer.bughouse = true;
        else
            return {Match, {"No such category/board."}};
    }
    offer.minutes = numbers.value(0, 5);
    offer.increment = numbers.value(1, 0);
    if (offer.minutes == 0 && offer.increment == 0)
        offer.minutes = 5;
    QList<QByteArray> reply;
    if (!server.isRegistered(me) || !server.isRegistered(other))
        offer.rated = false;
    if (offer.bughouse) {
        if (partnerOf(server, me).isEmpty())
            return {Match, {"You have no partner for bughouse."}};
        if (partnerOf(server, other).isEmpty())
            return {Match, {"Your opponent has no partner for bughouse."}};
        if (offer.rated)
            reply << "Game is bughouse - reverting to unrated";
        offer.rated = false;
    }
    QList<FakeFicsServer::Challenge>& challenges = server.challenges();
    for (int i = 0; i < challenges.size(); ++i) {
        if (same(challenges[i].from, me) && same(challenges[i].to, other)) {
            challenges.removeAt(i);
            reply << "Updating offer already made to \"" + other + "\".";
            break;
        }
    }
    challenges << offer;
    const QByteArray text = offerText(server, offer);
    reply << "Issuing: " + text;
    target->deliver({"Challenge: " + text,
                     "You can \"accept\" or \"decline\", or propose different parameters."});
    if (offer.bughouse) {
        const QByteArray mine = partnerOf(server, me);
        server.deliver(mine, {"Your bughouse partner issuing " + text});
    }
    return {Match, reply};
}

Reply GameCommands::accept(FakeFicsSession& session, FakeFicsServer& server,
                           const QByteArray& from)
{
    const QByteArray me = session.handle();
    QList<FakeFicsServer::Challenge>& challenges = server.challenges();
    for (int i = challenges.size() - 1; i >= 0; --i) {
        const FakeFicsServer::Challenge offer = challenges[i];
        if (!same(offer.to, me) || (!from.isEmpty() && !same(offer.from, from)))
            continue;
        if (server.referee().isPlaying(offer.from) || server.referee().isPlaying(me))
            return {Accept, {"You can't accept while a game is being played."}};
        // Accepting one offer ends every other offer of both players.
        for (int j = challenges.size() - 1; j >= 0; --j) {
            if (same(challenges[j].from, me) || same(challenges[j].to, me) ||
                same(challenges[j].from, offer.from) || same(challenges[j].to, offer.from))
                challenges.removeAt(j);
        }
        if (offer.bughouse)
            return {Accept, startBughouse(server, me, offer.from, offer.minutes, offer.increment,
                                          offer.colour)};
        return {Accept, startMatch(server, me, offer.from, offer.minutes, offer.increment,
                                   offer.rated, offer.colour,
                                   "You accept the challenge of " + offer.from + '.',
                                   me + " accepts your challenge.")};
    }
    return {Accept, {"You have no offers to accept."}};
}

Reply GameCommands::decline(FakeFicsSession& session, FakeFicsServer& server,
                            const QByteArray& from)
{
    const QByteArray me = session.handle();
    QList<FakeFicsServer::Challenge>& challenges = server.challenges();
    for (int i = challenges.size() - 1; i >= 0; --i) {
        if (!same(challenges[i].to, me) || (!from.isEmpty() && !same(challenges[i].from, from)))
            continue;
        const QByteArray challenger = challenges.takeAt(i).from;
        server.deliver(challenger, {me + " declines the match offer."});
        return {Decline, {"You decline the match offer from " + challenger + '.'}};
    }
    return {Decline, {"You have no offers to decline."}};
}

Reply GameCommands::withdraw(FakeFicsSession& session, FakeFicsServer& server)
{
    const QByteArray me = session.handle();
    QList<FakeFicsServer::Challenge>& challenges = server.challenges();
    for (int i = challenges.size() - 1; i >= 0; --i) {
        if (!same(challenges[i].from, me))
            continue;
        const QByteArray receiver = challenges.takeAt(i).to;
        server.deliver(receiver, {me + " withdraws the match offer."});
        return {Withdraw, {"You withdraw the match offer to " + receiver + '.'}};
    }
    return {Withdraw, {"You have no offers to withdraw."}};
}

Reply GameCommands::partner(FakeFicsSession& session, FakeFicsServer& server,
                            const QByteArray& other)
{
    const QByteArray me = session.handle();
    QHash<QByteArray, QByteArray>& partners = server.partners();
    if (other.isEmpty()) {
        const QByteArray old = partners.take(me.toLower());
        if (old.isEmpty())
            return {Partner, {"You do not have a bughouse partner."}};
        partners.remove(old.toLower());
        server.deliver(old, {"Your partner has just unset his/her partner."});
        return {Partner, {"You no longer have a bughouse partner."}};
    }
    FakeFicsSession* target = server.sessionOf(other);
    if (!target)
        return {Partner, {"No user named \"" + other + "\" is logged in."}};
    const QByteArray name = target->handle();
    if (same(name, me))
        return {Partner, {"You can't be your own bughouse partner."}};
    if (same(server.partnerOffers().value(name.toLower()), me)) {
        server.partnerOffers().remove(name.toLower());
        partners.insert(me.toLower(), name);
        partners.insert(name.toLower(), me);
        target->deliver({me + " agrees to be your partner."});
        return {Partner, {"You agree to be " + name + "'s partner."}};
    }
    server.partnerOffers().insert(me.toLower(), name);
    target->deliver(
        {me + " offers to be your bughouse partner; type \"partner " + me + "\" to accept."});
    return {Partner, {"Making a partnership offer to " + name + '.'}};
}

QList<QByteArray> GameCommands::startMatch(FakeFicsServer& server, const QByteArray& accepter,
                                           const QByteArray& challenger, int minutes,
                                           int increment, bool rated,
                                           const QByteArray& challengerColour,
                                           const QByteArray& accepterLead,
                                           const QByteArray& challengerLead)
{
    const bool challengerWhite = challengerColour != "black";
    ServerGame::Setup setup;
    setup.white = challengerWhite ? challenger : accepter;
    setup.black = challengerWhite ? accepter : challenger;
    setup.minutes = minutes;
    setup.increment = increment;
    setup.rated = rated;
    GameReferee& referee = server.referee();
    // A player who starts a game takes back every seek and offer of his.
    server.removeSeeksOf(accepter);
    server.removeSeeksOf(challenger);
    const ServerGame& game = referee.create(setup);
    QList<QByteArray> challengerLines = referee.startLines(game, challenger);
    if (!challengerLead.isEmpty())
        challengerLines.prepend(challengerLead);
    else
        challengerLines.removeFirst();
    server.deliver(challenger, challengerLines);
    server.scheduleFlagCheck();
    QList<QByteArray> lines = referee.startLines(game, accepter);
    if (!accepterLead.isEmpty())
        lines.prepend(accepterLead);
    else
        lines.removeFirst();
    return lines;
}

QList<QByteArray> GameCommands::startBughouse(FakeFicsServer& server, const QByteArray& accepter,
                                              const QByteArray& challenger, int minutes,
                                              int increment, const QByteArray& challengerColour)
{
    const bool challengerWhite = challengerColour != "black";
    const QByteArray challengerPartner = partnerOf(server, challenger);
    const QByteArray accepterPartner = partnerOf(server, accepter);
    ServerGame::Setup first;
    first.white = challengerWhite ? challenger : accepter;
    first.black = challengerWhite ? accepter : challenger;
    first.minutes = minutes;
    first.increment = increment;
    first.bughouse = true;
    // Partners play the other colour on the second board.
    ServerGame::Setup second = first;
    second.white = challengerWhite ? accepterPartner : challengerPartner;
    second.black = challengerWhite ? challengerPartner : accepterPartner;
    GameReferee& referee = server.referee();
    for (const QByteArray& player : {first.white, first.black, second.white, second.black})
        server.removeSeeksOf(player);
    referee.createBughouse(first, second);
    const ServerGame* one = referee.gameOf(first.white);
    const ServerGame* two = referee.gameOf(second.white);
    const auto playingNote = [](const ServerGame* game) {
        return "Your partner is playing game " + QByteArray::number(game->number()) + " (" +
               game->white() + " vs. " + game->black() + ").";
    };
    server.deliver(challenger, QList<QByteArray>{accepter + " accepts your challenge."} +
                                   referee.startLines(*one, challenger));
    for (const QByteArray& partnerName : {challengerPartner, accepterPartner}) {
        server.deliver(partnerName,
                       QList<QByteArray>{"Your partner " + accepter + "'s challenge was accepted."} +
                           referee.startLines(*two, partnerName));
        server.deliver(partnerName, {playingNote(one)});
    }
    server.deliver(challenger, {playingNote(two)});
    server.scheduleFlagCheck();
    QList<QByteArray> lines{"You accept the challenge of " + challenger + '.'};
    lines << referee.startLines(*one, accepter) << "" << playingNote(two);
    return lines;
}
