#include "chat/ui/TerminalPane.h"
#include "settings/SettingsFile.h"
#include "lists/ui/TSeekGraph.h"
#include "lists/ui/TSoughtPanel.h"
#include "lists/ui/TfrmCmds.h"
#include "lists/ui/TfrmGameList.h"
#include "lists/ui/TfrmMatch.h"
#include "lists/ui/TfrmVars.h"
#include "session/ConnectionList.h"
#include "shell/ConnectionController.h"
#include "shell/MainLists.h"
#include "shell/TfrmMainChess.h"

#include "ficsim/FakeFicsServer.h"
#include "ficsim/FakeFicsText.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace {

using ListWindow = ReplyWindowsSink::ListWindow;

const QByteArray Marker = " ------------------------ Battle Mode On ------------------- ";
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
    void wildGraphRangeFromTheSettingsIsClamped();

private:
    void start(bool graphView = true);
    int received(const QByteArray& line) const;
    QList<QByteArray> receivedSince(qsizetype from) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldCurrent;
    std::unique_ptr<FakeFicsServer> m_server;
    std::unique_ptr<TfrmMainChess> m_window;
};

void ListsE2ETest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    SharedSettingsFile(m_dir->path() + u'/').writeBool("Profiles", "DoNotShow", true);
    m_server = std::make_unique<FakeFicsServer>();
    QVERIFY(m_server->listen());
}

void ListsE2ETest::cleanup()
{
    m_window.reset();
    m_server.reset();
    QDir::setCurrent(m_oldCurrent);
    m_dir.reset();
}

void ListsE2ETest::start(bool graphView)
{
    SettingsFile settings(m_dir->filePath("Default.ini"));
    settings.writeBool("Sought", "UseGraph", graphView);
    ConnectionList list(settings, *QRandomGenerator::global());
    list.load();
    list.setEntry(0, TConnection{QStringLiteral("127.0.0.1"), QString::number(m_server->port()),
                                 QStringLiteral("alice"), QStringLiteral("alicepw"), false,
                                 QStringLiteral("Fics"), 0});
    list.setLastConnection(0);
    list.save();

    if (QGuiApplication::platformName() != u"xcb")
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    m_window = std::make_unique<TfrmMainChess>(m_dir->path() + u'/');
    QVERIFY(m_window->isSetUp());
    m_window->resize(1000, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->connection().connectAtStart();
    QVERIFY(QTest::qWaitFor(
        [&] { return m_server->receivedLines().contains("tell alice" + Marker); }, Patience));
    m_window->toolBars.laTarget->setText(QStringLiteral("alice"));
}

int ListsE2ETest::received(const QByteArray& line) const
{
    return int(m_server->receivedLines().count(line));
}

QList<QByteArray> ListsE2ETest::receivedSince(qsizetype from) const
{
    return m_server->receivedLines().mid(from);
}

void ListsE2ETest::soughtTabFillsThePaneAndRefreshes()
{
    start(false);
    const qsizetype before = m_server->receivedLines().size();
    m_window->tabSplitters->setCurrentIndex(2);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->memOutPut->toPlainText().contains(u"Pawnpusher"),
                             Patience);
    QCOMPARE(receivedSince(before), (QList<QByteArray>{"capt%%2", "Sought", "capt%%0"}));
    QVERIFY(m_window->memOutPut->toPlainText().contains(u"3 ads displayed."));
    QVERIFY(!m_window->memOutPut->toPlainText().contains(u"capt%%"));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->lists().countdown().isRunning(), Patience);
    QVERIFY(m_window->lists().countdown().value() <= 15);

    m_window->tabSplitters->setCurrentIndex(0);
    QVERIFY(!m_window->lists().countdown().isRunning());
    QVERIFY(m_window->memOutPut->toPlainText().isEmpty());
}

void ListsE2ETest::seekGraphPlacesOffersAndPlaysOnClick()
{
    start(true);
    m_window->tabSplitters->setCurrentIndex(2);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->lists().seekTable().count(), 3, Patience);
    QVERIFY(m_window->memOutPut->toPlainText().isEmpty());
    TSeekGraph* graph = m_window->lists().soughtPanel()->graph();
    QVERIFY(graph->isVisible());
    // At 311 x 210 pixels: 10 pixels a minute, 2 pixels for 15 rating points.
    graph->resize(311, 210);
    const QList<TSeek>& seeks = graph->seeks();
    QCOMPARE(seeks.size(), 3);
    QCOMPARE(seeks[0].name, QByteArray("Rookwell"));
    QCOMPARE(seeks[0].dot.topLeft(), QPoint(50, 53)); // 5 0 at 1850
    QCOMPARE(seeks[1].dot.topLeft(), QPoint(10, 20)); // 1 0 at 2100
    QCOMPARE(seeks[1].pictureIndex(), 2);              // a rated computer: red square
    QCOMPARE(seeks[2].dot.topLeft(), QPoint(180, 124)); // 15 5 at 1320
    QCOMPARE(seeks[2].pictureIndex(), 1);               // unrated: blue circle

    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(55, 58));
    QTRY_VERIFY_WITH_TIMEOUT(received("Play " + QByteArray::number(seeks[0].number)) == 1,
                             Patience);
}

void ListsE2ETest::seekButtonSendsTheMatchProfile()
{
    start(true);
    m_window->tabSplitters->setCurrentIndex(2);
    answerNextModal(this, [](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmMatch*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Seek"));
        dialog->spnTime->setValue(5);
        dialog->spnInc->setValue(0);
        QCOMPARE(dialog->typeChoices[0]->text(), QStringLiteral("Blit&z"));
        dialog->btnOK->click();
    });
    m_window->lists().soughtPanel()->btSeek->click();
    QTRY_VERIFY_WITH_TIMEOUT(received("Seek 5 0 r  ") + received("Seek 5 0 r") == 1, Patience);
}

void ListsE2ETest::variablesFillAndSetInOrder()
{
    start();
    const qsizetype before = m_server->receivedLines().size();
    m_window->toolBars.TBToolbar2->findChild<QToolButton*>("btVariables")->click();
    TfrmVars* vars = m_window->lists().varsWindow();
    QTRY_VERIFY_WITH_TIMEOUT(vars->isVisible(), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(vars->windowTitle(), QStringLiteral("Variable Settings of alice"),
                              Patience);
    QCOMPARE(receivedSince(before).mid(0, 3),
             (QList<QByteArray>{"iset block 1", "107 vars alice", "999 iset block 0"}));
    QCOMPARE(vars->edHandle->text(), QStringLiteral("alice"));

    const qsizetype filled = m_server->receivedLines().size();
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
    m_window->toolBars.TBToolbar2->findChild<QToolButton*>("btVariables")->click();
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
    QTest::newRow("history examine") << history << QByteArray("100") << 51 << 2 << "btExamine"
                                     << QByteArray("examine alice 2");
    QTest::newRow("history position") << history << QByteArray("100") << 51 << 1 << "btPosition"
                                      << QByteArray("spos alice 1");
    QTest::newRow("history moves") << history << QByteArray("100") << 51 << 0 << "btMoves"
                                   << QByteArray("smoves alice 0");
    QTest::newRow("history mail") << history << QByteArray("100") << 51 << 2 << "btMailStored"
                                  << QByteArray("mailstored alice 2");
    QTest::newRow("history to journal") << history << QByteArray("100") << 51 << 2
                                        << "btJournal" << QByteArray("jsave %01 alice 2");
    QTest::newRow("stored examine") << stored << QByteArray("101") << 127 << 0 << "btExamine"
                                    << QByteArray("examine alice bob");
    QTest::newRow("stored resign") << stored << QByteArray("101") << 127 << 1 << "btResign"
                                   << QByteArray("resign carol");
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
    QTest::newRow("journal delete") << journal << QByteArray("102") << 60 << 0 << "btJournal"
                                    << QByteArray("jkill %01");
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
    m_server->pushTo("alice", blockLines(identifier, code, rows));
    TfrmGameList* list = m_window->lists().gameList(which);
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
    TfrmCmds* cmds = m_window->lists().commandsWindow();
    cmds->Append("old text");
    const qsizetype before = m_server->receivedLines().size();
    m_window->toolBars.TBToolbar2->findChild<QToolButton*>("btAllInfo")->click();
    QTRY_VERIFY_WITH_TIMEOUT(cmds->reCmds->toPlainText().contains(u"You are not playing a game."),
                             Patience);
    QCOMPARE(receivedSince(before).mid(0, 5),
             (QList<QByteArray>{"iset block 1", "500 finger alice ", "500 history alice ",
                                "500 assess alice", "999 iset block 0"}));
    const QString shown = cmds->reCmds->toPlainText();
    QVERIFY(!shown.contains(u"old text"));
    QVERIFY(shown.contains(u"Finger of alice:"));
    QVERIFY(shown.contains(u"alice has no history games."));
    QVERIFY(cmds->isVisible());
    QVERIFY(m_window->lists().gameList(ListWindow::History)->isVisible());
}

void ListsE2ETest::wildGraphRangeFromTheSettingsIsClamped()
{
    SettingsFile settings(m_dir->filePath("Default.ini"));
    settings.writeInteger("Sought", "RatingsMin", 1800);
    settings.writeInteger("Sought", "RatingsMax", 1800);
    if (QGuiApplication::platformName() != u"xcb")
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    m_window = std::make_unique<TfrmMainChess>(m_dir->path() + u'/');
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const SeekGraphGeometry::RatingRange range =
        m_window->lists().soughtPanel()->graph()->range();
    QCOMPARE(range.min, 1800);
    QCOMPARE(range.max, 1900);
    m_window->exitProgram();
    QCOMPARE(settings.readInteger("Sought", "RatingsMax", 0), 1900);
}

QTEST_MAIN(ListsE2ETest)
#include "ListsE2ETest.moc"
