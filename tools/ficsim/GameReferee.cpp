#include "ficsim/GameReferee.h"

#include "ficsim/GameAudience.h"
#include "ficsim/chess/MoveGenerator.h"
#include "ficsim/chess/MoveNotation.h"

namespace {

QByteArray num(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray capitalised(QByteArray word)
{
    if (!word.isEmpty())
        word[0] = char(QChar::toUpper(uchar(word[0])));
    return word;
}

QByteArray clockText(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(0, ms) / 1000;
    return num(seconds / 60) + ':' + QByteArray::number(seconds % 60).rightJustified(2, '0');
}

QByteArray offerName(ServerGame::Offer offer)
{
    switch (offer) {
    case ServerGame::Offer::Draw: return "draw";
    case ServerGame::Offer::Abort: return "abort";
    case ServerGame::Offer::Adjourn: return "adjourn";
    case ServerGame::Offer::Takeback: return "takeback";
    case ServerGame::Offer::None: break;
    }
    return {};
}

bool same(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

GameReferee::GameReferee(GameAudience& audience, Clock clock)
    : m_audience(audience), m_clock(std::move(clock))
{
}

GameReferee::~GameReferee() = default;

ServerGame& GameReferee::create(const ServerGame::Setup& setup)
{
    int number = 1;
    while (gameNumbered(number))
        ++number;
    m_games.append(std::make_shared<ServerGame>(number, setup, m_clock()));
    ServerGame& game = *m_games.last();
    const QByteArray notice = '{' + game.title() + " Creating " + game.description() + " match.}";
    for (const QByteArray& handle : m_audience.loggedInHandles()) {
        if (!game.isPlayer(handle) && m_audience.variable(handle, "gin") == "1")
            m_audience.deliver(handle, {notice});
    }
    return game;
}

void GameReferee::createBughouse(const ServerGame::Setup& first, const ServerGame::Setup& second)
{
    ServerGame& one = create(first);
    const int oneNumber = one.number();
    ServerGame& two = create(second);
    two.setPartnerGame(oneNumber);
    gameNumbered(oneNumber)->setPartnerGame(two.number());
}

QList<QByteArray> GameReferee::startLines(const ServerGame& game, const QByteArray& handle) const
{
    QList<QByteArray> lines{"", '{' + game.title() + " Creating " + game.description() + " match.}",
                            ""};
    if (m_audience.variable(handle, "gameinfo") == "1" && !game.setup().bughouse)
        lines << game.gameInfoLine();
    lines << boardFor(game, handle);
    return lines;
}

ServerGame* GameReferee::gameOf(const QByteArray& handle)
{
    for (const auto& game : std::as_const(m_games)) {
        if (game->isPlayer(handle))
            return game.get();
    }
    return nullptr;
}

ServerGame* GameReferee::gameNumbered(int number)
{
    for (const auto& game : std::as_const(m_games)) {
        if (game->number() == number)
            return game.get();
    }
    return nullptr;
}

QList<const ServerGame*> GameReferee::games() const
{
    QList<const ServerGame*> out;
    for (const auto& game : m_games)
        out << game.get();
    return out;
}

bool GameReferee::isPlaying(const QByteArray& handle) const
{
    for (const auto& game : m_games) {
        if (game->kind() == ServerGame::Kind::Played && game->isPlayer(handle))
            return true;
    }
    return false;
}

QList<GameReferee::Finished> GameReferee::finishedOf(const QByteArray& handle) const
{
    QList<Finished> out;
    for (const Finished& game : m_finished) {
        if (same(game.setup.white, handle) || same(game.setup.black, handle))
            out << game;
    }
    return out;
}

QList<GameReferee::Finished> GameReferee::adjournedOf(const QByteArray& handle) const
{
    QList<Finished> out;
    for (const Finished& game : m_adjourned) {
        if (same(game.setup.white, handle) || same(game.setup.black, handle))
            out << game;
    }
    return out;
}

int GameReferee::relationFor(const ServerGame& game, const QByteArray& handle) const
{
    if (game.kind() == ServerGame::Kind::Examined)
        return game.isPlayer(handle) ? 2 : -2;
    if (!game.isPlayer(handle))
        return 0;
    return game.isWhite(handle) == game.chess().position().whiteToMove() ? 1 : -1;
}

QByteArray GameReferee::boardFor(const ServerGame& game, const QByteArray& handle) const
{
    const bool flip = game.kind() == ServerGame::Kind::Played && game.isPlayer(handle) &&
                      !game.isWhite(handle);
    return game.style12(relationFor(game, handle), flip, m_clock());
}

char GameReferee::promotionOf(const QByteArray& handle) const
{
    return m_promotion.value(handle.toLower(), 'q');
}

std::optional<QList<QByteArray>> GameReferee::move(const QByteArray& handle,
                                                   const QByteArray& text)
{
    ServerGame* game = gameOf(handle);
    if (!game || !MoveNotation::looksLikeMove(text))
        return std::nullopt;
    const bool played = game->kind() == ServerGame::Kind::Played;
    const ChessPosition position = game->shownPosition();
    if (played && game->isWhite(handle) != position.whiteToMove())
        return QList<QByteArray>{"It is not your move."};
    const auto parsed = MoveNotation::parse(position, text, promotionOf(handle));
    if (!parsed) {
        return QList<QByteArray>{m_namesIllegalMoves ? "Illegal move (" + text + ")."
                                                     : QByteArray("Illegal move.")};
    }
    // A move from an earlier position of an examined game starts a new line there.
    const int later = int(game->chess().plies().size()) - game->shownPly();
    if (later > 0)
        game->takeBack(later, m_clock());
    const bool moverWhite = position.whiteToMove();
    const ChessGame::Ply& ply = game->play(*parsed, m_clock());
    if (ply.captured && game->partnerGame())
        passCapture(*game, ply.captured, moverWhite);
    if (game->offer() != ServerGame::Offer::None)
        game->setOffer(ServerGame::Offer::None, {});
    QList<QByteArray> reply;
    announceMove(*game, handle, reply);
    return reply;
}

void GameReferee::announceMove(ServerGame& game, const QByteArray& mover, QList<QByteArray>& reply)
{
    const bool bughouse = game.setup().bughouse;
    if (game.kind() == ServerGame::Kind::Examined) {
        const QByteArray note = mover + " moves: " + game.chess().plies().last().san;
        m_audience.deliver(game.white(), {boardFor(game, game.white()), note});
        for (const QByteArray& observer : std::as_const(game.observers()))
            m_audience.deliver(observer, {boardFor(game, observer), note});
        return;
    }
    for (const QByteArray& player : {game.white(), game.black()}) {
        QList<QByteArray> lines{boardFor(game, player)};
        if (bughouse)
            lines << game.holdingsLine();
        if (same(player, mover))
            reply << "" << lines;
        else
            m_audience.deliver(player, lines);
    }
    for (const QByteArray& observer : std::as_const(game.observers())) {
        QList<QByteArray> lines{boardFor(game, observer)};
        if (bughouse)
            lines << game.holdingsLine();
        m_audience.deliver(observer, lines);
    }
    if (const auto ending = endingAfterMove(game))
        reply << finish(game, *ending, mover);
}

void GameReferee::passCapture(const ServerGame& game, char captured, bool byWhite)
{
    ServerGame* partner = gameNumbered(game.partnerGame());
    if (!partner)
        return;
    // The capturing side's partner plays the other colour, and gets the piece to drop.
    const bool receiverWhite = !byWhite;
    const char piece = char(ChessPosition::pieceType(captured) & ~0x20);
    partner->chess().addHeld(receiverWhite, piece);
    const QByteArray line = partner->holdingsLine() + " <- " + (receiverWhite ? 'W' : 'B') + piece;
    for (const QByteArray& player : {partner->white(), partner->black()})
        m_audience.deliverRaw(player, line);
    for (const QByteArray& observer : std::as_const(partner->observers()))
        m_audience.deliverRaw(observer, line);
}

std::optional<GameReferee::Ending> GameReferee::endingAfterMove(const ServerGame& game) const
{
    const ChessPosition& position = game.chess().position();
    const QByteArray toMove = position.whiteToMove() ? game.white() : game.black();
    const QByteArray score = position.whiteToMove() ? "0-1" : "1-0";
    switch (game.chess().ending()) {
    case ChessGame::Ending::Checkmate:
        // With pieces to drop, a check that no move answers can still be met by a drop,
        // which the move generator counts; so a mate is a mate in bughouse too.
        return Ending{toMove, " checkmated", "Mat", score};
    case ChessGame::Ending::Stalemate:
        return Ending{{}, "Game drawn by stalemate", "Sta", "1/2-1/2"};
    case ChessGame::Ending::NoMaterial:
        return Ending{{}, "Neither player has mating material", "NM", "1/2-1/2"};
    case ChessGame::Ending::None:
        break;
    }
    return std::nullopt;
}

QList<QByteArray> GameReferee::finish(ServerGame& game, const Ending& ending,
                                      const QByteArray& caller)
{
    const std::shared_ptr<ServerGame> keep = holderOf(&game);
    const std::shared_ptr<ServerGame> partner = holderOf(gameNumbered(game.partnerGame()));
    const QByteArray result = '{' + game.title() + ' ' + ending.loser + ending.reason + "} " +
                              ending.score;
    QList<QByteArray> lines = finishOne(game, ending, caller);
    if (!partner)
        return lines;
    // Bughouse: the partners' board ends with the same outcome for the same team.
    Ending mirrored = ending;
    if (!ending.loser.isEmpty()) {
        const bool loserWasWhite = same(game.white(), ending.loser) ||
                                   (!same(game.black(), ending.loser) && ending.score == "0-1");
        mirrored.loser = loserWasWhite ? partner->black() : partner->white();
        mirrored.score = loserWasWhite ? "1-0" : "0-1";
    }
    partner->setPartnerGame(0);
    for (const QByteArray& player : {partner->white(), partner->black()})
        m_audience.deliver(player, {result});
    lines << finishOne(*partner, mirrored, caller);
    return lines;
}

QList<QByteArray> GameReferee::finishOne(ServerGame& game, const Ending& ending,
                                         const QByteArray& caller)
{
    const std::shared_ptr<ServerGame> keep = holderOf(&game);
    const qint64 now = m_clock();
    game.clock().stop(now);
    const QByteArray result = '{' + game.title() + ' ' + ending.loser + ending.reason + "} " +
                              ending.score;
    const bool unfinished = ending.score == "*";
    QList<QByteArray> callerLines;
    for (const QByteArray& player : {game.white(), game.black()}) {
        QList<QByteArray> lines{result};
        if (!unfinished)
            lines << "No ratings adjustment done.";
        if (same(player, caller))
            callerLines = lines;
        else
            m_audience.deliver(player, lines);
    }
    for (const QByteArray& observer : std::as_const(game.observers())) {
        if (!same(observer, caller))
            m_audience.deliver(observer, {result});
    }
    Finished record{game.setup(), {}, ending.code, ending.score, QDateTime::currentDateTime()};
    if (!ending.loser.isEmpty())
        record.winner = game.opponentOf(ending.loser);
    if (ending.code == "Adj")
        m_adjourned << record;
    else if (ending.code != "Abo")
        m_finished << record;
    removeGame(game.number());
    return callerLines;
}

std::shared_ptr<ServerGame> GameReferee::holderOf(const ServerGame* game) const
{
    for (const auto& held : m_games) {
        if (held.get() == game)
            return held;
    }
    return {};
}

void GameReferee::removeGame(int number)
{
    for (int i = 0; i < m_games.size(); ++i) {
        if (m_games[i]->number() == number) {
            m_games.removeAt(i);
            return;
        }
    }
}

QList<QByteArray> GameReferee::noGame(const QByteArray& handle) const
{
    Q_UNUSED(handle);
    return {"You are not playing a game."};
}

QList<QByteArray> GameReferee::resign(const QByteArray& handle)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->kind() != ServerGame::Kind::Played)
        return noGame(handle);
    const QByteArray score = game->isWhite(handle) ? "0-1" : "1-0";
    return QList<QByteArray>{""} + finish(*game, {handle, " resigns", "Res", score}, handle);
}

QList<QByteArray> GameReferee::offer(const QByteArray& handle, ServerGame::Offer kind, int count)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->kind() != ServerGame::Kind::Played)
        return noGame(handle);
    const QByteArray opponent = game->opponentOf(handle);
    const bool answered = game->offer() == kind && same(game->offerFrom(), opponent);
    switch (kind) {
    case ServerGame::Offer::Draw:
        if (game->chess().repetition())
            return finish(*game, {{}, "Game drawn by repetition", "Rep", "1/2-1/2"}, handle);
        if (game->chess().fiftyMoves())
            return finish(*game, {{}, "Game drawn by the 50 move rule", "50", "1/2-1/2"}, handle);
        if (answered)
            return *acceptOffer(handle);
        game->setOffer(kind, handle);
        m_audience.deliver(opponent, {handle + " offers you a draw."});
        return {"Draw request sent."};
    case ServerGame::Offer::Abort:
        if (game->chess().plies().size() < 2)
            return finish(*game, {{}, "Game aborted on move 1", "Abo", "*"}, handle);
        if (answered)
            return *acceptOffer(handle);
        game->setOffer(kind, handle);
        m_audience.deliver(opponent, {handle + " would like to abort the game; type \"abort\" to accept."});
        return {"Abort request sent."};
    case ServerGame::Offer::Adjourn:
        if (!m_audience.isRegistered(game->white()) || !m_audience.isRegistered(game->black()))
            return {"Both players must be registered to adjorn a game. Use \"abort\"."};
        if (answered)
            return *acceptOffer(handle);
        game->setOffer(kind, handle);
        m_audience.deliver(opponent, {handle + " would like to adjourn the game; type \"adjourn\" to accept."});
        return {"Adjourn request sent."};
    case ServerGame::Offer::Takeback:
        if (game->setup().bughouse)
            return {"Takeback not implemented for bughouse games yet."};
        if (game->chess().plies().isEmpty())
            return {"There are no moves in your game."};
        game->setOffer(kind, handle, qMax(1, count));
        m_audience.deliver(opponent, {handle + " would like to take back " + num(qMax(1, count)) +
                                      " half move(s)."});
        return {"Takeback request sent."};
    case ServerGame::Offer::None:
        break;
    }
    return {};
}

std::optional<QList<QByteArray>> GameReferee::acceptOffer(const QByteArray& handle)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->offer() == ServerGame::Offer::None || same(game->offerFrom(), handle))
        return std::nullopt;
    const QByteArray from = game->offerFrom();
    const ServerGame::Offer kind = game->offer();
    const int count = game->offerCount();
    game->setOffer(ServerGame::Offer::None, {});
    switch (kind) {
    case ServerGame::Offer::Draw:
        return finish(*game, {{}, "Game drawn by mutual agreement", "Agr", "1/2-1/2"}, handle);
    case ServerGame::Offer::Abort:
        return finish(*game, {{}, "Game aborted by mutual agreement", "Abo", "*"}, handle);
    case ServerGame::Offer::Adjourn:
        return finish(*game, {{}, "Game adjourned by mutual agreement", "Adj", "*"}, handle);
    case ServerGame::Offer::Takeback: {
        game->takeBack(count, m_clock());
        m_audience.deliver(from, {boardFor(*game, from)});
        for (const QByteArray& observer : std::as_const(game->observers()))
            m_audience.deliver(observer, {boardFor(*game, observer)});
        return QList<QByteArray>{"", boardFor(*game, handle)};
    }
    case ServerGame::Offer::None:
        break;
    }
    return std::nullopt;
}

std::optional<QList<QByteArray>> GameReferee::declineOffer(const QByteArray& handle)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->offer() == ServerGame::Offer::None || same(game->offerFrom(), handle))
        return std::nullopt;
    const QByteArray from = game->offerFrom();
    const ServerGame::Offer kind = game->offer();
    game->setOffer(ServerGame::Offer::None, {});
    const QByteArray name = offerName(kind);
    const bool takeback = kind == ServerGame::Offer::Takeback;
    m_audience.deliver(from, {handle + (takeback ? " declines the takeback request."
                                                 : " declines " + name + " request.")});
    return QList<QByteArray>{"You decline the " + name + " request from " + from + '.'};
}

QList<QByteArray> GameReferee::flag(const QByteArray& handle)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->kind() != ServerGame::Kind::Played)
        return noGame(handle);
    const bool opponentWhite = !game->isWhite(handle);
    if (game->clock().remaining(opponentWhite, m_clock()) > 0)
        return {"Your opponent is not out of time!"};
    checkFlags();
    return {};
}

qint64 GameReferee::untilNextFlag() const
{
    qint64 soonest = -1;
    const qint64 now = m_clock();
    for (const auto& game : m_games) {
        if (game->kind() != ServerGame::Kind::Played || !game->clock().running())
            continue;
        const qint64 left = qMax<qint64>(0, game->clock().untilFlag(now));
        if (soonest < 0 || left < soonest)
            soonest = left;
    }
    return soonest;
}

void GameReferee::checkFlags()
{
    const qint64 now = m_clock();
    for (const auto& game : QList<std::shared_ptr<ServerGame>>(m_games)) {
        if (game->kind() != ServerGame::Kind::Played || !game->clock().running() ||
            game->clock().untilFlag(now) > 0 || !gameNumbered(game->number()))
            continue;
        const bool whiteFlagged = game->clock().whiteRunning();
        const QByteArray loser = whiteFlagged ? game->white() : game->black();
        const QByteArray winner = whiteFlagged ? game->black() : game->white();
        // A side that could never mate draws instead of winning on time.
        const bool winnerCanMate = game->chess().position().canMate(!whiteFlagged);
        if (winnerCanMate) {
            finish(*game, {loser, " forfeits on time", "Fla", whiteFlagged ? "0-1" : "1-0"}, {});
        } else {
            finish(*game, {{}, loser + " ran out of time and " + winner + " has no material to mate",
                           "NM", "1/2-1/2"}, {});
        }
    }
}

QList<QByteArray> GameReferee::refresh(const QByteArray& handle)
{
    ServerGame* game = gameOf(handle);
    if (!game) {
        for (const auto& held : std::as_const(m_games)) {
            if (held->observers().contains(handle))
                game = held.get();
        }
    }
    if (!game)
        return {"You are neither playing, observing nor examining a game."};
    QList<QByteArray> lines{"", boardFor(*game, handle)};
    if (game->setup().bughouse)
        lines << game->holdingsLine();
    return lines;
}

QList<QByteArray> GameReferee::moves(const QByteArray& handle, const QByteArray& who)
{
    ServerGame* game = nullptr;
    bool isNumber = false;
    const int number = who.toInt(&isNumber);
    if (isNumber)
        game = gameNumbered(number);
    else
        game = gameOf(who.isEmpty() ? handle : nameMatch(who));
    if (!game)
        return {who.isEmpty() ? QByteArray("You are not playing or observing a game.")
                              : who + " is not playing a game."};
    const ServerGame::Setup& setup = game->setup();
    QList<QByteArray> lines{
        "",
        game->white() + " (UNR) vs. " + game->black() + " (UNR) --- " +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd HH:mm:ss")).toLatin1(),
        capitalised(setup.rated ? "rated" : "unrated") + ' ' + capitalised(game->speed()) +
            " match, initial time: " + num(setup.minutes) + " minutes, increment: " +
            num(setup.increment) + " seconds.",
        "",
        "Move  " + game->white().leftJustified(19) + game->black().leftJustified(19),
        "----  ----------------   ----------------"};
    const QList<ChessGame::Ply>& plies = game->chess().plies();
    const auto cell = [](const ChessGame::Ply& ply) {
        const qint64 seconds = ply.thinkMs / 1000;
        return ply.san.leftJustified(8) + '(' + num(seconds / 60) + ':' +
               QByteArray::number(seconds % 60).rightJustified(2, '0') + ')';
    };
    const int firstMove = game->chess().start().fullmoveNumber();
    for (int i = 0; i < plies.size(); i += 2) {
        QByteArray row = num(firstMove + i / 2).rightJustified(3) + ".  " + cell(plies[i]);
        if (i + 1 < plies.size())
            row += "     " + cell(plies[i + 1]) + "  ";
        lines << row;
    }
    lines << "      {Still in progress} *" << "";
    return lines;
}

QList<QByteArray> GameReferee::promote(const QByteArray& handle, const QByteArray& piece)
{
    const QByteArray word = piece.toLower();
    char choice = 0;
    if (word == "q" || word == "queen")
        choice = 'q';
    else if (word == "r" || word == "rook")
        choice = 'r';
    else if (word == "b" || word == "bishop")
        choice = 'b';
    else if (word.startsWith('k') || word == "n" || word == "knight")
        choice = 'n'; // the server reads "k", "ki", "king" as a knight too
    if (word.isEmpty()) {
        return {"Command:  promote",
                "Purpose:  set the piece a pawn will be promoted to at the back rank",
                "Usage:    promote {q,r,b,[kn]}", "Examples: promote q; promote b"};
    }
    if (!choice)
        return {"Bad value given for variable promote."};
    m_promotion.insert(handle.toLower(), choice);
    const char* names[] = {"QUEEN", "ROOK", "BISHOP", "KNIGHT"};
    return {"Promotion piece set to " + QByteArray(names[QByteArray("qrbn").indexOf(choice)]) +
            '.'};
}

QByteArray GameReferee::nameMatch(const QByteArray& partial) const
{
    for (const auto& game : m_games) {
        for (const QByteArray& player : {game->white(), game->black()}) {
            if (same(player, partial))
                return player;
        }
    }
    for (const auto& game : m_games) {
        for (const QByteArray& player : {game->white(), game->black()}) {
            if (player.toLower().startsWith(partial.toLower()))
                return player;
        }
    }
    return partial;
}

QList<QByteArray> GameReferee::observe(const QByteArray& handle, const QByteArray& target)
{
    bool isNumber = false;
    const int number = target.toInt(&isNumber);
    ServerGame* game = isNumber ? gameNumbered(number) : gameOf(nameMatch(target));
    if (target.isEmpty())
        return {"Usage: observe [game number | player name]"};
    if (!game) {
        return {isNumber ? "There is no such game." : target + " is not playing a game."};
    }
    if (game->isPlayer(handle))
        return {"You cannot observe a game that you are playing."};
    if (game->observers().contains(handle))
        return {"You are already observing game " + num(game->number()) + '.'};
    game->observers() << handle;
    QList<QByteArray> lines{"You are now observing game " + num(game->number()) + '.', "",
                            boardFor(*game, handle)};
    if (game->setup().bughouse)
        lines << game->holdingsLine();
    return lines;
}

QList<QByteArray> GameReferee::unobserve(const QByteArray& handle, const QByteArray& target)
{
    QList<QByteArray> lines;
    for (const auto& game : QList<std::shared_ptr<ServerGame>>(m_games)) {
        const bool named = target.isEmpty() || num(game->number()) == target ||
                           game->isPlayer(nameMatch(target));
        if (named && game->observers().removeAll(handle))
            lines << "Removing game " + num(game->number()) + " from observation list.";
    }
    if (lines.isEmpty()) {
        if (target.isEmpty())
            return {"You are not observing any games."};
        return {target + " is not playing a game."};
    }
    return lines;
}

QList<QByteArray> GameReferee::examine(const QByteArray& handle)
{
    if (gameOf(handle))
        return {"You are already playing or examining a game."};
    int number = 1;
    while (gameNumbered(number))
        ++number;
    m_games.append(std::make_shared<ServerGame>(ServerGame::examined(number, handle)));
    return {"Starting a game in examine (scratch) mode.", "", boardFor(*m_games.last(), handle)};
}

QList<QByteArray> GameReferee::step(const QByteArray& handle, int plies)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->kind() != ServerGame::Kind::Examined)
        return {"You are not examining any games."};
    const int shown = game->shownPly();
    const int stored = int(game->chess().plies().size());
    if (plies > 0 && shown >= stored)
        return {"You cannot go forward; no moves are stored."};
    if (plies < 0 && shown == 0)
        return {"Beginning of game."};
    const int target = qBound(0, shown + plies, stored);
    game->setShownPly(target);
    const int moved = qAbs(target - shown);
    const QByteArray note = plies > 0
        ? handle + " goes forward " + num(moved) + (moved == 1 ? " move." : " moves.")
        : handle + " backs up " + num(moved) + (moved == 1 ? " move." : " moves.");
    for (const QByteArray& viewer : QList<QByteArray>{game->white()} + game->observers())
        m_audience.deliver(viewer, {boardFor(*game, viewer), note});
    return {};
}

QList<QByteArray> GameReferee::revert(const QByteArray& handle)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->kind() != ServerGame::Kind::Examined)
        return {"You are not examining any games."};
    game->setShownPly(int(game->chess().plies().size()));
    const QByteArray note = handle + " reverts to mainline.";
    for (const QByteArray& viewer : QList<QByteArray>{game->white()} + game->observers())
        m_audience.deliver(viewer, {boardFor(*game, viewer), note});
    return {};
}

QList<QByteArray> GameReferee::unexamine(const QByteArray& handle)
{
    ServerGame* game = gameOf(handle);
    if (!game || game->kind() != ServerGame::Kind::Examined)
        return {"You are not examining any games."};
    const QByteArray number = num(game->number());
    for (const QByteArray& observer : std::as_const(game->observers())) {
        m_audience.deliver(observer, {handle + " stopped examining game " + number + '.',
                                      "There are no examiners.",
                                      "Removing game " + number + " from observation list."});
    }
    removeGame(game->number());
    return {"You are no longer examining game " + number + '.'};
}

QList<QByteArray> GameReferee::allObservers(const QByteArray& handle)
{
    QList<QByteArray> lines;
    for (const auto& game : std::as_const(m_games)) {
        const QByteArray number = num(game->number()).rightJustified(2);
        const QByteArray names = game->observers().join(' ');
        if (game->kind() == ServerGame::Kind::Examined) {
            lines << "Examining " + number + " (scratch): #" + game->white() +
                         (names.isEmpty() ? QByteArray() : ' ' + names);
        } else if (!game->observers().isEmpty()) {
            lines << "Observing " + number + " [" + game->white() + " vs. " + game->black() +
                         "]: " + names;
        }
    }
    Q_UNUSED(handle);
    if (lines.isEmpty())
        return {"No games are being observed."};
    return lines;
}

QList<QByteArray> GameReferee::gamesList() const
{
    QList<QByteArray> lines{""};
    const qint64 now = m_clock();
    for (const auto& game : m_games) {
        const QByteArray number = num(game->number()).rightJustified(2);
        const ServerGame::Setup& setup = game->setup();
        const QByteArray minutes = num(setup.minutes).rightJustified(3);
        const QByteArray increment = num(setup.increment).rightJustified(3);
        const ChessPosition& position = game->chess().position();
        const QByteArray turn = QByteArray(position.whiteToMove() ? "W" : "B") + ':' +
                                num(position.fullmoveNumber()).rightJustified(3);
        if (game->kind() == ServerGame::Kind::Examined) {
            lines << number + " (Exam.    0 " + game->white().leftJustified(11) + "    0 " +
                         game->black().leftJustified(11) + ") [ uu" + minutes + ' ' + increment +
                         "] " + turn;
            continue;
        }
        const char speed = setup.bughouse ? 'w' : game->speed().at(0);
        lines << number + " ---- " + game->white().leftJustified(11) + " ---- " +
                     game->black().leftJustified(11) + " [ " + speed + (setup.rated ? 'r' : 'u') +
                     minutes + ' ' + increment + "] " +
                     clockText(game->clock().remaining(true, now)).rightJustified(6) + " - " +
                     clockText(game->clock().remaining(false, now)).rightJustified(5) + " (" +
                     num(position.strength(true)).rightJustified(2) + '-' +
                     num(position.strength(false)).rightJustified(2) + ") " + turn;
    }
    const qsizetype count = m_games.size();
    lines << "" << "  " + num(count) + (count == 1 ? " game displayed." : " games displayed.");
    return lines;
}

void GameReferee::leave(const QByteArray& handle)
{
    for (const auto& game : QList<std::shared_ptr<ServerGame>>(m_games)) {
        if (!gameNumbered(game->number()))
            continue;
        game->observers().removeAll(handle);
        if (!game->isPlayer(handle))
            continue;
        if (game->kind() == ServerGame::Kind::Examined) {
            unexamine(handle);
        } else {
            const QByteArray score = game->isWhite(handle) ? "0-1" : "1-0";
            finish(*game, {handle, " forfeits by disconnection", "Dis", score}, handle);
        }
    }
}
