#include "games/BoardManager.h"

#include "games/BoardGame.h"
#include "games/BoardHost.h"
#include "games/GameEndLine.h"
#include "games/ParseStyle12.h"
#include "games/Style12Record.h"
#include "session/ChatSink.h"
#include "session/CommandSender.h"
#include "session/SoundSink.h"

BoardManager::BoardManager(BoardHost& host, CommandSender& commands, SoundSink& sounds,
                           ChatSink& chat)
    : m_host(host), m_commands(commands), m_sounds(sounds), m_chat(chat)
{
}

void BoardManager::start()
{
    if (m_slots[0])
        return;
    m_slots[0] = m_host.createBoard(0);
    m_slots[0]->ClearGameInfo();
    m_slots[0]->game().setSoundsEnabled(true);
    m_host.arrangeBoards(m_lastIndex);
    ActivateBoard(0);
}

ManagedBoard* BoardManager::board(int slot) const
{
    return slot >= 0 && slot < SlotCount ? m_slots[slot] : nullptr;
}

int BoardManager::slotOf(const ManagedBoard* board) const
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (board && m_slots[slot] == board)
            return slot;
    }
    return -1;
}

ManagedBoard* BoardManager::boardOfGame(int game) const
{
    for (int slot = 0; slot <= m_lastIndex; ++slot) {
        ManagedBoard* board = m_slots[slot];
        if (board && board->game().InUse() && board->game().gameNumber() == game)
            return board;
    }
    return nullptr;
}

void BoardManager::style12Line(const QByteArray& line)
{
    Style12Record record;
    if (!ParseStyle12(line, record))
        return;
    const int game = record.GameNumber.value();
    ManagedBoard* board = boardOfGame(game);
    if (board) {
        board->ShowRecord(record, false);
    } else {
        board = OpenBoard(record);
        if (!board) {
            if (!m_refusedGames.contains(game)) {
                m_refusedGames.insert(game);
                m_host.boardLimitReached(game);
            }
            return;
        }
        m_host.showBoardsTab();
    }
    board->startClock();
    if (board == activeBoard())
        ShowButtonPanels(*board);
}

ManagedBoard* BoardManager::OpenBoard(const Style12Record& record)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (!m_slots[slot] && !CreateBoard())
            return nullptr;
        ManagedBoard* board = m_slots[slot];
        if (board->game().InUse())
            continue;
        const int game = record.GameNumber.value();
        board->game().startNewGame();
        // The information line names its game; another game's ratings must not show.
        if (m_hasPendingGameInfo && m_pendingGameInfo.gameNumber == game)
            board->ApplyGameInfo(m_pendingGameInfo);
        else
            board->ClearGameInfo();
        if (game != FileLoadGame)
            board->ShowRecord(record, false);
        m_host.arrangeBoards(m_lastIndex);
        if (!userPlaysOrExamines(board))
            ActivateBoard(slot);
        board->game().setSoundsEnabled(slot == 0 || !m_options.soundsOnFirstBoardOnly);
        m_refusedGames.remove(game);
        return board;
    }
    return nullptr;
}

ManagedBoard* BoardManager::LoadGameFile(const QList<Style12Record>& records)
{
    Style12Record placeholder;
    placeholder.GameNumber = FileLoadGame;
    ManagedBoard* board = OpenBoard(placeholder);
    if (!board) {
        m_host.boardLimitReached(FileLoadGame);
        return nullptr;
    }
    board->LoadRecords(records);
    m_host.showBoardsTab();
    if (board == activeBoard())
        ShowButtonPanels(*board);
    return board;
}

ManagedBoard* BoardManager::CreateBoard()
{
    const int slot = m_lastIndex + 1;
    if (slot >= SlotCount)
        return nullptr;
    SetBoardCount(slot);
    ManagedBoard* board = m_host.createBoard(slot);
    m_slots[slot] = board;
    board->ClearGameInfo();
    return board;
}

void BoardManager::SetBoardCount(int n)
{
    if (n == m_lastIndex)
        return;
    const int old = m_lastIndex;
    m_lastIndex = n;
    m_host.boardCountChanged(old, n);
}

bool BoardManager::userPlaysOrExamines(const ManagedBoard* except) const
{
    for (int slot = 0; slot <= m_lastIndex; ++slot) {
        ManagedBoard* board = m_slots[slot];
        if (!board || board == except)
            continue;
        const BoardGame& game = board->game();
        if (game.InUse() && (game.playing() || game.relation() == 2))
            return true;
    }
    return false;
}

void BoardManager::CloseBoard(int slot)
{
    ManagedBoard* closing = board(slot);
    if (!closing)
        return;
    if (m_lastIndex == 0) {
        // The only board stays; a separate window is hidden by the host's arrangement.
        closing->game().setCloseWhenEnded(false);
        m_host.hideBoard(closing);
        return;
    }
    if (slot == m_activeIndex)
        ActivateBoard(slot == 0 ? 1 : 0);
    m_slots[slot] = nullptr;
    for (int i = slot; i + 1 < SlotCount; ++i)
        m_slots[i] = m_slots[i + 1];
    m_slots[SlotCount - 1] = nullptr;
    if (m_activeIndex > slot)
        --m_activeIndex;
    if (m_marked == closing)
        m_marked = nullptr;
    m_host.destroyBoard(closing);
    SetBoardCount(m_lastIndex - 1);
    m_host.arrangeBoards(m_lastIndex);
}

void BoardManager::ActivateBoard(int slot)
{
    ManagedBoard* target = board(slot);
    m_activeIndex = slot;
    if (!target)
        return;
    if (target != m_marked) {
        m_marked = target;
        for (ManagedBoard* other : m_slots) {
            if (other)
                other->setActive(other == target);
        }
        ShowButtonPanels(*target);
    }
    BoardGame& game = target->game();
    if (!userPlaysOrExamines(nullptr) && game.relation() != -3 && game.InUse() &&
        game.gameNumber() != m_primaryGame)
        m_commands.sendCommand(QStringLiteral("primary %1").arg(game.gameNumber()));
    m_primaryGame = game.gameNumber();
}

void BoardManager::activateBoard(ManagedBoard* board)
{
    const int slot = slotOf(board);
    if (slot >= 0)
        ActivateBoard(slot);
}

void BoardManager::ShowButtonPanels(ManagedBoard& board)
{
    const ButtonPanel panel = buttonPanelFor(board.game().relation());
    board.showButtonPanel(panel, m_options.gameBar);
    m_host.showGamePanels(panel);
}

void BoardManager::CloseOrAbort()
{
    ManagedBoard* active = activeBoard();
    if (!active)
        return;
    BoardGame& game = active->game();
    if (!game.InUse()) {
        CloseBoard(m_activeIndex);
        return;
    }
    switch (game.relation()) {
    case 1:
    case -1:
        m_commands.sendCommand(QStringLiteral("Abort"));
        break;
    case 2:
        m_commands.sendCommand(QStringLiteral("Unexamine"));
        break;
    case -3:
        CloseBoard(m_activeIndex);
        return;
    default:
        m_commands.sendCommand(QStringLiteral("Unobserve %1").arg(game.gameNumber()));
        break;
    }
    // Only the board the command was sent for closes when its game ends.
    game.setCloseWhenEnded(true);
}

void BoardManager::closeOrAbortBoard(ManagedBoard* board)
{
    activateBoard(board);
    if (board == activeBoard())
        CloseOrAbort();
}

void BoardManager::gameEnded(const QByteArray& line, int game)
{
    m_chat.fanOut(line, {}, TextKind::GameInfo, {}, true);
    const GameEndLine end = GameEndLine::parse(line);
    if (end.announcesStart())
        return;
    m_refusedGames.remove(game);
    ManagedBoard* board = boardOfGame(game);
    if (!board)
        return;
    const Style12Record& shown = board->game().current();
    if (end.namesOtherPlayers(shown.WhiteName.value(), shown.BlackName.value()))
        return;
    m_sounds.playSound(QStringLiteral("Game End"));
    if (end.complete && !m_options.hideGameMessages)
        m_host.showGameOver(QString::fromLatin1(end.names), QString::fromLatin1(end.reason));
    board->stopClock();
    board->game().setGameResult(end.result);
    if (board->game().playing())
        m_host.gameFinished(board->game());
    gameLeft(game);
}

void BoardManager::gameLeft(int game)
{
    ManagedBoard* board = boardOfGame(game);
    if (!board)
        return;
    BoardGame& state = board->game();
    if (state.HoldingsMode() && state.playing() && m_partnerGame > 0) {
        const int partner = m_partnerGame;
        m_partnerGame = 0;
        gameLeft(partner);
    }
    board->stopClock();
    state.leaveGame();
    if (state.CloseWhenEnded())
        CloseBoard(slotOf(board));
    else if (board == activeBoard())
        ShowButtonPanels(*board);
}

void BoardManager::refreshBoards()
{
    if (!m_options.icc) {
        m_commands.sendCommand(QStringLiteral("refresh"));
        return;
    }
    bool sent = false;
    for (int slot = 1; slot < SlotCount; ++slot) {
        if (m_slots[slot]) {
            m_commands.sendCommand(
                QStringLiteral("Refresh %1").arg(m_slots[slot]->game().gameNumber()));
            sent = true;
        }
    }
    m_commands.sendCommand(sent ? QStringLiteral("Refresh %1")
                                      .arg(m_slots[0] ? m_slots[0]->game().gameNumber() : 0)
                                : QStringLiteral("Refresh"));
}

void BoardManager::setPendingGameInfo(const QByteArray& line)
{
    m_pendingGameInfo = GameInfo::parse(line);
    m_hasPendingGameInfo = true;
}

void BoardManager::clockPaused(int game, bool paused)
{
    for (int slot = 0; slot <= m_lastIndex; ++slot) {
        ManagedBoard* board = m_slots[slot];
        if (!board || !board->game().InUse())
            continue;
        const BoardGame& state = board->game();
        if (game > 0 ? state.gameNumber() == game : state.playing())
            board->setClockPaused(paused);
    }
}

void BoardManager::applyHoldings(int game, const QByteArray& line)
{
    if (ManagedBoard* board = boardOfGame(game))
        board->ApplyHoldings(line);
}
