#include "chat/ui/TerminalMenu.h"
#include "chat/ui/TerminalPane.h"
#include "lists/ui/TSeekGraph.h"
#include "lists/ui/TSoughtPanel.h"
#include "lists/ui/TfrmCmds.h"
#include "lists/ui/TfrmHistory.h"
#include "lists/ui/TfrmMatch.h"
#include "lists/ui/TfrmStored.h"
#include "lists/ui/TfrmVars.h"
#include "session/ui/CommandInput.h"
#include "settings/SettingsFile.h"
#include "shell/MainLists.h"
#include "shell/TfrmMainChess.h"

#include "ficsim/BotPlayer.h"
#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsText.h"
#include "ficsim/GameReferee.h"
#include "ficsim/RandomMover.h"
#include "support/ModalAnswer.h"
#include "support/RawFicsClient.h"
#include "support/ui/LoggedInWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace {

using ListWindow = ReplyWindowsSink::ListWindow;

constexpr int Patience = 30000;

// A tagged reply as the public server sends it: one block around the lines.
QList<QByteArray> blockLines(const QByteArray& identifier, int code, QList<QByteArray> lines)
{
    using namespace FakeFicsText;
    lines.first().prepend(QByteArray(1, BlockStart) + identifier + BlockSeparator +
                          QByteArray::number(code) + BlockSeparator);
    lines.append(QByteArray(1, BlockEnd));
    return lines;
}

const QList<QByteArray> HistoryRows{
    "History for alice:",
    "                  Opponent      Type         ECO End Date",
    " 0: =    0 W    0 bob           [ bu  5   0] B01 Agr Thu Dec 10 12:20:54 2026",
    " 1: -    0 W    0 bob           [ bu  5   0] A00 Mat Thu Dec 10 12:20:58 2026",
    " 2: - 1558 W 1882 bob           [ lr  1   0] C20 Res Thu Dec 10 12:21:40 2026",
};

const QList<QByteArray> StoredRows{
    "Stored games for alice:",
    "    C Opponent       On Type          Str  M    ECO Date",
    " 1: W bob             Y [ br  2  12] 39-39 W3   C20 Thu Dec 10 12:21 UTC 2026",
    " 2: B carol           N [ sr 15   0] 39-39 B12  B01 Wed Dec  9 20:01 UTC 2026",
};

const QList<QByteArray> JournalRows{
    "Journal for alice:",
    "%01: alice         1558    bob           1882    [ lr  1   0] C20 Res 1-0",
    "%02: carol         1882    ALICE         1558    [ bu  5   0] B01 Agr 1/2-1/2",
};

} // namespace

class ListsE2ETest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void soughtTabFillsThePaneAndRefreshes();
    void seekGraphPlacesOffersAndPlaysOnClick();
    void seekButtonSendsTheMatchProfile();
    void variablesFillAndSetInOrder();
    void gameListButtons_data();
    void gameListButtons();
    void allInfoFillsTheCommandsWindow();
    void historyShowsAGamePlayedAgainstRandy();
    void storedShowsAnAdjournedGame();
    void journalOfTheServer();
    void newSessionStartsOnTheTerminalTab_data();
    void newSessionStartsOnTheTerminalTab();
    void wildGraphRangeFromTheSettingsIsClamped();

private:
    void start(bool graphView = true);
    int received(const QByteArray& line) const;
    QList<QByteArray> receivedSince(qsizetype from) const;
    // Typed into the command input and sent with Return, as a user does.
    void type(const QString& command);
    QToolButton* infoButton(const char* name) const;

    TfrmMainChess& mainWindow() const { return m_session->window(); }
    FakeFicsServer& server() const { return m_session->server(); }

    std::unique_ptr<LoggedInWindow> m_session;
};

void ListsE2ETest::init()
{
    m_session = std::make_unique<LoggedInWindow>();
    QVERIFY(m_session->isReady());
}

void ListsE2ETest::cleanup()
{
    m_session.reset();
}

void ListsE2ETest::start(bool graphView)
{
    SettingsFile(m_session->filePath("Default.ini")).writeBool("Sought", "UseGraph", graphView);
    m_session->writeEntry(m_session->entry(QStringLiteral("alice"), QStringLiteral("alicepw")));
    QVERIFY(m_session->startWindow(QSize(1000, 700)));
    m_session->connectAtStart();
    QVERIFY(m_session->waitForLogin("alice"));
    mainWindow().toolBars.laTarget->setText(QStringLiteral("alice"));
}

int ListsE2ETest::received(const QByteArray& line) const
{
    return int(server().receivedLines().count(line));
}

QList<QByteArray> ListsE2ETest::receivedSince(qsizetype from) const
{
    return server().receivedLines().mid(from);
}

void ListsE2ETest::type(const QString& command)
{
    mainWindow().cmbInput->setEditText(command);
    QTest::keyClick(mainWindow().cmbInput, Qt::Key_Return);
}

QToolButton* ListsE2ETest::infoButton(const char* name) const
{
    return mainWindow().toolBars.TBToolbar2->findChild<QToolButton*>(QLatin1String(name));
}

void ListsE2ETest::soughtTabFillsThePaneAndRefreshes()
{
    start(false);
    const qsizetype before = server().receivedLines().size();
    mainWindow().tabSplitters->setCurrentIndex(2);
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow().memOutPut->toPlainText().contains(u"Pawnpusher"),
                             Patience);
    QCOMPARE(receivedSince(before), (QList<QByteArray>{"capt%%2", "Sought", "capt%%0"}));
    QVERIFY(mainWindow().memOutPut->toPlainText().contains(u"3 ads displayed."));
    QVERIFY(!mainWindow().memOutPut->toPlainText().contains(u"capt%%"));
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow().lists().countdown().isRunning(), Patience);
    QVERIFY(mainWindow().lists().countdown().value() <= 15);

    mainWindow().tabSplitters->setCurrentIndex(0);
    QVERIFY(!mainWindow().lists().countdown().isRunning());
    QVERIFY(mainWindow().memOutPut->toPlainText().isEmpty());
}

void ListsE2ETest::seekGraphPlacesOffersAndPlaysOnClick()
{
    start(true);
    mainWindow().tabSplitters->setCurrentIndex(2);
    QTRY_COMPARE_WITH_TIMEOUT(mainWindow().lists().seekTable().count(), 3, Patience);
    QVERIFY(mainWindow().memOutPut->toPlainText().isEmpty());
    TSeekGraph* graph = mainWindow().lists().soughtPanel()->graph();
    QVERIFY(graph->isVisible());
    // At 311 x 210 pixels: 10 pixels a minute, 2 pixels for 15 rating points.
    graph->resize(311, 210);
    const QList<TSeek>& seeks = graph->seeks();
    QCOMPARE(seeks.size(), 3);
    QCOMPARE(seeks[0].name, QByteArray("Rookwell"));
    QCOMPARE(seeks[0].dot.topLeft(), QPoint(50, 53));   // 5 0 at 1850
    QCOMPARE(seeks[1].dot.topLeft(), QPoint(10, 20));   // 1 0 at 2100
    QCOMPARE(seeks[1].pictureIndex(), 2);               // a rated computer: red square
    QCOMPARE(seeks[2].dot.topLeft(), QPoint(180, 124)); // 15 5 at 1320
    QCOMPARE(seeks[2].pictureIndex(), 1);               // unrated: blue circle

    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(55, 58));
    QTRY_VERIFY_WITH_TIMEOUT(received("Play " + QByteArray::number(seeks[0].number)) == 1,
                             Patience);

    // Any other button: the seeker becomes the target of the mouse-action menu.
    QTest::mouseClick(graph, Qt::RightButton, {}, QPoint(185, 129));
    QCOMPARE(mainWindow().toolBars.laTarget->text(), QStringLiteral("Pawnpusher"));
    QTRY_VERIFY(mainWindow().mnuTerminal->isVisible());
    mainWindow().mnuTerminal->close();
}

void ListsE2ETest::seekButtonSendsTheMatchProfile()
{
    start(true);
    mainWindow().tabSplitters->setCurrentIndex(2);
    answerNextModal(this, [](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmMatch*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Seek"));
        dialog->spnTime->setValue(5);
        dialog->spnInc->setValue(0);
        QCOMPARE(dialog->typeChoices[0]->text(), QStringLiteral("Blit&z"));
        dialog->btnOK->click();
    });
    mainWindow().lists().soughtPanel()->btSeek->click();
    QTRY_VERIFY_WITH_TIMEOUT(received("Seek 5 0 r  ") + received("Seek 5 0 r") == 1, Patience);
}

void ListsE2ETest::variablesFillAndSetInOrder()
{
    start();
    const qsizetype before = server().receivedLines().size();
    mainWindow().toolBars.TBToolbar2->findChild<QToolButton*>("btVariables")->click();
    TfrmVars* vars = mainWindow().lists().varsWindow();
    QTRY_VERIFY_WITH_TIMEOUT(vars->isVisible(), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(vars->windowTitle(), QStringLiteral("Variable Settings of alice"),
                              Patience);
    QCOMPARE(receivedSince(before).mid(0, 3),
             (QList<QByteArray>{"iset block 1", "107 vars alice", "999 iset block 0"}));
    QCOMPARE(vars->edHandle->text(), QStringLiteral("alice"));

    const qsizetype filled = server().receivedLines().size();
    vars->btSetVars->click();
    auto* open = vars->findChild<QComboBox*>("cmbOpen");
    auto* time = vars->findChild<QComboBox*>("cmbTime");
    // The server has it on already: the user turns it off and on again.
    open->setCurrentIndex(0);
    open->setCurrentIndex(1);
    time->setEditText(QStringLiteral("5"));
    vars->btSetVars->click();
    QTRY_VERIFY_WITH_TIMEOUT(received("set time 5") == 1, Patience);
    QCOMPARE(receivedSince(filled), (QList<QByteArray>{"set open 1", "set time 5"}));
    // Sent marks are cleared: a second press sends nothing again.
    vars->btSetVars->click();
    mainWindow().toolBars.TBToolbar2->findChild<QToolButton*>("btVariables")->click();
    QTRY_VERIFY_WITH_TIMEOUT(received("107 vars alice") == 2, Patience);
    QCOMPARE(received("set open 1"), 1);
}

void ListsE2ETest::gameListButtons_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QByteArray>("identifier");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("command");
    const int history = int(ListWindow::History);
    const int stored = int(ListWindow::Stored);
    const int journal = int(ListWindow::Journal);
    QTest::newRow("history examine")
        << history << QByteArray("100") << 51 << 2 << "btExamine" << QByteArray("examine alice 2");
    QTest::newRow("history position")
        << history << QByteArray("100") << 51 << 1 << "btPosition" << QByteArray("spos alice 1");
    QTest::newRow("history moves")
        << history << QByteArray("100") << 51 << 0 << "btMoves" << QByteArray("smoves alice 0");
    QTest::newRow("history mail") << history << QByteArray("100") << 51 << 2 << "btMailStored"
                                  << QByteArray("mailstored alice 2");
    QTest::newRow("history to journal") << history << QByteArray("100") << 51 << 2 << "btJournal"
                                        << QByteArray("jsave %01 alice 2");
    QTest::newRow("stored examine") << stored << QByteArray("101") << 127 << 0 << "btExamine"
                                    << QByteArray("examine alice bob");
    QTest::newRow("stored resign")
        << stored << QByteArray("101") << 127 << 1 << "btResign" << QByteArray("resign carol");
    QTest::newRow("stored draw") << stored << QByteArray("101") << 127 << 0 << "btDraw"
                                 << QByteArray("sdraw bob");
    QTest::newRow("stored abort") << stored << QByteArray("101") << 127 << 0 << "btAbort"
                                  << QByteArray("sabort bob");
    QTest::newRow("stored adjudicate")
        << stored << QByteArray("101") << 127 << 1 << "btAdj"
        << QByteArray("message adjudicate carol alice DESIRED_RESULT your messages to "
                      "adjudicate here");
    QTest::newRow("journal examine") << journal << QByteArray("102") << 60 << 1 << "btExamine"
                                     << QByteArray("examine alice %02");
    QTest::newRow("journal delete")
        << journal << QByteArray("102") << 60 << 0 << "btJournal" << QByteArray("jkill %01");
}

void ListsE2ETest::gameListButtons()
{
    QFETCH(int, window);
    QFETCH(QByteArray, identifier);
    QFETCH(int, code);
    QFETCH(int, row);
    QFETCH(QString, button);
    QFETCH(QByteArray, command);
    start();
    const ListWindow which = ListWindow(window);
    const QList<QByteArray>& rows = which == ListWindow::History  ? HistoryRows
                                    : which == ListWindow::Stored ? StoredRows
                                                                  : JournalRows;
    server().pushTo("alice", blockLines(identifier, code, rows));
    TfrmGameList* list = mainWindow().lists().gameList(which);
    QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), Patience);
    QVERIFY(list->windowTitle().endsWith(u"alice"));
    QTreeWidgetItem* item = list->list->topLevelItem(row);
    list->list->setCurrentItem(item);
    QTest::mouseClick(list->list->viewport(), Qt::LeftButton, {},
                      list->list->visualItemRect(item).center());
    list->findChild<QPushButton*>(button)->click();
    QTRY_VERIFY_WITH_TIMEOUT(received(command) == 1, Patience);
}

void ListsE2ETest::allInfoFillsTheCommandsWindow()
{
    start();
    TfrmCmds* cmds = mainWindow().lists().commandsWindow();
    cmds->Append("old text");
    const qsizetype before = server().receivedLines().size();
    mainWindow().toolBars.TBToolbar2->findChild<QToolButton*>("btAllInfo")->click();
    QTRY_VERIFY_WITH_TIMEOUT(cmds->reCmds->toPlainText().contains(u"You are not playing a game."),
                             Patience);
    QCOMPARE(receivedSince(before).mid(0, 5),
             (QList<QByteArray>{"iset block 1", "500 finger alice ", "500 history alice ",
                                "500 assess alice", "999 iset block 0"}));
    const QString shown = cmds->reCmds->toPlainText();
    QVERIFY(!shown.contains(u"old text"));
    QVERIFY(shown.contains(u"Statistics for alice"));
    QVERIFY(shown.contains(u"alice has no history games."));
    QVERIFY(cmds->isVisible());
    QVERIFY(mainWindow().lists().gameList(ListWindow::History)->isVisible());
}

void ListsE2ETest::historyShowsAGamePlayedAgainstRandy()
{
    server().addAccount("Randy", "randypw");
    BotPlayer randy("Randy", "randypw", new RandomMover(0));
    randy.setSeek({});
    QSignalSpy randyIn(&randy, &BotPlayer::loggedIn);
    QSignalSpy randyStarted(&randy, &BotPlayer::gameStarted);
    QSignalSpy randyEnded(&randy, &BotPlayer::gameEnded);
    randy.connectTo(server().port());
    QVERIFY(randyIn.wait(Patience));
    start();
    type(QStringLiteral("match Randy 1 0"));
    QTRY_COMPARE_WITH_TIMEOUT(randyStarted.count(), 1, Patience);
    type(QStringLiteral("resign"));
    QTRY_COMPARE_WITH_TIMEOUT(randyEnded.count(), 1, Patience);
    const QList<GameReferee::Finished> played = server().referee().finishedOf("alice");
    QCOMPARE(played.size(), 1);
    const QString colour =
        played[0].setup.white == "alice" ? QStringLiteral("W") : QStringLiteral("B");

    infoButton("btHistory")->click();
    TfrmGameList* history = mainWindow().lists().gameList(ListWindow::History);
    QTRY_VERIFY_WITH_TIMEOUT(history->isVisible(), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(history->windowTitle(), QStringLiteral("History of alice"), Patience);
    QCOMPARE(history->edPlayer->text(), QStringLiteral("alice"));
    QTreeWidgetItem* game = history->list->topLevelItem(0);
    QCOMPARE(game->text(0).trimmed(), QStringLiteral("0"));
    QCOMPARE(game->text(1).trimmed(), QStringLiteral("-"));     // Win
    QCOMPARE(game->text(3).trimmed(), colour);                  // Color
    QCOMPARE(game->text(5).trimmed(), QStringLiteral("Randy")); // Opponent
    QVERIFY(game->text(6).contains(u"1   0"));                  // Type
    QCOMPARE(game->text(8).trimmed(), QStringLiteral("Res"));   // Result
    QVERIFY(history->list->topLevelItem(1)->text(0).trimmed().isEmpty());

    // The game's row leads to its opponent and to the server's copy of the game.
    QTest::mouseClick(history->list->viewport(), Qt::LeftButton, {},
                      history->list->visualItemRect(game).center());
    QCOMPARE(history->edPlayer->text(), QStringLiteral("Randy"));
    history->findChild<QPushButton*>("btMoves")->click();
    QTRY_VERIFY_WITH_TIMEOUT(received("smoves alice 0") == 1, Patience);

    // The History tab shows the same list in the pane.
    mainWindow().tabSplitters->setCurrentIndex(10);
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow().memOutPut->toPlainText().contains(u"History for alice:"),
                             Patience);
    QVERIFY(mainWindow().memOutPut->toPlainText().contains(u"Randy"));
}

void ListsE2ETest::storedShowsAnAdjournedGame()
{
    start();
    RawFicsClient bob(server().port());
    QVERIFY(bob.loginAs("bob", "bobpw").endsWith("fics% "));
    type(QStringLiteral("match bob 5 0 white"));
    QVERIFY(bob.takeUntil("fics% ").contains("Challenge: "));
    bob.send("accept\n");
    QTRY_VERIFY_WITH_TIMEOUT(server().referee().isPlaying("alice"), Patience);
    type(QStringLiteral("adjourn"));
    QVERIFY(bob.takeThrough("would like to adjourn").contains("alice"));
    bob.send("adjourn\n");
    QTRY_COMPARE_WITH_TIMEOUT(server().referee().adjournedOf("alice").size(), 1, Patience);

    infoButton("btStored")->click();
    auto* stored = static_cast<TfrmStored*>(mainWindow().lists().gameList(ListWindow::Stored));
    QTRY_VERIFY_WITH_TIMEOUT(stored->isVisible(), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(stored->windowTitle(), QStringLiteral("Stored games for alice"),
                              Patience);
    QTreeWidgetItem* game = stored->list->topLevelItem(0);
    QCOMPARE(game->text(0).trimmed(), QStringLiteral("1"));
    QCOMPARE(game->text(1).trimmed(), QStringLiteral("W"));   // Color
    QCOMPARE(game->text(2).trimmed(), QStringLiteral("bob")); // Opponent
    QCOMPARE(game->text(3).trimmed(), QStringLiteral("Y"));   // Online
    QVERIFY(game->text(4).contains(u"5   0"));                // Type
    QVERIFY(stored->list->topLevelItem(1)->text(0).trimmed().isEmpty());

    QTest::mouseClick(stored->list->viewport(), Qt::LeftButton, {},
                      stored->list->visualItemRect(game).center());
    QCOMPARE(stored->edPlayer->text(), QStringLiteral("bob"));
    QCOMPARE(stored->laAdj->text(), QStringLiteral("message adjudicate alice bob"));
    stored->findChild<QPushButton*>("btDraw")->click();
    QTRY_VERIFY_WITH_TIMEOUT(received("sdraw bob") == 1, Patience);

    // The opponent's list, asked for from the window: the same game from bob's side.
    stored->btHistory->click();
    QTRY_COMPARE_WITH_TIMEOUT(stored->windowTitle(), QStringLiteral("Stored games for bob"),
                              Patience);
    QCOMPARE(received("101 Stored bob"), 1);
    game = stored->list->topLevelItem(0);
    QCOMPARE(game->text(1).trimmed(), QStringLiteral("B"));
    QCOMPARE(game->text(2).trimmed(), QStringLiteral("alice"));
}

void ListsE2ETest::journalOfTheServer()
{
    start();
    infoButton("btJournal")->click();
    TfrmGameList* journal = mainWindow().lists().gameList(ListWindow::Journal);
    QTRY_VERIFY_WITH_TIMEOUT(journal->isVisible(), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(journal->windowTitle(), QStringLiteral("Journal for  alice"),
                              Patience);
    const QStringList opponents{"Rookwell", "Pawnpusher"};
    for (int row = 0; row < opponents.size(); ++row) {
        QTreeWidgetItem* game = journal->list->topLevelItem(row);
        QCOMPARE(game->text(0).trimmed(),
                 QStringLiteral("%%1").arg(row + 1, 2, 10, QLatin1Char('0')));
        QTest::mouseClick(journal->list->viewport(), Qt::LeftButton, {},
                          journal->list->visualItemRect(game).center());
        QCOMPARE(journal->edPlayer->text(), opponents[row]);
    }
    QVERIFY(journal->list->topLevelItem(2)->text(0).trimmed().isEmpty());
    journal->findChild<QPushButton*>("btExamine")->click();
    QTRY_VERIFY_WITH_TIMEOUT(received("examine alice %02") == 1, Patience);
}

void ListsE2ETest::newSessionStartsOnTheTerminalTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("refreshing");
    QTest::newRow("the seek list with its refresh running") << 2 << true;
    QTest::newRow("the history list") << 10 << false;
    QTest::newRow("the boards") << 1 << false;
}

void ListsE2ETest::newSessionStartsOnTheTerminalTab()
{
    QFETCH(int, tab);
    QFETCH(bool, refreshing);
    start(false);
    mainWindow().tabSplitters->setCurrentIndex(tab);
    if (tab >= 2) {
        QTRY_VERIFY_WITH_TIMEOUT(!mainWindow().memOutPut->toPlainText().isEmpty(), Patience);
        QTRY_COMPARE_WITH_TIMEOUT(mainWindow().lists().countdown().isRunning(), refreshing,
                                  Patience);
    }
    mainWindow().menus.mnuDisconnect->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!mainWindow().menus.mnuDisconnect->isEnabled(), Patience);

    const qsizetype before = server().receivedLines().size();
    m_session->connectAtStart();
    const QByteArray loggedIn = "tell alice" + LoggedInWindow::Marker;
    QTRY_VERIFY_WITH_TIMEOUT(receivedSince(before).contains(loggedIn), Patience);
    QCOMPARE(mainWindow().tabSplitters->currentIndex(), 0);
    QCOMPARE(mainWindow().lists().selectedListTab(), 0);
    QVERIFY(mainWindow().memOutPut->toPlainText().isEmpty());
    QVERIFY(!mainWindow().memOutPut->isVisible());
    QVERIFY(!mainWindow().lists().countdown().isRunning());
    // No list is asked for before the user picks a tab again.
    for (const QByteArray& line : receivedSince(before))
        QVERIFY2(!line.startsWith("capt%%"), line.constData());

    // The tab is live again: picking it asks the server anew.
    const qsizetype picked = server().receivedLines().size();
    mainWindow().tabSplitters->setCurrentIndex(tab);
    if (tab >= 2)
        QTRY_VERIFY_WITH_TIMEOUT(receivedSince(picked).contains("capt%%" + QByteArray::number(tab)),
                                 Patience);
}

void ListsE2ETest::wildGraphRangeFromTheSettingsIsClamped()
{
    SettingsFile settings(m_session->filePath("Default.ini"));
    settings.writeInteger("Sought", "RatingsMin", 1800);
    settings.writeInteger("Sought", "RatingsMax", 1800);
    QVERIFY(m_session->startWindow());
    const SeekGraphGeometry::RatingRange range =
        mainWindow().lists().soughtPanel()->graph()->range();
    QCOMPARE(range.min, 1800);
    QCOMPARE(range.max, 1900);
    mainWindow().exitProgram();
    QCOMPARE(settings.readInteger("Sought", "RatingsMax", 0), 1900);
}

QTEST_MAIN(ListsE2ETest)
#include "ListsE2ETest.moc"
