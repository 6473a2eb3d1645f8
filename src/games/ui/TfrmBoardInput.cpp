// The board window's input: moves and drops, the popup menu, the game buttons, and the
// ping and info buttons.
#include "games/GameButtons.h"
#include "games/ui/TChessBoard.h"
#include "games/ui/TPieceGrid.h"
#include "games/ui/TfrmBoard.h"
#include "games/ui/TfrmDropPiece.h"

#include <QDrag>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace {

const QString PieceMimeType = QStringLiteral("application/x-tolvaris-piece");

const char* cursorOf(PieceKind kind)
{
    static constexpr const char* Cursors[] = {"CURPAWN", "CURKNIGHT", "CURBISHOP",
                                              "CURROOK", "CURQUEEN",  "CURKING"};
    return Cursors[int(kind)];
}

} // namespace

void TfrmBoard::buildMenu()
{
    mnuBoard = new QMenu(this);
    mnuBoard->setObjectName(QStringLiteral("mnuBoard"));
    connect(mnuBoard->addAction(QStringLiteral("&Drop")), &QAction::triggered, this,
            &TfrmBoard::dropFromMenu);
    connect(mnuBoard->addAction(QStringLiteral("&Flip")), &QAction::triggered, this,
            [this] { SetUserFlip(!m_game.UserFlip()); });
    connect(mnuBoard->addAction(QStringLiteral("&Close/Abort")), &QAction::triggered, this,
            [this] {
                askActivation();
                if (hooks.closeOrAbort)
                    hooks.closeOrAbort();
            });
    connect(mnuBoard->addAction(QStringLiteral("&Refresh")), &QAction::triggered, this, [this] {
        if (hooks.refreshRequest)
            hooks.refreshRequest();
    });
    connect(mnuBoard->addAction(QStringLiteral("Re&draw")), &QAction::triggered, chsBoard,
            &TChessBoard::FullRebuild);
    QAction* properties = mnuBoard->addAction(QStringLiteral("&Properties"));
    connect(properties, &QAction::triggered, this, [this] {
        if (hooks.boardSettings)
            hooks.boardSettings();
    });
    QAction* stayOnTop = mnuBoard->addAction(QStringLiteral("&Stay On Top"));
    stayOnTop->setCheckable(true);
    connect(stayOnTop, &QAction::triggered, this, [this](bool on) { SetStayOnTop(on); });
    connect(mnuBoard, &QMenu::aboutToShow, this, [this, stayOnTop, properties] {
        stayOnTop->setVisible(isWindow() && isVisible());
        stayOnTop->setChecked(m_stayOnTop);
        properties->setEnabled(bool(hooks.boardSettings));
    });
}

void TfrmBoard::send(const QString& command)
{
    if (hooks.sendCommand)
        hooks.sendCommand(command);
}

void TfrmBoard::askActivation()
{
    if (hooks.activateMe)
        hooks.activateMe();
}

void TfrmBoard::moveMade(const QByteArray& move)
{
    const bool premoves = hooks.premoveEnabled && hooks.premoveEnabled();
    switch (m_game.moveAction(premoves)) {
    case BoardGame::MoveAction::KeepLocal:
        return;
    case BoardGame::MoveAction::ReturnToLatest:
        listRevert();
        return;
    case BoardGame::MoveAction::KeepAsPremove:
        if (!move.startsWith('x')) {
            m_game.setPremove(move);
            return;
        }
        break;
    case BoardGame::MoveAction::Send:
        break;
    }
    // A removal is followed by a fresh position, which repairs the board when refused.
    send(QString::fromLatin1(move) + (move.startsWith('x') ? QStringLiteral("^Refresh") : QString()));
}

void TfrmBoard::boardMouseDown(Qt::MouseButton button, int boardX, int boardY)
{
    askActivation();
    m_rightClickSquare = QPoint(boardX, boardY);
    if (button != Qt::RightButton)
        return;
    if (!m_game.premove().isEmpty()) {
        // A right click takes a premove back instead of opening the menu.
        m_game.cancelPremove();
        chsBoard->SetPosition(m_game.current());
        return;
    }
    mnuBoard->popup(QCursor::pos());
}

void TfrmBoard::dropFromMenu()
{
    TfrmDropPiece dialog(this);
    const PieceCode piece = dialog.ChooseDropPiece();
    if (piece == PieceCode::Empty || m_rightClickSquare.x() < 0)
        return;
    send(QLatin1Char(pieceLetter(piece)) + QStringLiteral("@") +
         QString::fromLatin1(chsBoard->SquareName(m_rightClickSquare.y(), m_rightClickSquare.x())));
}

void TfrmBoard::startGridDrag(TPieceGrid* grid, QPoint at)
{
    const PieceCode piece = grid->PieceAt(at.x(), at.y());
    if (piece == PieceCode::Empty)
        return;
    auto* data = new QMimeData;
    data->setData(PieceMimeType, QByteArray(1, pieceLetter(piece)));
    auto* drag = new QDrag(grid);
    drag->setMimeData(data);
    const QPixmap cursor(QStringLiteral(":/cursors/%1.png")
                             .arg(QLatin1String(cursorOf(pieceKindOf(piece)))));
    drag->setPixmap(cursor);
    drag->setHotSpot(QPoint(cursor.width() / 2, cursor.height() / 2));
    drag->exec(Qt::CopyAction);
}

bool TfrmBoard::dropOnBoard(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const QByteArray letter = drop->mimeData()->data(PieceMimeType);
    if (letter.size() != 1)
        return false;
    if (event->type() != QEvent::Drop) {
        drop->acceptProposedAction();
        return true;
    }
    const QPoint at = drop->position().toPoint();
    const auto square = chsBoard->SquareAt(at.x(), at.y());
    if (square)
        send(QString::fromLatin1(letter) + u'@' +
             QString::fromLatin1(chsBoard->SquareName(square->y(), square->x())));
    drop->acceptProposedAction();
    return true;
}

bool TfrmBoard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == chsBoard &&
        (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop))
        return dropOnBoard(event);
    if (type == QEvent::MouseButtonPress) {
        askActivation();
        auto* grid = qobject_cast<TPieceGrid*>(watched);
        auto* press = static_cast<QMouseEvent*>(event);
        if (grid && press->button() == Qt::LeftButton)
            startGridDrag(grid, press->position().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmBoard::gameButton(int tag)
{
    const QString hello = hooks.helloText ? hooks.helloText() : QString();
    const QString goodGame = hooks.goodGameText ? hooks.goodGameText() : QString();
    const GameButtons::Effect effect = GameButtons::forTag(tag, m_game, hello, goodGame);
    switch (effect.action) {
    case GameButtons::Action::Send:
        send(effect.command);
        break;
    case GameButtons::Action::CloseOrAbort:
        askActivation();
        if (hooks.closeOrAbort)
            hooks.closeOrAbort();
        break;
    case GameButtons::Action::ListBack:
        listBack();
        break;
    case GameButtons::Action::ListForward:
        listForward();
        break;
    case GameButtons::Action::ListRevert:
        listRevert();
        break;
    case GameButtons::Action::Flip:
        SetUserFlip(!m_game.UserFlip());
        break;
    case GameButtons::Action::Promote: {
        TfrmDropPiece dialog(this);
        const QString text = dialog.ChoosePromotion(hooks.icc && hooks.icc());
        if (!text.isEmpty())
            send(text);
        break;
    }
    case GameButtons::Action::Autoflag:
        // The board's "Flag" claims the opponent's flag; the main window's autoflag
        // switch shares the tag.
        send(QStringLiteral("flag"));
        break;
    case GameButtons::Action::Compose:
        if (hooks.otherButton)
            hooks.otherButton(tag);
        break;
    case GameButtons::Action::None:
        break;
    }
}

void TfrmBoard::ping(bool top)
{
    // The full handle: the labels show nine characters, which could name someone else.
    send(QStringLiteral("Ping ") + fullHandle(top));
}

void TfrmBoard::info(bool top)
{
    const QString a = fullHandle(top);
    const QString b = fullHandle(!top);
    const QString assess = m_game.playing() ? QStringLiteral(" ^500 Assess")
                                            : QStringLiteral(" ^500 Assess ") + a + u' ' + b;
    send(QStringLiteral("iset block 1^500 Finger ") + a + QStringLiteral(" ^500 History ") + a +
         assess + QStringLiteral("^999 iset block 0"));
}
