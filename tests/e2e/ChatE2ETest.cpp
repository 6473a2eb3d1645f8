#include "chat/ui/ChatInputBox.h"
#include "chat/ui/ChatPane.h"
#include "chat/ui/TerminalView.h"
#include "chat/ui/TfrmChat.h"
#include "games/ui/TfrmBoard.h"
#include "settings/SettingsFile.h"
#include "shell/FilteredChats.h"
#include "shell/MainBoards.h"
#include "shell/MainChat.h"
#include "shell/TfrmMainChess.h"

#include "ficsim/FakeFicsServer.h"
#include "support/ModalAnswer.h"
#include "support/ui/LoggedInWindow.h"
#include "support/ui/PrivateSessionBus.h"

#include "chat/ui/OptionsFontPage.h"
#include "chat/ui/TfrmOptions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

constexpr int Patience = 30000;

// The colour of the first line of a pane that holds text.
QColor colourOfLine(const TerminalPane* pane, const QString& text)
{
    for (int line = 0; line < pane->lineCount(); ++line) {
        if (pane->lineText(line).contains(text))
            return pane->formatAt({line, 0}).foreground().color();
    }
    return QColor();
}

} // namespace

// The chat windows in the running client against the fake server.
class ChatE2ETest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void chatLinesReachTheirWindows_data();
    void chatLinesReachTheirWindows();
    void messagesTypedInTheChatWindow_data();
    void messagesTypedInTheChatWindow();
    void hiddenChatWindowPopsUpOnATell();
    void boardButtonsComposeInTheMainChatWhenDocked_data();
    void boardButtonsComposeInTheMainChatWhenDocked();
    void boardsTabKeepsTheChatWindowHidden();
    void filteredWindowsComeBackAtTheFirstConnect();
    void silenceAndOpenSendTheirSettings();
    void optionsFontsActAtOnceAndAfterRestart();
    void optionsReachTheWindowsAlreadyOpen();
    void chatWindowKeepsAPlacePerView_data();
    void windowsMenuListsTheShownWindows_data();
    void windowsMenuListsTheShownWindows();
    void chatWindowKeepsAPlacePerView();
    void tellInTheBackgroundShowsANotification();
    void newConnectionStartsWithAnEmptyMainChat();

private:
    void loginAs(const QByteArray& handle);
    TfrmMainChess& mainWindow() const { return m_session->window(); }
    FakeFicsServer& server() const { return m_session->server(); }
    TfrmChat* mainChat() const { return mainWindow().chat().frmChat(); }

    PrivateSessionBus m_bus;
    NotificationReceiver m_notifications;
    std::unique_ptr<LoggedInWindow> m_session;
};

void ChatE2ETest::initTestCase()
{
    QString error;
    QVERIFY2(m_bus.start(&error), qPrintable(error));
    QVERIFY2(m_notifications.serveOn(m_bus.address(), &error), qPrintable(error));
}

void ChatE2ETest::init()
{
    m_session = std::make_unique<LoggedInWindow>();
    QVERIFY(m_session->isReady());
}

void ChatE2ETest::cleanup()
{
    m_session.reset();
}

void ChatE2ETest::loginAs(const QByteArray& handle)
{
    m_session->writeEntry(
        m_session->entry(QString::fromLatin1(handle), QString::fromLatin1(handle + "pw")));
    QVERIFY(m_session->startWindow());
    m_session->connectThroughTheDialog();
    QVERIFY(m_session->waitForLogin(handle, Patience));
}

void ChatE2ETest::chatLinesReachTheirWindows_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("inMain");
    QTest::addColumn<bool>("inChannel50");
    QTest::addColumn<bool>("inAlice");
    QTest::addColumn<bool>("onBoard");

    QTest::newRow("channel tell") << QByteArray("alice(50): hello channel fifty") << true << true
                                  << false << false;
    QTest::newRow("private tell") << QByteArray("alice tells you: hi bob, this is a private tell")
                                  << true << false << true << true;
    QTest::newRow("shout") << QByteArray("alice shouts: hello everyone") << true << false << false
                           << false;
    QTest::newRow("c-shout") << QByteArray("alice c-shouts: a c-shout") << true << false << false
                             << false;
    QTest::newRow("emote") << QByteArray("--> alice waves") << true << false << false << false;
    QTest::newRow("say") << QByteArray("alice says: hello opponent, good luck") << true << false
                         << true << true;
    QTest::newRow("kibitz with rating")
        << QByteArray("alice(1500) kibitzes: nice move") << true << false << true << true;
    QTest::newRow("whisper") << QByteArray("alice(1500)[12] whispers: quiet move") << true << false
                             << true << true;
}

void ChatE2ETest::chatLinesReachTheirWindows()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, inMain);
    QFETCH(bool, inChannel50);
    QFETCH(bool, inAlice);
    QFETCH(bool, onBoard);

    loginAs("bob");
    auto* boardPane = qobject_cast<TfrmChat*>(mainWindow().boards().boardWindow(0)->chatPane());
    QVERIFY(boardPane);
    QCOMPARE(boardPane->windowTitle(), TfrmChat::BoardPaneCaption);
    FilteredChats& filtered = mainWindow().chat().filtered();
    TfrmChat* channel = filtered.create(ChatForms::formFromChoices({"Fifty", {}, {}, "50"}));
    TfrmChat* alice = filtered.create(ChatForms::formFromChoices({"Alice", {}, "alice", {}}));
    server().pushTo("bob", {line, "bob(50): end of test"});
    QTRY_VERIFY_WITH_TIMEOUT(channel->memOut->toPlainText().contains("end of test"), Patience);
    // Every pane has taken the lines by now; each shows them at its own next frame.
    for (TfrmChat* chat : {mainChat(), alice, boardPane})
        chat->memOut->showPendingLines();
    const QString text = QString::fromLatin1(line);
    QCOMPARE(mainChat()->memOut->toPlainText().contains(text), inMain);
    QCOMPARE(channel->memOut->toPlainText().contains(text), inChannel50);
    QCOMPARE(alice->memOut->toPlainText().contains(text), inAlice);
    QCOMPARE(boardPane->memOut->toPlainText().contains(text), onBoard);
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow().memTerminal->toPlainText().contains(text), Patience);
}

void ChatE2ETest::messagesTypedInTheChatWindow_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("tell to bob") << int(TfrmChat::MessageType::Tell) << "bob"
                                 << QByteArray("Tell BOB well met");
    QTest::newRow("channel message")
        << int(TfrmChat::MessageType::Tell) << "50" << QByteArray("Tell 50 well met");
    QTest::newRow("kibitz") << int(TfrmChat::MessageType::Kibitz) << ""
                            << QByteArray("Kibitz well met");
}

void ChatE2ETest::messagesTypedInTheChatWindow()
{
    QFETCH(int, type);
    QFETCH(QString, recipient);
    QFETCH(QByteArray, sent);

    loginAs("bob");
    mainWindow().menus.mnuDisplayChat->trigger();
    QVERIFY(mainChat()->isVisible());
    mainChat()->tabType->setCurrentIndex(type);
    QTest::keyClicks(mainChat()->cmbTell->lineEdit(), recipient);
    QTest::keyClicks(mainChat()->memIn, QStringLiteral("well met"));
    QTest::keyClick(mainChat()->memIn, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(server().receivedLines().contains(sent), Patience);
    // Echo is on from the first run on.
    QVERIFY(mainChat()->memOut->toPlainText().contains("well met"));
}

void ChatE2ETest::boardButtonsComposeInTheMainChatWhenDocked_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("type");
    QTest::newRow("Say") << 0 << int(TfrmChat::MessageType::Say);
    QTest::newRow("Kibitz") << 1 << int(TfrmChat::MessageType::Kibitz);
    QTest::newRow("Whisper") << 2 << int(TfrmChat::MessageType::Whisper);
}

void ChatE2ETest::boardButtonsComposeInTheMainChatWhenDocked()
{
    QFETCH(int, tag);
    QFETCH(int, type);
    QVERIFY(m_session->startWindow());
    QVERIFY(!mainChat()->isVisible());
    // A docked board's own pane is hidden, so the main chat window takes the message.
    mainWindow().boards().boardWindow(0)->gameButton(tag);
    QVERIFY(mainChat()->isVisible());
    QCOMPARE(int(mainChat()->messageType()), type);
}

void ChatE2ETest::hiddenChatWindowPopsUpOnATell()
{
    loginAs("bob");
    // The set-up's closing tell to oneself has popped the window up already.
    QTRY_VERIFY_WITH_TIMEOUT(mainChat()->memOut->toPlainText().contains("Battle Mode On"),
                             Patience);
    mainChat()->close();
    QVERIFY(mainChat()->isHidden());
    mainWindow().menus.mnuDisplayTab[0]->trigger();
    server().pushTo("bob", {"alice tells you: are you there?"});
    QTRY_VERIFY_WITH_TIMEOUT(mainChat()->isVisible(), Patience);
    QCOMPARE(mainChat()->messageType(), TfrmChat::MessageType::Tell);
    QCOMPARE(mainChat()->cmbTell->currentText(), QStringLiteral("ALICE"));
    QTRY_VERIFY_WITH_TIMEOUT(
        mainChat()->memOut->toPlainText().contains("alice tells you: are you there?"), Patience);
}

void ChatE2ETest::boardsTabKeepsTheChatWindowHidden()
{
    loginAs("bob");
    QTRY_VERIFY_WITH_TIMEOUT(mainChat()->memOut->toPlainText().contains("Battle Mode On"),
                             Patience);
    mainChat()->close();
    mainWindow().menus.mnuDisplayTab[1]->trigger();
    server().pushTo("bob", {"alice tells you: are you there?", "bob(50): end of test"});
    // The hidden window's pane keeps what it took waiting until it is shown.
    const auto taken = [this] {
        mainChat()->memOut->showPendingLines();
        return mainChat()->memOut->toPlainText();
    };
    QTRY_VERIFY_WITH_TIMEOUT(taken().contains("end of test"), Patience);
    QVERIFY(mainChat()->isHidden());
    QVERIFY(taken().contains("alice tells you: are you there?"));
}

void ChatE2ETest::filteredWindowsComeBackAtTheFirstConnect()
{
    QVERIFY(m_session->startWindow());
    FilteredChats& filtered = mainWindow().chat().filtered();
    const QList<ChatForms::Form> forms{
        {"Friends", ChatFilter::fromText(" anna bob"), QRect(10, 20, 400, 200)},
        {"Fifty", ChatFilter::fromText(" (50)"), QRect(30, 40, 410, 210)},
        {"Loud", ChatFilter::fromText(" ALL_SHOUT ALL_CSHOUT"), QRect(50, 60, 420, 220)},
        {"All", ChatFilter::fromText(" ALL_MSGS"), QRect(70, 80, 430, 230)}};
    for (const ChatForms::Form& form : forms)
        filtered.create(form);
    mainWindow().exitProgram();
    m_session->closeWindow();

    // A run without a connection keeps what was stored.
    QVERIFY(m_session->startWindow());
    mainWindow().exitProgram();
    m_session->closeWindow();

    loginAs("bob");
    const QList<TfrmChat*> windows = mainWindow().chat().filtered().windows();
    QCOMPARE(windows.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(windows[i]->baseCaption(), forms[i].caption);
        QCOMPARE(windows[i]->routing().filter().entries(), forms[i].filter.entries());
        QCOMPARE(windows[i]->routing().filter().acceptsAll(), forms[i].filter.acceptsAll());
        QCOMPARE(windows[i]->geometry().size(), forms[i].bounds.size());
    }
}

void ChatE2ETest::silenceAndOpenSendTheirSettings()
{
    loginAs("carol");
    mainWindow().toolBars.spdSilence->click();
    QTRY_VERIFY_WITH_TIMEOUT(server().receivedLines().endsWith("Set Chanoff 1"), Patience);
    const QList<QByteArray> received = server().receivedLines();
    QCOMPARE(received.mid(received.size() - 4),
             (QList<QByteArray>{"Set CShout 0", "Set Seek 0", "Set Shout 0", "Set Chanoff 1"}));
    QVERIFY(mainWindow().menus.mnuSilence->isChecked());
    mainWindow().toolBars.spdOpen->click();
    QTRY_VERIFY_WITH_TIMEOUT(server().receivedLines().endsWith("Set Open 0"), Patience);
    QVERIFY(!mainWindow().menus.mnuOpen->isChecked());
    mainWindow().menus.mnuClearMessages->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(server().receivedLines().endsWith("Clearmessages *"), Patience);
}

void ChatE2ETest::optionsFontsActAtOnceAndAfterRestart()
{
    const QColor green(0, 128, 0);
    const QColor blue(0, 0, 255);
    QVERIFY(m_session->startWindow());
    answerNextModal(this, [&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmOptions*>(modal);
        QVERIFY(dialog);
        OptionsFontPage* page = dialog->fontPage;
        page->lstKinds->setCurrentRow(int(TextKind::Tell));
        page->chooseColor = [green](const QColor&) { return std::optional<QColor>(green); };
        page->btnKindColor->click();
        page->askKey = [] { return std::optional<QString>(QStringLiteral(" carol ")); };
        page->btnAdd->click();
        page->chooseColor = [blue](const QColor&) { return std::optional<QColor>(blue); };
        page->btnCustomColor->click();
        dialog->btnOK->click();
    });
    mainWindow().menus.mnuGeneral->trigger();

    const auto showBothLines = [this] {
        mainWindow().memTerminal->appendToTerminal("alice tells you: one\r\n", TextKind::Tell,
                                                   "ALICE");
        mainWindow().memTerminal->appendToTerminal("carol tells you: two\r\n", TextKind::Tell,
                                                   "CAROL");
        mainChat()->takeLine("alice tells you: one", "ALICE", TextKind::Tell, "TELLS");
        mainChat()->takeLine("carol tells you: two", "CAROL", TextKind::Tell, "TELLS");
        mainWindow().memTerminal->showPendingLines();
        mainChat()->memOut->showPendingLines();
    };
    const auto checkColours = [&] {
        for (const TerminalPane* pane : {static_cast<const TerminalPane*>(mainWindow().memTerminal),
                                         static_cast<const TerminalPane*>(mainChat()->memOut)}) {
            QCOMPARE(colourOfLine(pane, "alice tells you: one"), green);
            QCOMPARE(colourOfLine(pane, "carol tells you: two"), blue);
        }
    };
    showBothLines();
    checkColours();
    mainWindow().exitProgram();
    m_session->closeWindow();

    QVERIFY(m_session->startWindow());
    showBothLines();
    checkColours();
}

void ChatE2ETest::optionsReachTheWindowsAlreadyOpen()
{
    const QColor yellow(255, 255, 0);
    QVERIFY(m_session->startWindow());
    TfrmBoard* board = mainWindow().boards().boardWindow(0);
    QVERIFY(board);
    auto* pane = qobject_cast<TfrmChat*>(board->chatPane());
    QVERIFY(pane);
    QFont chosenFont = pane->memOut->font();
    chosenFont.setPointSize(chosenFont.pointSize() + 5);
    answerNextModal(this, [&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmOptions*>(modal);
        QVERIFY(dialog);
        OptionsFontPage* page = dialog->fontPage;
        page->lstKinds->setCurrentRow(int(TextKind::Normal));
        page->chooseFont = [chosenFont](const QFont&, bool) {
            return std::optional<QFont>(chosenFont);
        };
        page->btnChange->click();
        page->chooseColor = [yellow](const QColor&) { return std::optional<QColor>(yellow); };
        dialog->btnBackground->click();
        dialog->chkHideGameMessages->setChecked(true);
        dialog->btnOK->click();
    });
    mainWindow().menus.mnuGeneral->trigger();

    for (TfrmChat* chat : {pane, mainChat()}) {
        QCOMPARE(chat->memOut->font().pointSize(), chosenFont.pointSize());
        QCOMPARE(chat->memIn->font().pointSize(), chosenFont.pointSize());
        QCOMPARE(chat->memOut->palette().color(QPalette::Base), yellow);
        QCOMPARE(chat->memIn->palette().color(QPalette::Base), yellow);
    }
    QVERIFY(mainWindow().boards().manager().options().hideGameMessages);
}

namespace {

void writeBounds(SettingsFile& profile, const QString& prefix, const QRect& bounds)
{
    profile.writeInteger("Quodlin", prefix + "Left", bounds.left());
    profile.writeInteger("Quodlin", prefix + "Top", bounds.top());
    profile.writeInteger("Quodlin", prefix + "Right", bounds.left() + bounds.width());
    profile.writeInteger("Quodlin", prefix + "Bottom", bounds.top() + bounds.height());
}

QRect readBounds(const SettingsFile& profile, const QString& prefix)
{
    const int left = profile.readInteger("Quodlin", prefix + "Left", -1);
    const int top = profile.readInteger("Quodlin", prefix + "Top", -1);
    return {left, top, profile.readInteger("Quodlin", prefix + "Right", -1) - left,
            profile.readInteger("Quodlin", prefix + "Bottom", -1) - top};
}

} // namespace

void ChatE2ETest::chatWindowKeepsAPlacePerView_data()
{
    QTest::addColumn<int>("exitTab");
    QTest::addColumn<QString>("movedKeys");

    QTest::newRow("moved in the terminal view: the Chat1 place changes")
        << int(TLists::TerminalTab) << "Chat1";
    QTest::newRow("moved in the boards view: the Chat2 place changes")
        << int(TLists::BoardsTab) << "Chat2";
}

void ChatE2ETest::chatWindowKeepsAPlacePerView()
{
    QFETCH(int, exitTab);
    QFETCH(QString, movedKeys);

    const QRect otherViews(100, 110, 500, 300);
    const QRect boardsView(320, 340, 480, 360);
    const QRect moved(60, 70, 450, 250);
    SettingsFile profile(m_session->filePath("Default.ini"));
    writeBounds(profile, "Chat1", otherViews);
    writeBounds(profile, "Chat2", boardsView);
    QVERIFY(m_session->startWindow());
    QCOMPARE(mainChat()->geometry(), otherViews);
    mainWindow().tabSplitters->setCurrentIndex(TLists::BoardsTab);
    QCOMPARE(mainChat()->geometry(), boardsView);
    mainWindow().tabSplitters->setCurrentIndex(TLists::TerminalTab);
    QCOMPARE(mainChat()->geometry(), otherViews);

    mainWindow().tabSplitters->setCurrentIndex(exitTab);
    mainChat()->setGeometry(moved);
    mainWindow().exitProgram();
    QCOMPARE(readBounds(profile, "Chat1"), movedKeys == u"Chat1" ? moved : otherViews);
    QCOMPARE(readBounds(profile, "Chat2"), movedKeys == u"Chat2" ? moved : boardsView);

    // The next run puts the window where each view left it.
    m_session->closeWindow();
    QVERIFY(m_session->startWindow());
    mainWindow().tabSplitters->setCurrentIndex(TLists::TerminalTab);
    QCOMPARE(mainChat()->geometry(), movedKeys == u"Chat1" ? moved : otherViews);
    mainWindow().tabSplitters->setCurrentIndex(TLists::BoardsTab);
    QCOMPARE(mainChat()->geometry(), movedKeys == u"Chat2" ? moved : boardsView);
}

void ChatE2ETest::windowsMenuListsTheShownWindows_data()
{
    QTest::addColumn<bool>("chatShown");
    QTest::addColumn<bool>("filteredShown");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("chat and filtered window shown, the filtered one chosen")
        << true << true << "Friends";
    QTest::newRow("a hidden chat window is left out") << false << true << "Friends";
    QTest::newRow("a closed filtered window is left out") << true << false << "Chat";
}

void ChatE2ETest::windowsMenuListsTheShownWindows()
{
    QFETCH(bool, chatShown);
    QFETCH(bool, filteredShown);
    QFETCH(QString, chosen);

    QVERIFY(m_session->startWindow());
    mainWindow().tabSplitters->setCurrentIndex(TLists::BoardsTab);
    if (chatShown)
        mainWindow().menus.mnuDisplayChat->trigger();
    TfrmChat* friends = mainWindow().chat().filtered().create(
        {"Friends", ChatFilter::fromText(" anna bob"), QRect(10, 20, 400, 200)});
    QVERIFY(friends);
    friends->show();
    if (!filteredShown)
        friends->close();
    mainWindow().activateWindow();

    QPushButton* button = mainWindow().btWindows;
    button->click();
    QMenu* menu = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((menu = button->findChild<QMenu*>()) && menu->isVisible(), Patience);
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << item->text();
    QVERIFY2(captions.contains(mainWindow().windowTitle()), qPrintable(captions.join('|')));
    QCOMPARE(captions.contains("Chat"), chatShown);
    QCOMPARE(captions.contains("Friends"), filteredShown);
    // The board's chat pane shows in the Boards tab, but it is no window of its own.
    QVERIFY(!captions.contains(TfrmChat::BoardPaneCaption));

    QAction* item = menu->actions().value(captions.indexOf(chosen));
    QVERIFY(item);
    menu->hide();
    item->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(
        QApplication::activeWindow() ? QApplication::activeWindow()->windowTitle() : QString(),
        chosen, Patience);
}

void ChatE2ETest::tellInTheBackgroundShowsANotification()
{
    const auto bodiesFromAlice = [this] {
        QStringList bodies;
        // Earlier tests' tells may still be on their way: only this test's count.
        const QStringList ours{"ping &lt;b&gt;", "are you back?", "last"};
        for (const NotificationReceiver::Notice& notice : m_notifications.received) {
            if (notice.summary == u"Tell from alice" && ours.contains(notice.body))
                bodies.append(notice.body);
        }
        return bodies;
    };
    loginAs("bob");
    QTRY_VERIFY_WITH_TIMEOUT(mainChat()->memOut->toPlainText().contains("Battle Mode On"),
                             Patience);
    mainChat()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainChat()));
    server().pushTo("bob", {"alice tells you: ping <b>"});
    QTRY_COMPARE_WITH_TIMEOUT(bodiesFromAlice(), QStringList{"ping &lt;b&gt;"}, Patience);
    QCOMPARE(m_notifications.received.last().application, QStringLiteral("Tolvaris 2.0 Quarndell"));

    // While the main window is active nothing is shown; notices arrive in order,
    // so the one after it proves that none came for it.
    mainWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow()));
    server().pushTo("bob", {"alice tells you: are you back?", "alice says: end of test"});
    QTRY_VERIFY_WITH_TIMEOUT(mainChat()->memOut->toPlainText().contains("end of test"), Patience);
    mainChat()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainChat()));
    server().pushTo("bob", {"alice tells you: last"});
    QTRY_COMPARE_WITH_TIMEOUT(bodiesFromAlice(), (QStringList{"ping &lt;b&gt;", "last"}), Patience);
}

void ChatE2ETest::newConnectionStartsWithAnEmptyMainChat()
{
    loginAs("bob");
    TfrmChat* alice = mainWindow().chat().filtered().create(
        ChatForms::formFromChoices({"Alice", {}, "alice", {}}));
    server().pushTo("bob", {"alice tells you: before the reconnect"});
    QTRY_VERIFY_WITH_TIMEOUT(mainChat()->memOut->toPlainText().contains("before the reconnect"),
                             Patience);
    mainWindow().menus.mnuDisconnect->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!mainWindow().menus.mnuDisconnect->isEnabled(), Patience);

    const qsizetype before = server().receivedLines().size();
    m_session->connectAtStart();
    QTRY_VERIFY_WITH_TIMEOUT(
        server().receivedLines().mid(before).contains("tell bob" + LoggedInWindow::Marker),
        Patience);
    // The login's own marker tell may already be there; the old session's lines are not.
    QVERIFY(!mainChat()->memOut->toPlainText().contains("before the reconnect"));
    // The filtered window is the user's own record of that conversation.
    QVERIFY(alice->memOut->toPlainText().contains("before the reconnect"));
}

QTEST_MAIN(ChatE2ETest)
#include "ChatE2ETest.moc"
