// The boards in the running client: a real main window (offscreen) logged in to the fake
// server on 127.0.0.1, which pushes captured and scripted game lines.
#include "chat/ui/TerminalView.h"
#include "chat/ui/TfrmMessage.h"
#include "games/BoardGame.h"
#include "games/BoardManager.h"
#include "games/QlGameFile.h"
#include "games/ui/GameButtonPanel.h"
#include "games/ui/TChessBoard.h"
#include "games/ui/TPieceGrid.h"
#include "games/ui/TfrmBoard.h"
#include "settings/SettingsFile.h"
#include "shell/MainBoards.h"
#include "shell/MainGameFiles.h"
#include "shell/TfrmMainChess.h"
#include "games/ui/InfoLine.h"

#include "ficsim/FakeFicsServer.h"
#include "support/ModalAnswer.h"
#include "support/Style12Lines.h"
#include "support/ui/LoggedInWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

constexpr int Patience = 30000;

QList<QByteArray> capture(const char* name)
{
    QFile file(QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return FakeFicsServer::linesAfterLogin(file.readAll());
}

QList<QMessageBox*> shownBoxes(const QString& caption)
{
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->windowTitle() == caption)
            boxes << box;
    }
    return boxes;
}

QStringList moveTexts(const TfrmBoard* board)
{
    QStringList texts;
    for (int i = 0; i < board->lstMoves->count(); ++i)
        texts << board->lstMoves->item(i)->text();
    return texts;
}

} // namespace

class BoardsE2ETest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void observedGameShowsEveryPositionAndEndFreesTheBoard();
    void acceptedChallengeIsPlayedOnTheBoard();
    void promotionIsAskedForBeforeTheMove();
    void examineButtonsSendTheirCommands();
    void fifthGameIsRefusedOnceAndFourBoardsStay();
    void soundsOnFirstBoardOnly_data();
    void soundsOnFirstBoardOnly();
    void bughouseHoldingsShowAndDropsAreSent();
    void separateWindowKeepsItsBoundsAndLayoutAcrossRuns();
    void boardModeMenuAsksAndSwitchesAtTheNextStart_data();
    void boardModeMenuAsksAndSwitchesAtTheNextStart();
    void separateWindowsStayOnTopAsStored_data();
    void separateWindowsStayOnTopAsStored();
    void loadedGameFileIsReviewedOnAFreeBoard_data();
    void loadedGameFileIsReviewedOnAFreeBoard();
    void gameEndNoticeCanHideTheNoticesToCome();

private:
    void login(const QByteArray& handle);
    TfrmBoard* board(int slot) const { return mainWindow().boards().boardWindow(slot); }
    bool serverGot(const QByteArray& line) const
    {
        const bool got =
            QTest::qWaitFor([&] { return server().receivedLines().contains(line); }, Patience);
        if (!got)
            qWarning() << "the server got" << server().receivedLines();
        return got;
    }
    QPoint squareCentre(TfrmBoard* board, const QByteArray& square) const;
    void drag(TfrmBoard* board, const QByteArray& from, const QByteArray& to);

    // The game-result notice when it shows with this caption, otherwise null.
    TfrmMessage* shownNotice(const QString& caption) const
    {
        TfrmMessage* notice = mainWindow().boards().notice();
        return notice->isVisible() && notice->windowTitle() == caption ? notice : nullptr;
    }
    TfrmMainChess& mainWindow() const { return m_session->window(); }
    FakeFicsServer& server() const { return m_session->server(); }

    std::unique_ptr<LoggedInWindow> m_session;
};

void BoardsE2ETest::init()
{
    m_session = std::make_unique<LoggedInWindow>();
    QVERIFY(m_session->isReady());
}

void BoardsE2ETest::cleanup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(widget))
            widget->close();
    }
    m_session.reset();
}

void BoardsE2ETest::login(const QByteArray& handle)
{
    m_session->writeEntry(
        m_session->entry(QString::fromLatin1(handle), QString::fromLatin1(handle + "pw")));
    QVERIFY(m_session->startWindow(QSize(1200, 900)));
    m_session->connectAtStart();
    QVERIFY(m_session->waitForLogin(handle, Patience));
}

QPoint BoardsE2ETest::squareCentre(TfrmBoard* board, const QByteArray& square) const
{
    const std::optional<QPoint> at = board->chsBoard->ParseSquare(square);
    if (!at)
        return {};
    board->chsBoard->repaint(); // the squares are measured when the board is drawn
    const qreal ratio = board->chsBoard->devicePixelRatioF();
    return board->chsBoard->layout().centre(at->x(), at->y()) / ratio;
}

void BoardsE2ETest::drag(TfrmBoard* board, const QByteArray& from, const QByteArray& to)
{
    TChessBoard* chess = board->chsBoard;
    const QPoint start = squareCentre(board, from);
    const QPoint end = squareCentre(board, to);
    QTest::mousePress(chess, Qt::LeftButton, {}, start);
    QTest::mouseMove(chess, (start + end) / 2);
    QTest::mouseMove(chess, end);
    QTest::mouseRelease(chess, Qt::LeftButton, {}, end);
}

void BoardsE2ETest::observedGameShowsEveryPositionAndEndFreesTheBoard()
{
    login("carol");
    server().pushTo("carol", capture("f_game.C.raw"));
    TfrmBoard* first = board(0);
    QTRY_VERIFY_WITH_TIMEOUT(!first->game().InUse() && first->game().gameNumber() == 1, Patience);
    QCOMPARE(mainWindow().tabSplitters->currentIndex(), 1);
    first->renderNow();
    // Every position of the game reached the move list, the takeback included.
    const QStringList moves = moveTexts(first);
    QCOMPARE(moves.first(), QStringLiteral("Moves"));
    QCOMPARE(moves.last(), QStringLiteral("6b. Nxg5"));
    QCOMPARE(moves.size(), 13);
    QCOMPARE(first->lblBottomName->text(), QStringLiteral("alice"));
    QCOMPARE(first->lblTopName->text(), QStringLiteral("bob"));
    QCOMPARE(first->lblMove->text(), QStringLiteral("6. ... Nxg5"));
    QCOMPARE(first->lblTopTime->text(), QStringLiteral("4:55"));
    QCOMPARE(first->game().GameResult(), QByteArray("0-1"));
    QTRY_VERIFY_WITH_TIMEOUT(shownNotice("alice vs. bob"), Patience);
    QCOMPARE(shownNotice("alice vs. bob")->lblMessage->text(), QStringLiteral("alice resigns"));
    QCOMPARE(first->chsBoard->CurrentPosition()[4 * 8 + 6], PieceCode::Empty);
}

void BoardsE2ETest::acceptedChallengeIsPlayedOnTheBoard()
{
    login("alice");
    Style12Line start = Style12Line::openingPly(0, 3, -1);
    start.white = "bob";
    start.black = "alice";
    start.flip = 1;
    server().addCue("Accept",
                    {"You accept the challenge of bob.",
                     "{Game 3 (bob vs. alice) Creating rated blitz match.}", start.text()});
    mainWindow().menus.mnuAccept->trigger();
    TfrmBoard* first = board(0);
    QTRY_VERIFY_WITH_TIMEOUT(first->game().InUse() && first->game().gameNumber() == 3, Patience);
    first->renderNow();
    QCOMPARE(first->lblBottomName->text(), QStringLiteral("alice"));
    QVERIFY(first->chsBoard->Reversed());
    QVERIFY(first->panels[0]->isVisibleTo(first));

    // Made while the opponent is to move, the move waits as a premove.
    drag(first, "e7", "e5");
    QCOMPARE(first->game().premove(), QByteArray("e7-e5"));
    QVERIFY(!server().receivedLines().contains("e7-e5"));

    Style12Line e4 = Style12Line::openingPly(1, 3, 1);
    e4.white = "bob";
    e4.black = "alice";
    e4.flip = 1;
    e4.blackSeconds = 298;
    server().pushTo("alice", {e4.text()});
    // The opponent's move makes it the user's turn: the premove leaves at once.
    QVERIFY(serverGot("e7-e5"));
    QCOMPARE(first->game().current().PlyIndex(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(!first->renderPending(), Patience);
    QCOMPARE(first->lblMove->text(), QStringLiteral("1. e4 ..."));
    const std::array<QPoint, 2> lastMove{*first->chsBoard->ParseSquare("e2"),
                                         *first->chsBoard->ParseSquare("e4")};
    QCOMPARE(first->chsBoard->highlight(), lastMove);
    // The user's clock runs: it shows the running form after the first tick.
    QTRY_VERIFY_WITH_TIMEOUT(first->lblBottomTime->text().startsWith(QStringLiteral("04:5")),
                             Patience);

    // A takeback to before the move shrinks the move list.
    Style12Line back = Style12Line::openingPly(0, 3, -1);
    back.white = "bob";
    back.black = "alice";
    back.flip = 1;
    server().pushTo("alice", {back.text()});
    QTRY_COMPARE_WITH_TIMEOUT(first->game().moveList().size(), 1, Patience);
    first->renderNow();
    QCOMPARE(moveTexts(first), QStringList{QStringLiteral("Moves")});

    server().addCue("Resign", {"{Game 3 (bob vs. alice) alice resigns} 1-0"});
    first->panels[0]->buttonWithTag(4)->click();
    QVERIFY(serverGot("Resign"));
    QTRY_VERIFY_WITH_TIMEOUT(!first->game().InUse(), Patience);
    QCOMPARE(first->game().GameResult(), QByteArray("1-0"));
    QTRY_VERIFY_WITH_TIMEOUT(shownNotice("bob vs. alice"), Patience);
}

void BoardsE2ETest::promotionIsAskedForBeforeTheMove()
{
    login("alice");
    Style12Line line;
    line.ranks = "----k--- P------- -------- -------- -------- -------- -------- ----K---";
    line.game = 8;
    line.relation = 1;
    line.moveNumber = 40;
    server().pushTo("alice", {line.text()});
    TfrmBoard* first = board(0);
    QTRY_VERIFY_WITH_TIMEOUT(first->game().InUse(), Patience);
    first->renderNow();
    QStringList asked;
    first->hooks.promotionRequest = [&] {
        asked << QStringLiteral("asked");
        first->hooks.sendCommand(QStringLiteral("promote Q"));
    };
    drag(first, "a7", "a8");
    QVERIFY(serverGot("a7-a8"));
    const QList<QByteArray> received = server().receivedLines();
    QCOMPARE(asked.size(), 1);
    QVERIFY(received.indexOf("promote Q") >= 0);
    QVERIFY(received.indexOf("promote Q") < received.indexOf("a7-a8"));
}

void BoardsE2ETest::examineButtonsSendTheirCommands()
{
    login("alice");
    Style12Line line = Style12Line::openingPly(0, 1, 2);
    line.black = "alice";
    server().pushTo("alice", {line.text()});
    TfrmBoard* first = board(0);
    QTRY_VERIFY_WITH_TIMEOUT(first->game().relation() == 2, Patience);
    GameButtonPanel* examining = first->panels[1];
    QTRY_VERIFY_WITH_TIMEOUT(examining->isVisibleTo(first), Patience);
    server().addCue("Forward", {Style12Line::openingPly(1, 1, 2).text()});
    examining->buttonWithTag(16)->click();
    QVERIFY(serverGot("Forward"));
    QTRY_COMPARE_WITH_TIMEOUT(first->game().moveList().size(), 2, Patience);
    server().addCue("Back", {Style12Line::openingPly(0, 1, 2).text()});
    examining->buttonWithTag(15)->click();
    QVERIFY(serverGot("Back"));
    QTRY_COMPARE_WITH_TIMEOUT(first->game().moveList().size(), 1, Patience);
    // The main window's Game menu acts on the examined board too.
    mainWindow().menus.mnuGame[8]->trigger(); // "R&evert"
    QVERIFY(serverGot("Revert"));
    mainWindow().menus.mnuGame[5]->trigger(); // "Abort/&Close"
    QVERIFY(serverGot("Unexamine"));
}

void BoardsE2ETest::fifthGameIsRefusedOnceAndFourBoardsStay()
{
    login("carol");
    QList<QByteArray> lines;
    for (int game = 1; game <= 5; ++game)
        lines << Style12Line::openingPly(0, game, 0).text();
    lines << Style12Line::openingPly(1, 5, 0).text();
    server().pushTo("carol", lines);
    QTRY_COMPARE_WITH_TIMEOUT(mainWindow().boards().manager().LastIndex(), 3, Patience);
    QTRY_COMPARE_WITH_TIMEOUT(shownBoxes("Limit Exceeded").size(), 1, Patience);
    QCOMPARE(shownBoxes("Limit Exceeded").first()->text(),
             QStringLiteral("Too many boards open. You can open a maximum of 4 boards."));
    QVERIFY(!QApplication::activeModalWidget());
    for (int slot = 0; slot < 4; ++slot)
        QCOMPARE(board(slot)->game().gameNumber(), slot + 1);
    // Four boards share the panel in two rows.
    QVERIFY(board(3)->geometry().top() > board(0)->geometry().top());
    QVERIFY(board(1)->geometry().left() > board(0)->geometry().left());
}

void BoardsE2ETest::soundsOnFirstBoardOnly_data()
{
    QTest::addColumn<bool>("firstOnly");
    QTest::newRow("every board sounds") << false;
    QTest::newRow("first board only") << true;
}

void BoardsE2ETest::soundsOnFirstBoardOnly()
{
    QFETCH(bool, firstOnly);
    SettingsFile(m_session->folder() + QStringLiteral("/Default.ini"))
        .writeBool("Sounds", "FirstOnly", firstOnly);
    login("carol");
    server().pushTo("carol", {Style12Line::openingPly(0, 1, 0).text(),
                              Style12Line::openingPly(0, 2, 0).text()});
    QTRY_COMPARE_WITH_TIMEOUT(mainWindow().boards().manager().LastIndex(), 1, Patience);
    QTRY_COMPARE_WITH_TIMEOUT(board(1)->game().gameNumber(), 2, Patience);
    QVERIFY(board(0)->game().SoundsEnabled());
    QCOMPARE(board(1)->game().SoundsEnabled(), !firstOnly);
}

void BoardsE2ETest::bughouseHoldingsShowAndDropsAreSent()
{
    login("alice");
    server().pushTo("alice",
                    {Style12Line::openingPly(0, 1, 1).text(), "<b1> game 1 white [PPN] black [Q]"});
    TfrmBoard* first = board(0);
    QTRY_VERIFY_WITH_TIMEOUT(first->game().HoldingsMode(), Patience);
    first->renderNow();
    QCOMPARE(first->pgBottom->Pawns(), 2);
    QCOMPARE(first->pgBottom->Knights(), 1);
    QVERIFY(first->pgBottom->White());
    QCOMPARE(first->pgTop->Queens(), 1);
    // A pawn dragged from the grid and dropped on e4.
    QMimeData data;
    data.setData(QStringLiteral("application/x-tolvaris-piece"), "P");
    const QPoint e4 = squareCentre(first, "e4");
    QDragEnterEvent enter(e4, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(first->chsBoard, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(e4, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(first->chsBoard, &drop);
    QVERIFY(serverGot("P@e4"));
}

void BoardsE2ETest::separateWindowKeepsItsBoundsAndLayoutAcrossRuns()
{
    SettingsFile profile(m_session->filePath("Default.ini"));
    profile.writeBool("Quodlin", "BoardsSeperated", true);
    login("carol");
    server().pushTo("carol", {Style12Line::openingPly(0, 6, 0).text()});
    QTRY_VERIFY_WITH_TIMEOUT(board(0)->game().InUse(), Patience);
    TfrmBoard* window = board(0);
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), Patience);
    QVERIFY(window->isWindow());
    QCOMPARE(mainWindow().tabSplitters->currentIndex(), 0);
    window->setGeometry(100, 120, 640, 480);
    window->btMoves->click();
    QVERIFY(!window->panMoves->isVisible());
    mainWindow().exitProgram();
    QCOMPARE(profile.readString("BoardX", "Moves Visible", QString()), QStringLiteral("0"));
    QCOMPARE(profile.readInteger("Board0", "Left", 0), 100);
    QCOMPARE(profile.readInteger("Board0", "Right", 0), 740);

    // The next run opens the board where it was, with the layout the user left.
    m_session->closeWindow();
    login("carol");
    server().pushTo("carol", {Style12Line::openingPly(0, 7, 0).text()});
    QTRY_VERIFY_WITH_TIMEOUT(board(0)->game().InUse() && board(0)->isVisible(), Patience);
    QCOMPARE(board(0)->geometry().left(), 100);
    QCOMPARE(board(0)->geometry().width(), 640);
    QVERIFY(!board(0)->panMoves->isVisible());
}

void BoardsE2ETest::boardModeMenuAsksAndSwitchesAtTheNextStart_data()
{
    QTest::addColumn<bool>("separate");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("docked boards go to windows of their own after OK") << false << true;
    QTest::newRow("separate windows go back into the Boards tab after OK") << true << true;
    QTest::newRow("cancel keeps the mode and the program running") << false << false;
}

void BoardsE2ETest::boardModeMenuAsksAndSwitchesAtTheNextStart()
{
    QFETCH(bool, separate);
    QFETCH(bool, confirmed);
    SettingsFile profile(m_session->filePath("Default.ini"));
    profile.writeBool("Quodlin", "BoardsSeperated", separate);
    login("carol");
    QAction* item = mainWindow().menus.mnuBoardsSeparate;
    QVERIFY(item->isEnabled());
    QCOMPARE(item->isChecked(), separate);
    QString caption;
    QString question;
    answerNextModal(this, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        caption = box->windowTitle();
        question = box->text();
        box->button(confirmed ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
    item->trigger();
    QCOMPARE(caption, QStringLiteral("Seperate Boards"));
    QCOMPARE(question, QStringLiteral("This setting will require exiting Quodlin."));
    QCOMPARE(item->isChecked(), separate); // the mode in use until the program ends
    QCOMPARE(mainWindow().isVisible(), !confirmed);
    if (!confirmed)
        mainWindow().exitProgram();
    const bool next = confirmed ? !separate : separate;
    QCOMPARE(profile.readBool("Quodlin", "BoardsSeperated", !next), next);

    m_session->closeWindow();
    login("carol");
    QCOMPARE(mainWindow().menus.mnuBoardsSeparate->isChecked(), next);
    server().pushTo("carol", {Style12Line::openingPly(0, 6, 0).text()});
    QTRY_VERIFY_WITH_TIMEOUT(board(0)->game().InUse() && board(0)->isVisible(), Patience);
    QCOMPARE(board(0)->isWindow(), next);
    QCOMPARE(mainWindow().tabSplitters->currentIndex(), next ? 0 : 1);
}

void BoardsE2ETest::separateWindowsStayOnTopAsStored_data()
{
    QTest::addColumn<bool>("stored");
    QTest::newRow("on top as stored") << true;
    QTest::newRow("an ordinary window as stored") << false;
}

void BoardsE2ETest::separateWindowsStayOnTopAsStored()
{
    QFETCH(bool, stored);
    SettingsFile profile(m_session->filePath("Default.ini"));
    profile.writeBool("Quodlin", "BoardsSeperated", true);
    profile.writeBool("Boards", "StayOnTop", stored);
    login("carol");
    server().pushTo("carol", {Style12Line::openingPly(0, 6, 0).text(),
                              Style12Line::openingPly(0, 7, 0).text()});
    QTRY_VERIFY_WITH_TIMEOUT(
        mainWindow().boards().manager().LastIndex() == 1 && board(1)->isVisible(), Patience);
    for (int slot = 0; slot < 2; ++slot) {
        QCOMPARE(board(slot)->stayOnTop(), stored);
        QCOMPARE(bool(board(slot)->windowFlags() & Qt::WindowStaysOnTopHint), stored);
    }
    // The user's choice on the first window is kept for the next run.
    board(0)->SetStayOnTop(!stored);
    QVERIFY(board(0)->isVisible());
    mainWindow().exitProgram();
    QCOMPARE(profile.readBool("Boards", "StayOnTop", stored), !stored);
}

void BoardsE2ETest::loadedGameFileIsReviewedOnAFreeBoard_data()
{
    QTest::addColumn<int>("observed");
    QTest::addColumn<QByteArray>("tail"); // bytes after the saved records
    QTest::addColumn<bool>("corrupt");    // an unknown piece code on the first record's e4
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("loadedSlot"); // -1: no board takes the file
    QTest::addColumn<QString>("message");
    QTest::newRow("whole records") << 1 << QByteArray() << false << true << 1 << QString();
    QTest::newRow("cut end") << 1 << QByteArray(20, 'x') << false << true << 1
                             << QStringLiteral("20 bytes");
    QTest::newRow("repaired") << 1 << QByteArray() << true << true << 1
                              << QStringLiteral("1 records held values out of range");
    QTest::newRow("unreadable") << 1 << QByteArray() << false << false << -1
                                << QStringLiteral("could not be loaded");
    QTest::newRow("four boards") << 4 << QByteArray() << false << true << -1 << QString();
}

void BoardsE2ETest::loadedGameFileIsReviewedOnAFreeBoard()
{
    QFETCH(int, observed);
    QFETCH(QByteArray, tail);
    QFETCH(bool, corrupt);
    QFETCH(bool, readable);
    QFETCH(int, loadedSlot);
    QFETCH(QString, message);
    login("carol");
    QList<QByteArray> lines;
    for (int game = 1; game <= observed; ++game)
        lines << Style12Line::openingPly(0, game, 0).text();
    server().pushTo("carol", lines);
    BoardManager& manager = mainWindow().boards().manager();
    QTRY_VERIFY_WITH_TIMEOUT(board(observed - 1) && board(observed - 1)->game().InUse(), Patience);

    QList<Style12Record> records;
    for (int ply = 0; ply <= 2; ++ply)
        records << Style12Line::openingPly(ply, 40, 0).record();
    if (corrupt)
        records[0].Squares[4 * 8 + 4] = PieceCode(200);
    const QString path = m_session->filePath(QStringLiteral("alice_bob.ql"));
    QString error;
    QVERIFY2(QlGameFile::save(records, path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(tail);
    file.close();

    QString told;
    if (!message.isEmpty()) {
        answerNextModal(this, [&told](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            told = box ? box->text() : QString();
            modal->close();
        });
    }
    mainWindow().gameFiles().loadGameFile(readable ? path : path + u'x');
    QVERIFY2(told.contains(message), qPrintable(told));
    if (loadedSlot < 0) {
        QCOMPARE(manager.LastIndex(), observed - 1);
        if (readable)
            QTRY_COMPARE_WITH_TIMEOUT(shownBoxes("Limit Exceeded").size(), 1, Patience);
        for (int slot = 0; slot < observed; ++slot)
            QCOMPARE(board(slot)->game().gameNumber(), slot + 1);
        return;
    }
    TfrmBoard* loaded = board(loadedSlot);
    QCOMPARE(manager.ActiveIndex(), loadedSlot);
    loaded->renderNow();
    // Several boards hide their move lists; the user shows this one to read it.
    loaded->SetMoveListShown(true);
    QCOMPARE(moveTexts(loaded), (QStringList{"Moves", "1w. e4", "1b. e5"}));
    QCOMPARE(loaded->lstMoves->currentRow(), 0);
    QVERIFY(loaded->game().ReviewMode());
    QVERIFY(!loaded->game().InUse());
    QCOMPARE(loaded->game().gameNumber(), 40);
    // The first item is on display: the starting position, white's king pawn at home.
    QVERIFY(loaded->chsBoard->CurrentPosition()[6 * 8 + 4] != PieceCode::Empty);
    QCOMPARE(loaded->chsBoard->CurrentPosition()[4 * 8 + 4], PieceCode::Empty);
}

void BoardsE2ETest::gameEndNoticeCanHideTheNoticesToCome()
{
    login("carol");
    server().pushTo("carol", capture("f_game.C.raw"));
    QTRY_VERIFY_WITH_TIMEOUT(shownNotice("alice vs. bob"), Patience);
    TfrmMessage* notice = shownNotice("alice vs. bob");
    QVERIFY(!notice->isModal());
    QVERIFY(notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!notice->chkHideGameMessages->isChecked());
    notice->chkHideGameMessages->setChecked(true);
    notice->btnOK->click();
    QVERIFY(notice->isHidden());

    // The same game once more ends without a notice.
    server().pushTo("carol", capture("f_game.C.raw"));
    // The terminal shows a game's end after the boards have handled it.
    QTRY_COMPARE_WITH_TIMEOUT(
        mainWindow().memTerminal->toPlainText().count(QStringLiteral("alice resigns")), 2,
        Patience);
    QVERIFY(notice->isHidden());

    mainWindow().exitProgram();
    SettingsFile profile(m_session->filePath("Default.ini"));
    QCOMPARE(profile.readBool("Quodlin", "HideGameMessages", false), true);
}

QTEST_MAIN(BoardsE2ETest)
#include "BoardsE2ETest.moc"
