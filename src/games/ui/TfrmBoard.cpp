#include "games/ui/TfrmBoard.h"

#include "games/BoardTexts.h"
#include "games/ClockText.h"
#include "games/LastMoveSquares.h"
#include "games/ui/BoardInfoColumn.h"
#include "games/ui/GameButtonPanel.h"
#include "games/ui/StrengthBarsView.h"
#include "games/ui/TChessBoard.h"
#include "games/ui/TPieceGrid.h"
#include "session/SoundSink.h"
#include "widgets/FrameClock.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int MovesWidth = 100;
constexpr int ButtonsWidth = 85;
constexpr int CommandsHeight = 150;
constexpr int NarrowColumn = 17;
const QString MovesVisibleKey = QStringLiteral("Moves Visible");
const QString CommandsWidthKey = QStringLiteral("Commands Width");
const QString TerminalHeightKey = QStringLiteral("TerminalHeightX");

QToolButton* smallButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    return button;
}

} // namespace

TfrmBoard::TfrmBoard(SoundSink& sounds, QWidget* parent) : QWidget(parent), m_sounds(sounds)
{
    setObjectName(QStringLiteral("frmBoard"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(760, 560);

    splitter = new QSplitter(Qt::Vertical, this);
    pnlBoard = new QWidget(splitter);
    pnlBoard->setObjectName(QStringLiteral("pnlBoard"));
    auto* row = new QHBoxLayout(pnlBoard);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    buildButtonColumn();
    row->addWidget(pnlButtons);

    Shape1 = new QFrame(pnlBoard);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAutoFillBackground(true);
    auto* frameLayout = new QVBoxLayout(Shape1);
    frameLayout->setContentsMargins(3, 3, 3, 3);
    chsBoard = new TChessBoard(Shape1);
    chsBoard->setObjectName(QStringLiteral("chsBoard"));
    chsBoard->setMinimumSize(160, 160);
    chsBoard->setAcceptDrops(true);
    chsBoard->installEventFilter(this);
    frameLayout->addWidget(chsBoard);
    row->addWidget(Shape1, 1);

    buildInfoPanel();
    row->addWidget(pnlBoardInfo);
    buildMovePanel();
    row->addWidget(panMoves);

    pnlCmds = new QWidget(splitter);
    pnlCmds->setObjectName(QStringLiteral("pnlCmds"));
    auto* chatLayout = new QVBoxLayout(pnlCmds);
    chatLayout->setContentsMargins(0, 0, 0, 0);
    splitter->addWidget(pnlBoard);
    splitter->addWidget(pnlCmds);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({400, CommandsHeight});

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(splitter);

    buildMenu();
    connect(&m_clock, &RunningClock::ticked, this,
            [this](const QString& text) { clockLabel()->setText(text); });
    connect(chsBoard, &TChessBoard::OnChessMove, this, &TfrmBoard::moveMade);
    connect(chsBoard, &TChessBoard::OnChessPromote, this, [this] {
        if (hooks.promotionRequest)
            hooks.promotionRequest();
    });
    connect(chsBoard, &TChessBoard::OnChessMouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int, int boardX,
                   int boardY) { boardMouseDown(button, boardX, boardY); });
    ClearGameInfo();
    setActive(false);
    showButtonPanel(ButtonPanel::Observing, true);
    render();
}

TfrmBoard::~TfrmBoard() = default;

void TfrmBoard::buildInfoPanel()
{
    btTopInfo = smallButton(nullptr, "btTopInfo", QStringLiteral("i"));
    btTopPing = smallButton(nullptr, "btTopPing", QStringLiteral("p"));
    SpeedButton15 = smallButton(nullptr, "SpeedButton15", QStringLiteral("i"));
    lblBottomPing = smallButton(nullptr, "lblBottomPing", QStringLiteral("p"));
    pnlBoardInfo =
        new BoardInfoColumn({btTopInfo, btTopPing}, {SpeedButton15, lblBottomPing}, pnlBoard);
    pnlBoardInfo->setObjectName(QStringLiteral("pnlBoardInfo"));
    pnlBoardInfo->installEventFilter(this);
    lblMove = &pnlBoardInfo->lastMove;
    lblTopName = &pnlBoardInfo->topName;
    lblTopRate = &pnlBoardInfo->topRate;
    lblTopTime = &pnlBoardInfo->topTime;
    lblBottomName = &pnlBoardInfo->bottomName;
    lblBottomRate = &pnlBoardInfo->bottomRate;
    lblBottomTime = &pnlBoardInfo->bottomTime;
    pgTop = pnlBoardInfo->topGrid;
    pgBottom = pnlBoardInfo->bottomGrid;
    pgTop->setObjectName(QStringLiteral("pgTop"));
    pgBottom->setObjectName(QStringLiteral("pgBottom"));
    for (TPieceGrid* grid : {pgTop, pgBottom})
        grid->installEventFilter(this);
    connect(btTopPing, &QToolButton::clicked, this, [this] { ping(true); });
    connect(lblBottomPing, &QToolButton::clicked, this, [this] { ping(false); });
    connect(btTopInfo, &QToolButton::clicked, this, [this] { info(true); });
    connect(SpeedButton15, &QToolButton::clicked, this, [this] { info(false); });
}

void TfrmBoard::buildMovePanel()
{
    panMoves = new QWidget(pnlBoard);
    panMoves->setObjectName(QStringLiteral("panMoves"));
    panMoves->setFixedWidth(MovesWidth);
    auto* column = new QVBoxLayout(panMoves);
    column->setContentsMargins(0, 0, 0, 0);
    lstMoves = new QListWidget(panMoves);
    lstMoves->setObjectName(QStringLiteral("lstMoves"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    lstMoves->setFont(mono);
    QPalette palette = lstMoves->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    lstMoves->setPalette(palette);
    lstMoves->setFocusPolicy(Qt::NoFocus);
    // One line per entry: the list is laid out without asking every entry its size.
    lstMoves->setUniformItemSizes(true);
    panBars = new StrengthBarsView(panMoves);
    column->addWidget(lstMoves, 1);
    column->addWidget(panBars);
    connect(lstMoves, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { apply(m_game.selectItem(lstMoves->row(item))); });
}

void TfrmBoard::buildButtonColumn()
{
    pnlButtons = new QWidget(pnlBoard);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlButtons->setFixedWidth(ButtonsWidth);
    auto* column = new QVBoxLayout(pnlButtons);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* toggles = new QHBoxLayout;
    btColumn = smallButton(pnlButtons, "btColumn", QStringLiteral("C"));
    btMoves = smallButton(pnlButtons, "btMoves", QStringLiteral("M"));
    btChat = smallButton(pnlButtons, "btChat", QStringLiteral("T"));
    for (QToolButton* toggle : {btColumn, btMoves, btChat})
        toggles->addWidget(toggle);
    column->addLayout(toggles);
    const ButtonPanel kinds[3] = {ButtonPanel::Playing, ButtonPanel::Examining,
                                  ButtonPanel::Observing};
    for (int i = 0; i < 3; ++i) {
        panels[i] = new GameButtonPanel(kinds[i], Qt::Vertical, pnlButtons);
        column->addWidget(panels[i], 1);
        connect(panels[i], &GameButtonPanel::tagClicked, this, &TfrmBoard::gameButton);
    }
    connect(btColumn, &QToolButton::clicked, this, [this] {
        const int width = pnlButtons->width() > NarrowColumn ? NarrowColumn : ButtonsWidth;
        setButtonColumnWidth(width);
        storeLayout(CommandsWidthKey, QString::number(width));
    });
    connect(btMoves, &QToolButton::clicked, this, [this] {
        setSidePanelsShown(!m_sidePanelsShown);
        storeLayout(MovesVisibleKey, m_sidePanelsShown ? QStringLiteral("1") : QStringLiteral("0"));
    });
    connect(btChat, &QToolButton::clicked, this, [this] {
        splitter->setSizes({splitter->height(), pnlCmds->height() <= 1 ? CommandsHeight : 1});
    });
    connect(splitter, &QSplitter::splitterMoved, this,
            [this] { storeLayout(TerminalHeightKey, QString::number(pnlCmds->height())); });
}

void TfrmBoard::setButtonColumnWidth(int width)
{
    pnlButtons->setFixedWidth(width);
    for (GameButtonPanel* panel : panels)
        panel->setMaximumWidth(width > NarrowColumn ? ButtonsWidth : 0);
}

void TfrmBoard::storeLayout(const QString& key, const QString& value)
{
    if (isWindow() && hooks.writeLayout)
        hooks.writeLayout(key, value);
}

// Separate windows keep their layout in shared keys; docked boards follow the settings
// for one or several boards instead.
void TfrmBoard::readLayoutKeys()
{
    if (!isWindow() || !hooks.readLayout)
        return;
    setSidePanelsShown(hooks.readLayout(MovesVisibleKey, QStringLiteral("1")) != u"0");
    setButtonColumnWidth(hooks.readLayout(CommandsWidthKey, QStringLiteral("85")) == u"85"
                             ? ButtonsWidth
                             : NarrowColumn);
    bool ok = false;
    const int height = hooks.readLayout(TerminalHeightKey, QStringLiteral("180")).toInt(&ok);
    splitter->setSizes({splitter->height(), ok ? std::clamp(height, 1, 2000) : 180});
}

void TfrmBoard::showEvent(QShowEvent* event)
{
    readLayoutKeys();
    if (m_renderStale)
        render();
    QWidget::showEvent(event);
}

// A hidden board (another tab shown) draws nothing; it catches up, once, when shown.
void TfrmBoard::frameDue()
{
    if (isVisible())
        render();
    else
        m_renderStale = true;
}

void TfrmBoard::ShowRecord(const Style12Record& record, bool redisplay)
{
    const Style12Record before = m_game.current();
    const BoardGame::Shown shown = m_game.showRecord(record, redisplay);
    if (shown.displayed)
        m_stepBefore = before;
    apply(shown);
}

void TfrmBoard::LoadRecords(const QList<Style12Record>& records)
{
    apply(m_game.loadRecords(records));
}

void TfrmBoard::apply(const BoardGame::Shown& shown)
{
    if (!shown.sound.isEmpty())
        m_sounds.playSound(shown.sound);
    if (!shown.premoveToSend.isEmpty())
        send(QString::fromLatin1(shown.premoveToSend));
    if (shown.listChanged || shown.displayed)
        scheduleRender();
}

void TfrmBoard::scheduleRender()
{
    if (drawnAtNextFrame())
        FrameClock::instance().request(this, 1, [this] { frameDue(); });
    else
        FrameClock::instance().requestTurn(this, [this] { frameDue(); });
}

// An observed game's new position waits for the turn, the frame the text panes take:
// four observed games flooding in share a few paint passes, and a move is still on the
// screen sooner than an onlooker can tell. The user's own game (played or examined) is
// drawn at the next frame. Slides keep every frame.
bool TfrmBoard::drawnAtNextFrame() const
{
    return m_game.playing() || m_game.relation() == 2;
}

bool TfrmBoard::renderPending() const
{
    return FrameClock::instance().waits(this);
}

void TfrmBoard::renderNow()
{
    if (renderPending()) {
        FrameClock::instance().cancel(this);
        render();
    }
}

void TfrmBoard::render()
{
    m_renderStale = false;
    const Style12Record& record = m_game.current();
    const QString caption = BoardTexts::caption(record, m_game.gameInfo());
    if (caption != m_caption) {
        m_caption = caption;
        setWindowTitle(caption);
    }
    const GameInfo& info = m_game.gameInfo();
    panBars->setValues(QByteArray::number(record.WhiteStrength.value()),
                       QByteArray::number(record.BlackStrength.value()), info.whiteRating,
                       info.blackRating);
    panBars->setColours(chsBoard->WPColor(), chsBoard->BPColor());
    renderPlayers(record);
    renderGrids(record);
    lblMove->setText(BoardTexts::lastMove(record));
    // Positions that came within one frame are drawn once, yet the last move still slides
    // from the position it was made in (an opponent answering at once, for one).
    const Style12Record& drawn = chsBoard->LastRecord();
    if (m_stepBefore.GameNumber.value() == record.GameNumber.value() &&
        m_stepBefore.PlyIndex() + 1 == record.PlyIndex() &&
        (drawn.GameNumber.value() != m_stepBefore.GameNumber.value() ||
         drawn.PlyIndex() != m_stepBefore.PlyIndex()))
        chsBoard->SetPosition(m_stepBefore);
    chsBoard->SetPosition(record);
    showLastMove(record);
    syncMoveList();
}

void TfrmBoard::lookChanged()
{
    chsBoard->FullRebuild();
    pgTop->update();
    pgBottom->update();
    panBars->setColours(chsBoard->WPColor(), chsBoard->BPColor());
    showLastMove(m_game.current());
}

void TfrmBoard::renderPlayers(const Style12Record& record)
{
    const bool blackBottom = record.Flip;
    const QByteArray& bottomName =
        blackBottom ? record.BlackName.value() : record.WhiteName.value();
    const QByteArray& topName = blackBottom ? record.WhiteName.value() : record.BlackName.value();
    const QString bottomHandle = QString::fromLatin1(bottomName);
    const QString topHandle = QString::fromLatin1(topName);
    if (bottomHandle != m_bottomHandle || topHandle != m_topHandle) {
        m_bottomHandle = bottomHandle;
        m_topHandle = topHandle;
        lblBottomName->setText(BoardTexts::shortName(bottomName));
        lblTopName->setText(BoardTexts::shortName(topName));
        lblBottomName->setToolTip(m_bottomHandle);
        lblTopName->setToolTip(m_topHandle);
    }
    const GameInfo& info = m_game.gameInfo();
    const QString whiteRate = QString::fromLatin1(info.whiteRating);
    const QString blackRate = QString::fromLatin1(info.blackRating);
    lblBottomRate->setText(blackBottom ? blackRate : whiteRate);
    lblTopRate->setText(blackBottom ? whiteRate : blackRate);
    const QString whiteTime = ClockText::fromServer(record.WhiteTime.value());
    const QString blackTime = ClockText::fromServer(record.BlackTime.value());
    // Once the clock has ticked, its label shows the running time, not the server's.
    InfoLine* running = m_clock.isRunning() && m_clock.hasTicked() ? clockLabel() : nullptr;
    for (InfoLine* label : {lblBottomTime, lblTopTime}) {
        if (label == running)
            continue;
        const bool bottom = label == lblBottomTime;
        label->setText(bottom == blackBottom ? blackTime : whiteTime);
    }
    // Dimmed, yet readable on the grey and yellow label backgrounds.
    const QColor waiting(112, 112, 112);
    const bool bottomToMove = bool(record.WhitesMove) != blackBottom;
    for (InfoLine* label : {lblBottomName, lblBottomTime, lblTopName, lblTopTime}) {
        const bool bottom = label == lblBottomName || label == lblBottomTime;
        label->setTextColour(bottom == bottomToMove ? QColor() : waiting);
    }
}

void TfrmBoard::renderGrids(const Style12Record& record)
{
    const bool whiteBottom = !record.Flip;
    // The grid by a player holds the pieces that player may drop, or has captured.
    const auto fill = [](TPieceGrid* grid, bool white, const std::array<int, 6>& counts) {
        grid->setWhite(white);
        grid->SetPieces(counts[0], counts[1], counts[2], counts[3], counts[4], counts[5]);
    };
    if (m_game.HoldingsMode()) {
        fill(whiteBottom ? pgBottom : pgTop, true, m_holdings.white);
        fill(whiteBottom ? pgTop : pgBottom, false, m_holdings.black);
        return;
    }
    fill(pgTop, whiteBottom, BoardTexts::lostPieces(record, whiteBottom));
    fill(pgBottom, !whiteBottom, BoardTexts::lostPieces(record, !whiteBottom));
}

void TfrmBoard::showLastMove(const Style12Record& record)
{
    const QPoint none(-1, -1);
    if (!(hooks.highlightLastMove && hooks.highlightLastMove())) {
        chsBoard->setHighlight(none, none);
        return;
    }
    const LastMoveSquares squares = LastMoveSquares::of(record);
    const auto displayed = [this, none](const QByteArray& name) {
        return name.isEmpty() ? none : chsBoard->ParseSquare(name).value_or(none);
    };
    chsBoard->setHighlight(displayed(squares.from), displayed(squares.to));
}

// A hidden list (four docked boards hide theirs) catches up when it is shown again.
void TfrmBoard::syncMoveList()
{
    if (!panMoves->isVisibleTo(this))
        return;
    const MoveList& moves = m_game.moveList();
    const int size = moves.size();
    const QSignalBlocker blocker(lstMoves);
    const int shown = lstMoves->count();
    while (lstMoves->count() > size)
        delete lstMoves->takeItem(lstMoves->count() - 1);
    // Only the last entry can differ: a cut list always ends with the one new entry.
    if (size > 0 && lstMoves->count() == size &&
        lstMoves->item(size - 1)->text() != moves.at(size - 1).text)
        lstMoves->item(size - 1)->setText(moves.at(size - 1).text);
    for (int i = lstMoves->count(); i < size; ++i)
        lstMoves->addItem(moves.at(i).text);
    const int selected = m_game.selectedItem();
    if (selected < 0 || selected >= size)
        return;
    const bool moved = selected != lstMoves->currentRow() || shown != size;
    if (selected != lstMoves->currentRow())
        lstMoves->setCurrentRow(selected);
    if (moved)
        lstMoves->scrollToItem(lstMoves->currentItem());
}

InfoLine* TfrmBoard::clockLabel() const
{
    const bool whiteBottom = !m_game.current().Flip;
    return m_clockForWhite == whiteBottom ? lblBottomTime : lblTopTime;
}

void TfrmBoard::ApplyGameInfo(const GameInfo& info)
{
    m_game.setGameInfo(info);
    scheduleRender();
}

void TfrmBoard::ClearGameInfo()
{
    m_game.ClearGameInfo();
}

void TfrmBoard::ApplyHoldings(const QByteArray& line)
{
    m_game.setHoldingsMode(true);
    if (const auto holdings = HoldingsLine::parse(line)) {
        m_holdings = *holdings;
        scheduleRender();
    }
}

void TfrmBoard::startClock()
{
    m_clock.stop();
    const Style12Record& record = m_game.current();
    if (!m_game.InUse() || !record.LiveGame || m_game.clockPaused())
        return;
    m_clockForWhite = record.WhitesMove;
    m_clock.start(m_clockForWhite ? record.WhiteTime.value() : record.BlackTime.value());
}

void TfrmBoard::stopClock()
{
    m_clock.stop();
}

void TfrmBoard::setClockPaused(bool paused)
{
    m_game.setClockPaused(paused);
    if (paused)
        m_clock.pause();
    else if (!m_clock.resume())
        startClock(); // stopped meanwhile (a refresh): the server's times are current
}

void TfrmBoard::setActive(bool active)
{
    m_active = active;
    QPalette palette = Shape1->palette();
    palette.setColor(QPalette::Window, active ? QPalette().color(QPalette::Button)
                                              : QPalette().color(QPalette::Base));
    Shape1->setPalette(palette);
}

void TfrmBoard::showButtonPanel(ButtonPanel panel, bool gameBarShown)
{
    for (GameButtonPanel* candidate : panels)
        candidate->setVisible(gameBarShown && candidate->kind() == panel);
}

void TfrmBoard::SetUserFlip(bool value)
{
    if (!m_game.setUserFlip(value))
        return;
    FrameClock::instance().cancel(this);
    render();
}

void TfrmBoard::SetMoveListShown(bool value)
{
    m_moveListShown = value;
    panMoves->setVisible(m_sidePanelsShown && m_moveListShown);
    syncMoveList();
}

void TfrmBoard::setSidePanelsShown(bool value)
{
    m_sidePanelsShown = value;
    pnlBoardInfo->setVisible(value);
    SetMoveListShown(m_moveListShown);
}

void TfrmBoard::SetStayOnTop(bool value)
{
    m_stayOnTop = value;
    if (isWindow() && bool(windowFlags() & Qt::WindowStaysOnTopHint) != value) {
        // Changing a window's flags hides it: a shown window is shown again.
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, value);
        if (shown)
            show();
    }
}

void TfrmBoard::setChatPane(QWidget* pane)
{
    delete m_chat;
    m_chat = pane;
    if (pane) {
        pane->setParent(pnlCmds);
        pnlCmds->layout()->addWidget(pane);
        pane->show();
    }
}

void TfrmBoard::setDocked(bool docked)
{
    pnlCmds->setVisible(!docked);
}

void TfrmBoard::listBack()
{
    apply(m_game.back());
}

void TfrmBoard::listForward()
{
    apply(m_game.forward());
}

void TfrmBoard::listRevert()
{
    apply(m_game.revert());
}

void TfrmBoard::closeEvent(QCloseEvent* event)
{
    if (m_game.InUse()) {
        event->ignore();
        if (hooks.closeOrAbort)
            hooks.closeOrAbort();
        return;
    }
    if (hooks.boundsChanged)
        hooks.boundsChanged(geometry());
    QWidget::closeEvent(event);
}

void TfrmBoard::hideEvent(QHideEvent* event)
{
    if (isWindow() && hooks.boundsChanged)
        hooks.boundsChanged(geometry());
    QWidget::hideEvent(event);
}

void TfrmBoard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow())
        askActivation();
    QWidget::changeEvent(event);
}
