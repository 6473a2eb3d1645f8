#include "ficsim/FakeFicsCommands.h"

#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsSession.h"
#include "ficsim/GameCommands.h"
#include "ficsim/GameReferee.h"

namespace {

// Command codes the server puts into block replies.
enum Code
{
    Assess = 15,
    Finger = 37,
    Games = 43,
    History = 51,
    Iset = 56,
    Journal = 60,
    Play = 88,
    Quit = 97,
    Resign = 103,
    Set = 109,
    Shout = 110,
    Stored = 127,
    Tell = 132,
    Seek = 155,
    Sought = 157,
    Variables = 143,
    Who = 146,
};

QByteArray restAfter(const QByteArray& line, int words)
{
    QByteArray rest = line.trimmed();
    for (int i = 0; i < words; ++i) {
        const int space = rest.indexOf(' ');
        rest = space < 0 ? QByteArray() : rest.mid(space + 1).trimmed();
    }
    return rest;
}

QByteArray onOff(const QByteArray& value, const char* on, const char* off)
{
    return value == "0" ? QByteArray(off) : QByteArray(on);
}

QByteArray setAnswer(const QByteArray& name, const QByteArray& value)
{
    if (name == "style")
        return "Style " + value + " set.";
    if (name == "highlight")
        return value == "0" ? QByteArray("Highlight is off.") : "Highlight is " + value + ".";
    if (name == "autoflag")
        return onOff(value, "Auto-flagging enabled.", "Auto-flagging disabled.");
    if (name == "interface")
        return "Interface set to " + value + ".";
    if (name == "seek")
        return "seek set to " + value + ".\n" +
               onOff(value, "You will now receive seek ads.",
                     "You are no longer receiving seek ads.");
    if (name == "open")
        return onOff(value, "You are now open to receive match requests.",
                     "You are no longer open to receive match requests.");
    if (name == "shout")
        return onOff(value, "You will now hear shouts.", "You will not hear shouts.");
    if (name == "cshout")
        return onOff(value, "You will now hear cshouts.", "You will not hear cshouts.");
    if (name == "chanoff")
        return onOff(value, "You will not hear channel tells.", "You will now hear channel tells.");
    return name + " set to " + value + ".";
}

const QList<QByteArray> KnownVariables{"style", "highlight", "autoflag", "ptime",  "interface",
                                       "seek",  "open",      "shout",    "cshout", "chanoff",
                                       "bell",  "width",     "height",   "pin",    "gin",
                                       "time",  "inc",       "prompt",   "ctell",  "sshout"};

QByteArray speed(int minutes, int increment)
{
    const int expected = minutes + 2 * increment / 3;
    return expected < 3 ? "lightning" : expected < 15 ? "blitz" : "standard";
}

QByteArray boardLine(int game, const QByteArray& white, const QByteArray& black, int relation,
                     int minutes, int increment)
{
    const QByteArray seconds = QByteArray::number(minutes * 60);
    return "<12> rnbqkbnr pppppppp -------- -------- -------- -------- PPPPPPPP RNBQKBNR W -1 "
           "1 1 1 1 0 " +
           QByteArray::number(game) + ' ' + white + ' ' + black + ' ' +
           QByteArray::number(relation) + ' ' + QByteArray::number(minutes) + ' ' +
           QByteArray::number(increment) + " 39 39 " + seconds + ' ' + seconds +
           " 1 none (0:00) none 0 0 0";
}

} // namespace

FakeFicsCommands::Reply FakeFicsCommands::run(FakeFicsSession& session, FakeFicsServer& server,
                                              const QByteArray& line)
{
    if (const auto cue = server.cueFor(line))
        return {0, *cue};
    const QList<QByteArray> words = line.simplified().split(' ');
    const QByteArray word = words.first().toLower();
    if (word.isEmpty())
        return {};
    const QByteArray argument = words.value(1);
    const QByteArray self = argument.isEmpty() ? session.handle() : argument;
    if (word == "quit" || word == "exit" || word == "logout" || word == "bye") {
        if (server.referee().isPlaying(session.handle()))
            return {Quit,
                    {"You can't quit while you are playing a game.",
                     "Type 'resign' to resign the game, or you can request an abort with 'abort'."}};
        return {Quit, {}, true};
    }
    if (auto reply = GameCommands::run(session, server, words, line))
        return *reply;
    if (word == "set")
        return set(session, words, restAfter(line, 2));
    if (word == "iset")
        return iset(session, server, words);
    if (word == "tell" || word == "t")
        return tell(session, server, words, restAfter(line, 2));
    if (word == "shout")
        return shout(session, server, restAfter(line, 1));
    if (word == "sought")
        return sought(server);
    if (word == "seek")
        return seek(session, server, words);
    if (word == "play")
        return play(session, server, words);
    if (word == "who")
        return who(server);
    if (word == "vars" || word == "variables")
        return variables(server, self);
    if (word == "finger" || word == "history" || word == "stored" || word == "journal" ||
        word == "assess")
        return playerList(word, self);
    return unknown(server, word);
}

FakeFicsCommands::Reply FakeFicsCommands::set(FakeFicsSession& session,
                                              const QList<QByteArray>& words,
                                              const QByteArray& rest)
{
    if (words.size() < 2)
        return {Set, {"Usage: set variable [value]"}};
    const QByteArray name = words[1].toLower();
    if (!KnownVariables.contains(name))
        return {Set, {"No such variable name " + name + "."}};
    const QByteArray value = rest.isEmpty() ? QByteArray("0") : rest;
    session.m_variables.insert(name, value);
    return {Set, setAnswer(name, value).split('\n')};
}

FakeFicsCommands::Reply FakeFicsCommands::iset(FakeFicsSession& session, FakeFicsServer& server,
                                               const QList<QByteArray>& words)
{
    if (words.size() != 3)
        return {Iset, {"Usage: iset word word", "See 'help iset' for a complete description."}};
    if (server.dialect() == FakeFicsServer::Dialect::CapturedServer)
        return {Iset, {"com_iset: " + words[1] + ' ' + words[2]}};
    const QByteArray name = words[1].toLower();
    const QByteArray value = words[2];
    session.m_variables.insert(name, value);
    if (name == "block") {
        session.m_blockMode = value != "0";
        return {Iset,
                {session.m_blockMode ? QByteArray("block set.") : QByteArray("block unset.")}};
    }
    return {Iset, {name + (value == "0" ? " unset." : " set.")}};
}

FakeFicsCommands::Reply FakeFicsCommands::tell(FakeFicsSession& session, FakeFicsServer& server,
                                               const QList<QByteArray>& words,
                                               const QByteArray& rest)
{
    if (words.size() < 3)
        return {Tell, {"Usage: tell <handle|channel> <message>"}};
    FakeFicsSession* target = server.sessionOf(words[1]);
    if (!target)
        return {Tell, {words[1] + " is not logged in."}};
    target->deliver({session.handle() + " tells you: " + rest});
    return {Tell, {"(told " + target->handle() + ")"}};
}

FakeFicsCommands::Reply FakeFicsCommands::shout(FakeFicsSession& session, FakeFicsServer& server,
                                                const QByteArray& rest)
{
    int heard = 0;
    for (FakeFicsSession* other : server.sessions()) {
        if (other != &session && other->stage() == FakeFicsSession::Stage::LoggedIn &&
            other->variable("shout") != "0") {
            other->deliver({session.handle() + " shouts: " + rest});
            ++heard;
        }
    }
    return {Shout,
            {'(' + QByteArray::number(heard) + ") " + session.handle() + " shouts: " + rest}};
}

FakeFicsCommands::Reply FakeFicsCommands::sought(FakeFicsServer& server)
{
    Reply reply{Sought};
    for (const FakeFicsServer::Seek& seek : server.seeks()) {
        reply.lines << QByteArray::number(seek.index).rightJustified(3) + ' ' +
                           (seek.rating ? QByteArray::number(seek.rating) : "----") + ' ' +
                           seek.handle.leftJustified(17) + ' ' +
                           QByteArray::number(seek.minutes).rightJustified(3) + ' ' +
                           QByteArray::number(seek.increment).rightJustified(3) + ' ' +
                           (seek.rated ? "rated  " : "unrated") + ' ' +
                           seek.type.leftJustified(16) + " 0-9999";
    }
    reply.lines << QByteArray::number(server.seeks().size()) + " ads displayed.";
    return reply;
}

FakeFicsCommands::Reply FakeFicsCommands::seek(FakeFicsSession& session, FakeFicsServer& server,
                                               const QList<QByteArray>& words)
{
    bool timeOk = false;
    bool incrementOk = false;
    const int minutes = words.value(1).toInt(&timeOk);
    const int increment = words.value(2).toInt(&incrementOk);
    if (!timeOk || !incrementOk)
        return {Seek, {"Usage: seek [time inc] [rated|unrated] [white|black] [crazyhouse] ..."}};
    const bool rated = words.value(3).toLower() == "rated" || words.value(3).toLower() == "r";
    const QByteArray type = speed(minutes, increment);
    const int index = server.addSeek({0, session.handle(), 0, minutes, increment, rated, type});
    int seen = 0;
    for (FakeFicsSession* other : server.sessions()) {
        if (other != &session && other->stage() == FakeFicsSession::Stage::LoggedIn &&
            other->variable("seek") != "0") {
            other->deliver({session.handle() + " (----) seeking " + words[1] + ' ' + words[2] +
                            (rated ? " rated " : " unrated ") + type + " (\"play " +
                            QByteArray::number(index) + "\" to respond)"});
            ++seen;
        }
    }
    return {Seek,
            {"Your seek has been posted with index " + QByteArray::number(index) + ".",
             '(' + QByteArray::number(seen) + " player(s) saw the seek.)"}};
}

FakeFicsCommands::Reply FakeFicsCommands::play(FakeFicsSession& session, FakeFicsServer& server,
                                               const QList<QByteArray>& words)
{
    const int index = words.value(1).toInt();
    for (const FakeFicsServer::Seek& offered : server.seeks()) {
        if (offered.index == index &&
            offered.handle.compare(session.handle(), Qt::CaseInsensitive) == 0)
            return {Play, {"You cannot respond to your own seek ads"}};
    }
    if (server.referee().isPlaying(session.handle()))
        return {Play, {"You are already playing a game."}};
    const auto seek = server.takeSeek(index);
    // The built-in ads belong to nobody logged in: they show in lists but lead to no game.
    if (!seek || !server.sessionOf(seek->handle) || server.referee().isPlaying(seek->handle))
        return {Play, {"That seek is not available."}};
    return {Play, GameCommands::startMatch(server, session.handle(), seek->handle, seek->minutes,
                                           seek->increment, seek->rated, "white", {}, {})};
}

FakeFicsCommands::Reply FakeFicsCommands::who(FakeFicsServer& server)
{
    Reply reply{Who};
    int count = 0;
    QByteArray row;
    for (FakeFicsSession* other : server.sessions()) {
        if (other->stage() != FakeFicsSession::Stage::LoggedIn)
            continue;
        row += "---- " + other->handle().leftJustified(12);
        ++count;
    }
    reply.lines << row << ""
                << ' ' + QByteArray::number(count) + " players displayed (of " +
                       QByteArray::number(count) + "). (*) indicates system administrator.";
    return reply;
}

FakeFicsCommands::Reply FakeFicsCommands::variables(FakeFicsServer& server,
                                                    const QByteArray& handle)
{
    FakeFicsSession* player = server.sessionOf(handle);
    if (!player)
        return {Variables, {handle + " is not logged in."}};
    Reply reply{Variables, {"Variable settings of " + player->handle() + ":", ""}};
    QByteArray row;
    for (const char* name : {"time", "inc", "style", "open", "seek", "shout", "cshout", "chanoff",
                             "highlight", "autoflag"}) {
        row += (QByteArray(name) + '=' + player->variable(name)).leftJustified(15);
    }
    reply.lines << row.trimmed() << "";
    const QByteArray interface = player->variable("interface");
    if (!interface.isEmpty())
        reply.lines << "Interface: \"" + interface + '"';
    return reply;
}

FakeFicsCommands::Reply FakeFicsCommands::playerList(const QByteArray& command,
                                                     const QByteArray& handle)
{
    if (command == "finger")
        return {Finger, {"Finger of " + handle + ":", "", "On for: 1 min   Idle: 0 secs"}};
    if (command == "history")
        return {History, {handle + " has no history games."}};
    if (command == "stored")
        return {Stored, {handle + " has no adjourned games."}};
    if (command == "journal")
        return {Journal, {handle + " has no journal entries."}};
    return {Assess, {"You are not playing a game."}};
}

FakeFicsCommands::Reply FakeFicsCommands::unknown(FakeFicsServer& server, const QByteArray& word)
{
    if (server.dialect() == FakeFicsServer::Dialect::CapturedServer)
        return {CommandNotFound, {word + ": Command has failed."}};
    return {CommandNotFound, {word + ": Command not found."}};
}
