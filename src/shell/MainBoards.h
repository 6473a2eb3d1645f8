#pragma once

#include "games/BoardHost.h"
#include "games/BoardManager.h"

#include <QObject>
#include <array>

class ChatSink;
class CommandSender;
class GameButtonPanel;
class SoundSink;
class TfrmBoard;
class TfrmMainChess;
class TfrmMessage;

// The main window's side of the boards: it makes the board windows, docks them in the
// Boards tab or shows them on their own, carries the game bar and the Game menu, and
// hands the dispatcher's board lines to the board manager.
class MainBoards : public QObject, public BoardHost
{
    Q_OBJECT

public:
    MainBoards(TfrmMainChess& window, CommandSender& commands, SoundSink& sounds, ChatSink& chat);
    ~MainBoards() override;

    BoardManager& manager() { return m_manager; }
    TfrmBoard* boardWindow(int slot) const;
    // When the main window is first shown: the first board, the settings, the menus.
    void start();
    // The game bar's and the Game menu's handler, acting on the active board.
    void gameButton(int tag);
    void arrangeDocked();
    // Before the settings are saved: separate windows' bounds and stay-on-top state.
    void storeBounds();
    // The sounds dialog's "first board only" switch, for the boards opened from now on.
    void applySoundSwitches();
    // The board properties dialog on the first board; a confirmed choice is stored and
    // reaches every board.
    void BoardSettingsDialog();
    // Every other board takes the first board's look; all are drawn again.
    void PropagateSettings();
    // Whether a game's end shows its notice; from the settings, the options and the notice.
    void setHideGameMessages(bool hide);
    TfrmMessage* notice() const { return m_notice; }

    // BoardHost
    ManagedBoard* createBoard(int slot) override;
    void destroyBoard(ManagedBoard* board) override;
    void hideBoard(ManagedBoard* board) override;
    void arrangeBoards(int lastIndex) override;
    void boardCountChanged(int oldLastIndex, int newLastIndex) override;
    void showBoardsTab() override;
    void boardLimitReached(int game) override;
    void showGamePanels(ButtonPanel panel) override;
    void showGameOver(const QString& caption, const QString& message) override;
    void gameFinished(const BoardGame& game) override;
    void promotionRequested() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool separate() const;
    void applyBoardSettings(TfrmBoard* board, bool severalBoards) const;
    void wireMenus();
    // "Boards in Seperate &Windows": the mode changes at the next start, after a confirmation.
    void askToSwitchBoardMode();
    void choosePromotion();
    void showSeparate(TfrmBoard* board, int slot);
    // The chat router follows the slots, which shift when a board closes.
    void registerChatPanes();

    TfrmMainChess& m_window;
    CommandSender& m_commands;
    SoundSink& m_sounds;
    BoardManager m_manager;
    std::array<GameButtonPanel*, 3> m_gameBar{}; // playing, examining, observing
    ButtonPanel m_panel = ButtonPanel::Observing;
    TfrmMessage* m_notice;
};
