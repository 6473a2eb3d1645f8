#pragma once

#include "games/BoardGame.h"
#include "games/HoldingsLine.h"
#include "games/ManagedBoard.h"
#include "games/RunningClock.h"
#include "games/ui/BoardHooks.h"

#include <QWidget>
#include <array>

class GameButtonPanel;
class QFrame;
class BoardInfoColumn;
class InfoLine;
class QListWidget;
class QMenu;
class QSplitter;
class QToolButton;
class SoundSink;
class StrengthBarsView;
class TChessBoard;
class TPieceGrid;

// The window (or, docked, the panel) that shows one game: board, players, clocks, last
// move, captured pieces or pieces in hand, bars, move list, game buttons and a chat pane.
// What it shows is decided by its BoardGame; a position changed several times within a
// frame is drawn once, while the move list, clock and sounds see every position.
class TfrmBoard : public QWidget, public ManagedBoard
{
    Q_OBJECT

public:
    explicit TfrmBoard(SoundSink& sounds, QWidget* parent = nullptr);
    ~TfrmBoard() override;

    BoardHooks hooks;

    // ManagedBoard
    BoardGame& game() override { return m_game; }
    void ShowRecord(const Style12Record& record, bool redisplay) override;
    void LoadRecords(const QList<Style12Record>& records) override;
    void ApplyGameInfo(const GameInfo& info) override;
    void ClearGameInfo() override;
    void ApplyHoldings(const QByteArray& line) override;
    void startClock() override;
    void stopClock() override;
    void setClockPaused(bool paused) override;
    void setActive(bool active) override;
    void showButtonPanel(ButtonPanel panel, bool gameBarShown) override;

    void SetUserFlip(bool value);
    // The profile's move list (and its bars); names and clocks stay.
    void SetMoveListShown(bool value);
    // The "M" toggle: the player panel and the move list together.
    void setSidePanelsShown(bool value);
    void SetStayOnTop(bool value);
    bool stayOnTop() const { return m_stayOnTop; }
    void listBack();
    void listForward();
    void listRevert();
    // A game button's tag, acting on this board.
    void gameButton(int tag);
    // Docked boards leave their chat pane behind: it shows in separate windows only.
    void setDocked(bool docked);
    // The host's chat window fills pnlCmds; the board knows it only as a widget.
    void setChatPane(QWidget* pane);
    QWidget* chatPane() const { return m_chat; }
    // The board's look or the last-move switch changed: board, grids and bars drawn again.
    void lookChanged();
    // Draws a pending position now instead of at the next frame.
    void renderNow();
    // A new position is drawn at the next frame, not at the turn of server text.
    bool drawnAtNextFrame() const;
    bool renderPending() const;
    const QString& fullHandle(bool top) const { return top ? m_topHandle : m_bottomHandle; }

    // Controls with given names.
    TChessBoard* chsBoard = nullptr;
    QFrame* Shape1 = nullptr;
    QWidget* pnlBoard = nullptr;
    BoardInfoColumn* pnlBoardInfo = nullptr;
    InfoLine* lblMove = nullptr;
    TPieceGrid* pgTop = nullptr;
    TPieceGrid* pgBottom = nullptr;
    InfoLine* lblTopName = nullptr;
    InfoLine* lblTopRate = nullptr;
    InfoLine* lblTopTime = nullptr;
    InfoLine* lblBottomName = nullptr;
    InfoLine* lblBottomRate = nullptr;
    InfoLine* lblBottomTime = nullptr;
    QToolButton* btTopInfo = nullptr;
    QToolButton* btTopPing = nullptr;
    QToolButton* SpeedButton15 = nullptr; // the bottom player's "i"
    QToolButton* lblBottomPing = nullptr;
    QWidget* panMoves = nullptr;
    QListWidget* lstMoves = nullptr;
    StrengthBarsView* panBars = nullptr;
    QWidget* pnlButtons = nullptr;
    std::array<GameButtonPanel*, 3> panels{}; // playing, examining, observing
    QToolButton* btColumn = nullptr;          // "C"
    QToolButton* btMoves = nullptr;           // "M"
    QToolButton* btChat = nullptr;            // "T"
    QWidget* pnlCmds = nullptr;
    QSplitter* splitter = nullptr;
    QMenu* mnuBoard = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // TfrmBoard.cpp: building and drawing
    void buildInfoPanel();
    void buildMovePanel();
    void buildButtonColumn();
    void apply(const BoardGame::Shown& shown);
    // Renders at the next frame of the shared grid; what changes before then is drawn once.
    void scheduleRender();
    void frameDue();
    void render();
    void renderPlayers(const Style12Record& record);
    void renderGrids(const Style12Record& record);
    void showLastMove(const Style12Record& record);
    void syncMoveList();
    void readLayoutKeys();
    void storeLayout(const QString& key, const QString& value);
    void setButtonColumnWidth(int width);
    InfoLine* clockLabel() const;

    // TfrmBoardInput.cpp: moves, drops, menu, ping and info
    void buildMenu();
    void moveMade(const QByteArray& move);
    void boardMouseDown(Qt::MouseButton button, int boardX, int boardY);
    void dropFromMenu();
    void startGridDrag(TPieceGrid* grid, QPoint at);
    bool dropOnBoard(QEvent* event);
    void ping(bool top);
    void info(bool top);
    void send(const QString& command);
    void askActivation();

    SoundSink& m_sounds;
    BoardGame m_game;
    RunningClock m_clock;
    bool m_clockForWhite = true;
    bool m_renderStale = false; // a frame came while the board was hidden
    Style12Record m_stepBefore; // the position the one on display followed
    QString m_caption;
    QString m_topHandle;
    QString m_bottomHandle;
    HoldingsLine m_holdings;
    bool m_active = false;
    bool m_stayOnTop = true;
    bool m_moveListShown = true;
    bool m_sidePanelsShown = true;
    QPoint m_rightClickSquare{-1, -1};
    QWidget* m_chat = nullptr;
};
