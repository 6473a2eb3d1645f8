#include "ficsim/ChatCommands.h"

#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsSession.h"
#include "ficsim/GameReferee.h"

namespace {

// Command codes the server puts into block replies.
enum Code
{
    AddList = 12,
    CShout = 31,
    It = 57,
    Kibitz = 62,
    PTell = 94,
    Say = 107,
    Shout = 110,
    SubList = 129,
    Tell = 132,
    Whisper = 145,
};

using Reply = FakeFicsCommands::Reply;

QByteArray ratingOf(FakeFicsServer& server, const QByteArray& handle)
{
    return server.isRegistered(handle) ? "(----)" : "(++++)";
}

} // namespace

std::optional<Reply> ChatCommands::run(FakeFicsSession& session, FakeFicsServer& server,
                                       const QList<QByteArray>& words, const QByteArray& line)
{
    const QByteArray word = words.first().toLower();
    const QByteArray me = session.handle();
    if (word == "tell" || word == "t") {
        if (words.size() < 3)
            return Reply{Tell, {"Usage: tell <handle|channel> <message>"}};
        return tell(session, server, words[1], FakeFicsCommands::restAfter(line, 2));
    }
    if (word == "shout")
        return broadcast(session, server, Shout, "shout", me + " shouts: " + FakeFicsCommands::restAfter(line, 1));
    if (word == "cshout")
        return broadcast(session, server, CShout, "cshout", me + " c-shouts: " + FakeFicsCommands::restAfter(line, 1));
    if (word == "it")
        return broadcast(session, server, It, "shout", "--> " + me + ' ' + FakeFicsCommands::restAfter(line, 1));
    if (word == "say" || word == "kibitz" || word == "whisper")
        return aroundGame(session, server, word, FakeFicsCommands::restAfter(line, 1));
    if (word == "ptell") {
        const QByteArray partner = server.partners().value(me.toLower());
        if (partner.isEmpty())
            return Reply{PTell, {"You do not have a partner at present."}};
        server.deliver(partner, {me + " (your partner) tells you: " + FakeFicsCommands::restAfter(line, 1)});
        const bool playing = server.referee().isPlaying(partner);
        return Reply{PTell, {"(told " + partner + (playing ? ", who is playing)" : ")")}};
    }
    if (word.startsWith('+') && word.size() > 1 && word != "+channel")
        return channel(session, server, true, word.mid(1));
    if (word.startsWith('-') && word.size() > 1 && word != "-channel")
        return channel(session, server, false, word.mid(1));
    if (word == "+channel" || (word == "addlist" && words.value(1).toLower() == "channel"))
        return channel(session, server, true, words.value(word == "+channel" ? 1 : 2));
    if (word == "-channel" || (word == "sublist" && words.value(1).toLower() == "channel"))
        return channel(session, server, false, words.value(word == "-channel" ? 1 : 2));
    return std::nullopt;
}

Reply ChatCommands::tell(FakeFicsSession& session, FakeFicsServer& server,
                         const QByteArray& target, const QByteArray& text)
{
    const QByteArray me = session.handle();
    bool isChannel = false;
    const int number = target.toInt(&isChannel);
    if (isChannel) {
        if (number < 0 || number > 255)
            return {Tell, {"Bad channel number."}};
        int heard = 0;
        for (FakeFicsSession* other : server.sessions()) {
            if (other != &session && other->stage() == FakeFicsSession::Stage::LoggedIn &&
                other->channels().contains(number) && other->variable("chanoff") != "1") {
                other->deliver({me + '(' + QByteArray::number(number) + "): " + text});
                ++heard;
            }
        }
        return {Tell, {'(' + QByteArray::number(number) + "->(" + QByteArray::number(heard) + "))"}};
    }
    FakeFicsSession* receiver = server.sessionOf(target);
    if (!receiver)
        return {Tell, {target + " is not logged in."}};
    receiver->deliver({me + " tells you: " + text});
    const QByteArray name = receiver->handle();
    const bool playing = server.referee().isPlaying(name);
    return {Tell, {"(told " + name + (playing ? ", who is playing)" : ")")}};
}

Reply ChatCommands::broadcast(FakeFicsSession& session, FakeFicsServer& server, int code,
                              const QByteArray& variable, const QByteArray& heard)
{
    int listeners = 0;
    for (FakeFicsSession* other : server.sessions()) {
        if (other != &session && other->stage() == FakeFicsSession::Stage::LoggedIn &&
            other->variable(variable) != "0") {
            other->deliver({heard});
            ++listeners;
        }
    }
    return {code, {'(' + QByteArray::number(listeners) + ") " + heard}};
}

Reply ChatCommands::aroundGame(FakeFicsSession& session, FakeFicsServer& server,
                               const QByteArray& word, const QByteArray& text)
{
    const QByteArray me = session.handle();
    GameReferee& referee = server.referee();
    const ServerGame* game = referee.gameOf(me);
    if (!game) {
        for (const ServerGame* running : referee.games()) {
            if (running->observers().contains(me))
                game = running;
        }
    }
    if (word == "say") {
        if (!game || !game->isPlayer(me) || game->kind() != ServerGame::Kind::Played)
            return {Say, {"I don't know whom to say that to."}};
        const QByteArray opponent = game->opponentOf(me);
        server.deliver(opponent, {me + " says: " + text});
        return {Say, {"(told " + opponent + ", who is playing)"}};
    }
    const bool whisper = word == "whisper";
    if (!game)
        return {whisper ? Whisper : Kibitz, {"You are not playing or observing a game."}};
    QList<QByteArray> audience;
    for (const QByteArray& listener : game->observers() + QList<QByteArray>{game->white(), game->black()}) {
        const bool player = game->isPlayer(listener);
        if ((whisper && player) || audience.contains(listener) ||
            listener.compare(me, Qt::CaseInsensitive) == 0)
            continue;
        audience << listener;
    }
    const QByteArray heard = me + ratingOf(server, me) + (whisper ? " whispers: " : " kibitzes: ") + text;
    int count = 0;
    for (const QByteArray& listener : std::as_const(audience)) {
        server.deliver(listener, {heard});
        ++count;
    }
    if (whisper)
        return {Whisper, {"whispered to " + QByteArray::number(count) + '.'}};
    return {Kibitz, {"kibitzed to " + QByteArray::number(count) + '.'}};
}

Reply ChatCommands::channel(FakeFicsSession& session, FakeFicsServer& server, bool add,
                            const QByteArray& number)
{
    Q_UNUSED(server);
    bool ok = false;
    const int channel = number.toInt(&ok);
    if (!ok || channel < 0 || channel > 255)
        return {add ? AddList : SubList, {"The channel to add must be a number between 0 and 255."}};
    const QByteArray tag = '[' + QByteArray::number(channel) + ']';
    if (add) {
        if (session.channels().contains(channel))
            return {AddList, {tag + " is already on your channel list."}};
        session.channels().insert(channel);
        return {AddList, {tag + " added to your channel list."}};
    }
    if (!session.channels().remove(channel))
        return {SubList, {tag + " is not in your channel list."}};
    return {SubList, {tag + " removed from your channel list."}};
}
