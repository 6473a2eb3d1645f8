#include "shell/MainBoards.h"

#include "shell/MainGameFiles.h"

#include "chat/ui/TfrmChat.h"
#include "chat/ui/TfrmMessage.h"
#include "games/BoardGame.h"
#include "games/BoardLook.h"
#include "games/BoardProperties.h"
#include "games/DockedBoardLayout.h"
#include "games/GameButtons.h"
#include "games/ui/BoardLookOnControl.h"
#include "games/ui/GameButtonPanel.h"
#include "games/ui/TChessBoard.h"
#include "games/ui/TfrmBoard.h"
#include "games/ui/TfrmBoardProperties.h"
#include "games/ui/TfrmDropPiece.h"
#include "session/CommandSender.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsWriteError.h"
#include "shell/MainChat.h"
#include "shell/MainSounds.h"
#include "shell/TfrmMainChess.h"

#include <QAction>
#include <QEvent>
#include <QMessageBox>
#include <QToolButton>

namespace {

// Game menu items by their place in the menu, and which kinds of game enable them.
struct MenuRule
{
    int index;
    bool playing;
    bool examining;
    bool observing;
};
constexpr MenuRule GameMenuRules[] = {
    {2, true, false, true},   // "&Whisper"
    {3, true, false, false},  // "&Draw"
    {4, true, false, false},  // "&Resign"
    {5, true, true, true},    // "Abort/&Close"
    {6, true, true, true},    // "Auto&flag"
    {7, true, true, true},    // "&Back"
    {8, true, true, true},    // "R&evert"
    {9, true, true, true},    // "&Forward"
    {10, false, true, false}, // "F&ast Forward"
    {11, true, false, false}, // "&Pause"
    {12, true, true, true},   // "&Reverse"
    {13, true, true, true},   // "&Observers"
    {14, true, true, true},   // "Pro&motion"
};
const QString LayoutSection = QStringLiteral("BoardX");

constexpr int AbortItem = 5;
constexpr int BackItem = 7;

int panelIndex(ButtonPanel panel)
{
    return panel == ButtonPanel::Playing ? 0 : panel == ButtonPanel::Examining ? 1 : 2;
}

} // namespace

MainBoards::MainBoards(TfrmMainChess& window, CommandSender& commands, SoundSink& sounds,
                       ChatSink& chat)
    : m_window(window), m_commands(commands), m_sounds(sounds),
      m_manager(*this, commands, sounds, chat), m_notice(new TfrmMessage(&window))
{
    connect(m_notice, &TfrmMessage::hideGameMessagesChosen, this, [this](bool hide) {
        m_window.m_record.hideGameMessages = hide;
        setHideGameMessages(hide);
    });
    const ButtonPanel kinds[3] = {ButtonPanel::Playing, ButtonPanel::Examining,
                                  ButtonPanel::Observing};
    for (int i = 0; i < 3; ++i) {
        m_gameBar[i] = new GameButtonPanel(kinds[i], Qt::Horizontal, window.pnlBoard);
        m_gameBar[i]->hide();
        connect(m_gameBar[i], &GameButtonPanel::tagClicked, this, &MainBoards::gameButton);
    }
    window.pnlBoard->installEventFilter(this);
    wireMenus();
}

MainBoards::~MainBoards()
{
    // Docked boards go with the board panel; separate windows have no parent.
    for (int slot = 0; slot < BoardManager::SlotCount; ++slot) {
        m_window.chat().setBoardPane(slot, nullptr);
        TfrmBoard* board = boardWindow(slot);
        if (board && !board->parent())
            delete board;
    }
}

TfrmBoard* MainBoards::boardWindow(int slot) const
{
    return static_cast<TfrmBoard*>(m_manager.board(slot));
}

bool MainBoards::separate() const
{
    return m_window.m_record.boardsSeperated;
}

void MainBoards::wireMenus()
{
    MainMenus& menus = m_window.menus;
    for (QAction* item : menus.mnuGame) {
        connect(item, &QAction::triggered, this, [this, item] { gameButton(item->data().toInt()); });
    }
    for (QAction* item : {menus.mnuAccept, menus.mnuDecline, menus.mnuBoardProperties})
        item->setEnabled(true);
    connect(menus.mnuBoardProperties, &QAction::triggered, this, &MainBoards::BoardSettingsDialog);
    connect(menus.mnuAccept, &QAction::triggered, this,
            [this] { m_commands.sendCommand(QStringLiteral("Accept")); });
    connect(menus.mnuDecline, &QAction::triggered, this,
            [this] { m_commands.sendCommand(QStringLiteral("Decline")); });
    connect(m_window.toolBars.spdAccept, &QToolButton::clicked, this,
            [this] { m_commands.sendCommand(QStringLiteral("Accept")); });
    connect(m_window.toolBars.spdDecline, &QToolButton::clicked, this,
            [this] { m_commands.sendCommand(QStringLiteral("Decline")); });
    m_window.toolBars.spdAccept->setEnabled(true);
    m_window.toolBars.spdDecline->setEnabled(true);
    menus.mnuBoardsSeparate->setEnabled(true);
    connect(menus.mnuBoardsSeparate, &QAction::triggered, this, &MainBoards::askToSwitchBoardMode);
}

void MainBoards::askToSwitchBoardMode()
{
    // The check mark shows the mode in use until the program ends.
    m_window.menus.mnuBoardsSeparate->setChecked(separate());
    const auto answer = QMessageBox::question(&m_window, QStringLiteral("Seperate Boards"),
                                              QStringLiteral("This setting will require exiting Quodlin."),
                                              QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok)
        m_window.exitSwitchingBoardMode();
}

void MainBoards::start()
{
    const MainSettingsRecord& record = m_window.m_record;
    BoardManager::Options& options = m_manager.options();
    options.gameBar = record.gameBar;
    setHideGameMessages(record.hideGameMessages);
    options.manualPromotion = record.manualPromotion;
    applySoundSwitches();
    m_manager.start();
}

void MainBoards::applySoundSwitches()
{
    m_manager.options().soundsOnFirstBoardOnly = m_window.sounds().settings().firstOnly;
}

void MainBoards::setHideGameMessages(bool hide)
{
    m_manager.options().hideGameMessages = hide;
    m_notice->setHideGameMessages(hide);
}

void MainBoards::registerChatPanes()
{
    MainChat& chat = m_window.chat();
    for (int slot = 0; slot < BoardManager::SlotCount; ++slot) {
        TfrmBoard* board = boardWindow(slot);
        chat.setBoardPane(slot, board ? static_cast<TfrmChat*>(board->chatPane()) : nullptr);
    }
}

void MainBoards::applyBoardSettings(TfrmBoard* board, bool severalBoards) const
{
    const MainSettingsRecord& record = m_window.m_record;
    BoardLookOnControl::applyLook(*board->chsBoard, BoardLook::fromRecord(record, severalBoards));
    board->SetMoveListShown(severalBoards ? record.showMoveListMulti : record.showMoveListSingle);
}

void MainBoards::BoardSettingsDialog()
{
    TfrmBoard* first = boardWindow(0);
    if (!first)
        return;
    MainSettingsRecord& record = m_window.m_record;
    const bool several = m_manager.LastIndex() > 0;
    BoardProperties choice(record, several, BoardLookOnControl::lookOf(*first->chsBoard));
    TfrmBoardProperties dialog(choice, *first->chsBoard, &m_window);
    if (dialog.Execute()) {
        choice.store(record);
        m_manager.options().manualPromotion = record.manualPromotion;
        first->SetMoveListShown(choice.moveListShown());
        try {
            record.saveBoardProperties(m_window.m_settingsFile);
        } catch (const SettingsWriteError& error) {
            m_window.reportWriteFailure(error);
        }
        PropagateSettings();
        return;
    }
    // The colours and the piece set are shared by every board, so all of them show the
    // restored look again.
    PropagateSettings();
}

void MainBoards::PropagateSettings()
{
    const bool several = m_manager.LastIndex() > 0;
    for (int slot = 0; slot <= m_manager.LastIndex(); ++slot) {
        TfrmBoard* board = boardWindow(slot);
        if (!board)
            continue;
        if (slot > 0)
            applyBoardSettings(board, several);
        board->lookChanged();
    }
}

ManagedBoard* MainBoards::createBoard(int slot)
{
    auto* board = new TfrmBoard(m_sounds, separate() ? nullptr : m_window.pnlBoard);
    board->setDocked(!separate());
    // The first window takes the stored choice, the others copy the first one's.
    const TfrmBoard* first = boardWindow(0);
    board->SetStayOnTop(first && slot > 0 ? first->stayOnTop() : m_window.m_record.boardsStayOnTop);
    applyBoardSettings(board, slot > 0);
    BoardHooks& hooks = board->hooks;
    hooks.sendCommand = [this](const QString& text) { m_commands.sendCommand(text); };
    hooks.activateMe = [this, board] { m_manager.activateBoard(board); };
    hooks.closeOrAbort = [this, board] { m_manager.closeOrAbortBoard(board); };
    hooks.promotionRequest = [this] { promotionRequested(); };
    hooks.refreshRequest = [this] { m_manager.refreshBoards(); };
    hooks.helloText = [this] { return m_window.m_record.hello; };
    hooks.goodGameText = [this] { return m_window.m_record.goodGame; };
    hooks.premoveEnabled = [this] { return m_window.m_record.premoves; };
    hooks.highlightLastMove = [this] { return m_window.m_record.highlightLastMove; };
    hooks.boardSettings = [this] { BoardSettingsDialog(); };
    hooks.icc = [this] { return m_manager.options().icc; };
    MainChat& chat = m_window.chat();
    TfrmChat* pane = chat.createBoardPane(board->pnlCmds);
    board->setChatPane(pane);
    hooks.otherButton = [&chat, pane](int tag) { chat.composeFromBoard(tag, pane); };
    if (separate()) {
        hooks.readLayout = [this](const QString& key, const QString& byDefault) {
            try {
                return ReadValueOrSeed(m_window.m_settingsFile, LayoutSection, key, true,
                                       byDefault);
            } catch (const SettingsWriteError& error) {
                m_window.reportWriteFailure(error);
                return byDefault;
            }
        };
        hooks.writeLayout = [this](const QString& key, const QString& value) {
            try {
                WriteValueNow(m_window.m_settingsFile, LayoutSection, key, value);
            } catch (const SettingsWriteError& error) {
                m_window.reportWriteFailure(error);
            }
        };
        hooks.boundsChanged = [this, board](const QRect& bounds) {
            const int at = m_manager.slotOf(board);
            if (at >= 0)
                m_window.m_record.separateBoards[at] = {bounds.left(), bounds.top(),
                                                        bounds.right() + 1, bounds.bottom() + 1};
        };
    }
    return board;
}

void MainBoards::destroyBoard(ManagedBoard* board)
{
    auto* window = static_cast<TfrmBoard*>(board);
    window->hooks = BoardHooks();
    window->hide();
    registerChatPanes();
    // The board may be inside one of its own handlers (a button, the popup menu).
    window->deleteLater();
}

void MainBoards::hideBoard(ManagedBoard* board)
{
    if (separate())
        static_cast<TfrmBoard*>(board)->hide();
}

void MainBoards::showSeparate(TfrmBoard* board, int slot)
{
    if (board->isVisible())
        return;
    const MainSettings::Bounds& bounds = m_window.m_record.separateBoards[slot];
    board->setGeometry(bounds.left, bounds.top, bounds.right - bounds.left,
                       bounds.bottom - bounds.top);
    board->show();
}

void MainBoards::arrangeBoards(int lastIndex)
{
    registerChatPanes();
    if (!separate()) {
        arrangeDocked();
        return;
    }
    for (int slot = 0; slot <= lastIndex; ++slot) {
        TfrmBoard* board = boardWindow(slot);
        if (board && (slot > 0 || board->game().InUse()))
            showSeparate(board, slot);
    }
}

void MainBoards::arrangeDocked()
{
    if (separate())
        return;
    QWidget* panel = m_window.pnlBoard;
    GameButtonPanel* bar = m_gameBar[panelIndex(m_panel)];
    const bool shown = m_manager.options().gameBar;
    const DockedBoardLayout layout = DockedBoardLayout::arrange(
        panel->size(), bar->sizeHint(), shown, m_manager.LastIndex() + 1);
    for (int i = 0; i < 3; ++i) {
        m_gameBar[i]->setGeometry(layout.gameBar);
        m_gameBar[i]->setVisible(shown && i == panelIndex(m_panel));
    }
    for (int slot = 0; slot <= m_manager.LastIndex(); ++slot) {
        if (TfrmBoard* board = boardWindow(slot)) {
            board->setGeometry(layout.boards[slot]);
            board->show();
        }
    }
}

void MainBoards::boardCountChanged(int oldLastIndex, int newLastIndex)
{
    const bool several = newLastIndex > 0;
    if ((oldLastIndex > 0) != several) {
        if (TfrmBoard* first = boardWindow(0))
            applyBoardSettings(first, several);
    }
    m_window.setBoardsOpen(newLastIndex + 1);
}

void MainBoards::showBoardsTab()
{
    if (!separate())
        m_window.selectTab(TLists::BoardsTab);
}

void MainBoards::boardLimitReached(int)
{
    // Not modal: the session goes on while the notice is up.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Limit Exceeded"),
                                QStringLiteral("Too many boards open. You can open a maximum of 4 boards."),
                                QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void MainBoards::showGamePanels(ButtonPanel panel)
{
    m_panel = panel;
    arrangeDocked();
    const std::array<QAction*, MainMenus::GameItemCount>& items = m_window.menus.mnuGame;
    for (const MenuRule& rule : GameMenuRules) {
        const bool on = panel == ButtonPanel::Playing     ? rule.playing
                        : panel == ButtonPanel::Examining ? rule.examining
                                                          : rule.observing;
        items[rule.index]->setEnabled(on);
    }
    items[AbortItem]->setData(panel == ButtonPanel::Playing     ? 5
                              : panel == ButtonPanel::Examining ? 14
                                                                : 13);
    if (panel != ButtonPanel::Observing)
        items[BackItem]->setData(panel == ButtonPanel::Playing ? 7 : 15);
}

void MainBoards::showGameOver(const QString& caption, const QString& message)
{
    // One notice, showing the latest result: observed games can end many a minute.
    m_notice->showNotice(message, caption);
}

void MainBoards::gameFinished(const BoardGame& game)
{
    m_window.gameFiles().gameFinished(game);
}

void MainBoards::promotionRequested()
{
    if (m_window.m_record.manualPromotion)
        choosePromotion();
}

void MainBoards::choosePromotion()
{
    TfrmDropPiece dialog(&m_window);
    const QString text = dialog.ChoosePromotion(m_manager.options().icc);
    if (!text.isEmpty())
        m_commands.sendCommand(text);
}

void MainBoards::gameButton(int tag)
{
    TfrmBoard* board = boardWindow(m_manager.ActiveIndex());
    if (!board)
        return;
    const MainSettingsRecord& record = m_window.m_record;
    const GameButtons::Effect effect =
        GameButtons::forTag(tag, board->game(), record.hello, record.goodGame);
    switch (effect.action) {
    case GameButtons::Action::Send:
        m_commands.sendCommand(effect.command);
        break;
    case GameButtons::Action::CloseOrAbort:
        m_manager.CloseOrAbort();
        break;
    case GameButtons::Action::ListBack:
        board->listBack();
        break;
    case GameButtons::Action::ListForward:
        board->listForward();
        break;
    case GameButtons::Action::ListRevert:
        board->listRevert();
        break;
    case GameButtons::Action::Flip:
        board->SetUserFlip(!board->game().UserFlip());
        break;
    case GameButtons::Action::Promote:
        choosePromotion();
        break;
    case GameButtons::Action::Autoflag: {
        QAction* autoflag = m_window.menus.mnuAutoflag;
        m_commands.sendCommand(QStringLiteral("set autoflag %1").arg(autoflag->isChecked() ? 1 : 0));
        break;
    }
    case GameButtons::Action::Compose:
    case GameButtons::Action::None:
        break;
    }
}

void MainBoards::storeBounds()
{
    if (!separate())
        return;
    for (int slot = 0; slot <= m_manager.LastIndex(); ++slot) {
        TfrmBoard* board = boardWindow(slot);
        if (board && board->isVisible() && board->hooks.boundsChanged)
            board->hooks.boundsChanged(board->geometry());
    }
    if (TfrmBoard* first = boardWindow(0))
        m_window.m_record.boardsStayOnTop = first->stayOnTop();
}

bool MainBoards::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window.pnlBoard && event->type() == QEvent::Resize)
        arrangeDocked();
    return QObject::eventFilter(watched, event);
}
