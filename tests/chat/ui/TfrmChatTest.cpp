#include "chat/ui/TfrmChat.h"
#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ui/ChatMenu.h"
#include "chat/ui/ChatPane.h"
#include "chat/ui/TerminalMenu.h"
#include "chat/ui/TerminalMenuStyle.h"
#include "chat/ui/TfrmEditTells.h"
#include "support/ModalAnswer.h"

#include "chat/ui/ChatInputBox.h"
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>
#include <QUrl>

#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using MessageType = TfrmChat::MessageType;

namespace {

// Lines reach the pane at the next screen frame; a loaded machine may be slow.
constexpr int Patience = 20000;

// Counts the window's caption changes.
class CaptionCounter : public QObject
{
public:
    int changes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange)
            ++changes;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TfrmChatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tellIsSentAndEchoed();
    void newSpeakersJoinTheRecipientListInOrder();
    void tellWithoutRecipientKeepsTheText();
    void tabDecidesThePrefix_data();
    void tabDecidesThePrefix();
    void aliasLeavesTheTypedTextAlone();
    void hiddenWindowPopsUpOnATell();
    void boardsViewKeepsTheWindowHidden();
    void unreadLinesShowInTheCaption();
    void aPaneInsideABoardKeepsItsName();
    void paneKeepsAtMostAThousandLines();
    void burstOfLinesShowsInOneUpdate_data();
    void burstOfLinesShowsInOneUpdate();
    void paneFollowsTheNewestLineUnlessTextIsSelected();
    void inputBoxGrowsWithItsText_data();
    void inputBoxGrowsWithItsText();
    void pastedLineBreaksBecomeSpaces();
    void editMenuActsOnTheInputBox_data();
    void editMenuActsOnTheInputBox();
    void leftClickInThePaneOnlyOpensLinks_data();
    void leftClickInThePaneOnlyOpensLinks();
    void rightClickPicksTheWordAndOpensTheMenu();
    void rightClickOnAnAliasOpensItsEditor();
    void menuItemsAreMeasuredInTheirMenusLook_data();
    void menuItemsAreMeasuredInTheirMenusLook();
    void chatMenuMarksACheckedItemBeforeItsText();

public Q_SLOTS:
    void openUrl(const QUrl& url) { m_opened.append(url.toString()); }

private:
    void type(const QString& recipients, const QString& text);
    void showChat();
    QPoint panePoint(int column) const;

    std::unique_ptr<CustomFontList> m_customFonts;
    std::unique_ptr<KindFonts> m_fonts;
    std::unique_ptr<TfrmChat> m_chat;
    QStringList m_sent;
    QStringList m_opened;
};

void TfrmChatTest::init()
{
    m_customFonts = std::make_unique<CustomFontList>();
    m_fonts = std::make_unique<KindFonts>(*m_customFonts);
    m_chat = std::make_unique<TfrmChat>(*m_fonts, ChatFilter::everything());
    m_chat->setBaseCaption(QStringLiteral("Chat"));
    m_sent.clear();
    m_chat->setCommandSink([this](const QString& command) { m_sent.append(command); });
}

void TfrmChatTest::cleanup()
{
    m_chat.reset();
    m_fonts.reset();
    m_customFonts.reset();
}

void TfrmChatTest::type(const QString& recipients, const QString& text)
{
    m_chat->cmbTell->setEditText(recipients);
    m_chat->memIn->setText(text);
    QTest::keyClick(m_chat->memIn, Qt::Key_Return);
}

void TfrmChatTest::tellIsSentAndEchoed()
{
    m_chat->setEcho(true);
    m_chat->selectType(MessageType::Tell);
    type(QStringLiteral("bob"), QStringLiteral("hi there^quit"));
    QCOMPARE(m_sent, QStringList{"Tell BOB hi there^quit"});
    QVERIFY(m_chat->memOut->toPlainText().contains("hi there^quit"));
    QVERIFY(m_chat->memIn->text().isEmpty());
    QCOMPARE(m_chat->routing().recipients(), QStringList{"BOB"});
    QVERIFY(m_chat->cmbTell->findText("BOB") >= 0);
}

void TfrmChatTest::newSpeakersJoinTheRecipientListInOrder()
{
    m_chat->selectType(MessageType::Tell);
    m_chat->cmbTell->setEditText(QStringLiteral("HALF TYPED"));
    for (const char* speaker : {"ZED", "ANNA", "ZED", "MIA"}) {
        const QByteArray line = QByteArray(speaker) + " tells you: hi";
        m_chat->takeLine(line, speaker, TextKind::Tell, "TELLS");
    }
    QStringList shown;
    for (int i = 0; i < m_chat->cmbTell->count(); ++i)
        shown << m_chat->cmbTell->itemText(i);
    QCOMPARE(shown, QStringList({"ANNA", "MIA", "ZED"}));
    QCOMPARE(m_chat->cmbTell->currentText(), QStringLiteral("HALF TYPED"));
}

void TfrmChatTest::tellWithoutRecipientKeepsTheText()
{
    m_chat->selectType(MessageType::Tell);
    type(QString(), QStringLiteral("to nobody"));
    QVERIFY(m_sent.isEmpty());
    QCOMPARE(m_chat->memIn->text(), QStringLiteral("to nobody"));
}

void TfrmChatTest::tabDecidesThePrefix_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<bool>("recipientBoxShown");

    QTest::newRow("kibitz") << int(MessageType::Kibitz) << "Kibitz gg" << false;
    QTest::newRow("message") << int(MessageType::Message) << "Message ANNA gg" << true;
    QTest::newRow("tell") << int(MessageType::Tell) << "Tell ANNA gg" << true;
    QTest::newRow("command") << int(MessageType::Command) << "gg" << false;
}

void TfrmChatTest::tabDecidesThePrefix()
{
    QFETCH(int, type);
    QFETCH(QString, sent);
    QFETCH(bool, recipientBoxShown);

    m_chat->tabType->setCurrentIndex(type);
    QCOMPARE(m_chat->cmbTell->isHidden(), !recipientBoxShown);
    this->type(QStringLiteral("anna"), QStringLiteral("gg"));
    QCOMPARE(m_sent, QStringList{sent});
}

void TfrmChatTest::aliasLeavesTheTypedTextAlone()
{
    ChatAliases aliases;
    aliases.aliases[3] = {QStringLiteral("greet"), QStringLiteral("hello all")};
    m_chat->setAliases(aliases);
    m_chat->selectType(MessageType::Say);
    m_chat->memIn->setText(QStringLiteral("half typ"));
    m_chat->aliasButtons[3]->click();
    QCOMPARE(m_sent, QStringList{"Say hello all"});
    QCOMPARE(m_chat->memIn->text(), QStringLiteral("half typ"));
    QCOMPARE(m_chat->aliasButtons[3]->toolTip(), QStringLiteral("greet"));
}

void TfrmChatTest::hiddenWindowPopsUpOnATell()
{
    m_chat->setPopUpOnTells(true);
    m_chat->selectType(MessageType::Say);
    QVERIFY(m_chat->isHidden());
    m_chat->takeLine("alice tells you: are you there?", "ALICE", TextKind::Tell, "TELLS");
    QVERIFY(m_chat->isVisible());
    QCOMPARE(m_chat->messageType(), MessageType::Tell);
    QCOMPARE(m_chat->cmbTell->currentText(), QStringLiteral("ALICE"));
    QTRY_VERIFY_WITH_TIMEOUT(
        m_chat->memOut->toPlainText().contains("alice tells you: are you there?"), Patience);
}

void TfrmChatTest::boardsViewKeepsTheWindowHidden()
{
    m_chat->setPopUpOnTells(true);
    m_chat->setBoardsViewShown(true);
    m_chat->takeLine("alice tells you: hi", "ALICE", TextKind::Tell, "TELLS");
    QVERIFY(m_chat->isHidden());
    QSignalSpy waiting(m_chat->memOut, &BatchedPane::linesWaiting);
    QVERIFY(waiting.wait(Patience));
    QCOMPARE(m_chat->windowTitle(), QStringLiteral("(1) Chat"));
    m_chat->show();
    QVERIFY(m_chat->memOut->toPlainText().contains("alice tells you: hi"));
}

void TfrmChatTest::unreadLinesShowInTheCaption()
{
    m_chat->takeLine("alice says: one", "ALICE", TextKind::Tell, "SAYS");
    m_chat->takeLine("alice says: two", "ALICE", TextKind::Tell, "SAYS");
    QTRY_COMPARE_WITH_TIMEOUT(m_chat->windowTitle(), QStringLiteral("(2) Chat"), Patience);
    m_chat->show();
    m_chat->activateWindow();
    QTRY_COMPARE(m_chat->windowTitle(), QStringLiteral("Chat"));
}

// A board's chat pane has no title bar: what arrives for it changes no caption (four
// boards' panes would otherwise renew theirs at every turn of a flood).
void TfrmChatTest::aPaneInsideABoardKeepsItsName()
{
    QWidget board;
    m_chat->setParent(&board);
    const auto giveBack = qScopeGuard([this] { m_chat->setParent(nullptr); });
    m_chat->setBaseCaption(TfrmChat::BoardPaneCaption);
    CaptionCounter counter;
    m_chat->installEventFilter(&counter);
    QSignalSpy waiting(m_chat->memOut, &BatchedPane::linesWaiting);
    m_chat->takeLine("alice says: one", "ALICE", TextKind::Tell, "SAYS");
    m_chat->takeLine("alice says: two", "ALICE", TextKind::Tell, "SAYS");
    QVERIFY(waiting.wait(Patience));
    QCOMPARE(m_chat->windowTitle(), TfrmChat::BoardPaneCaption);
    QCOMPARE(counter.changes, 0);
}

void TfrmChatTest::paneKeepsAtMostAThousandLines()
{
    for (int i = 0; i < 1001; ++i)
        m_chat->takeLine(QByteArray("bob says: ") + QByteArray::number(i), "BOB", TextKind::Tell,
                         "SAYS");
    m_chat->memOut->showPendingLines();
    QCOMPARE(m_chat->memOut->lineCount(), 1001);
    m_chat->takeLine("bob says: last", "BOB", TextKind::Tell, "SAYS");
    m_chat->memOut->showPendingLines();
    QCOMPARE(m_chat->memOut->lineCount(), 1002 - ChatPane::KeptFromLine);
    QVERIFY(m_chat->memOut->toPlainText().startsWith("bob says: 400"));
}

void TfrmChatTest::burstOfLinesShowsInOneUpdate_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("shown");

    // A shown window is the active one here, so its caption counts nothing unread.
    QTest::newRow("a few lines") << 5 << "Chat" << true;
    QTest::newRow("a flood past the cut") << 2500 << "Chat" << true;
    QTest::newRow("a few lines, hidden") << 5 << "(5) Chat" << false;
    QTest::newRow("a flood past the cut, hidden") << 2500 << "(2500) Chat" << false;
}

void TfrmChatTest::burstOfLinesShowsInOneUpdate()
{
    QFETCH(int, lines);
    QFETCH(QString, caption);
    QFETCH(bool, shown);

    if (shown)
        showChat();
    CaptionCounter counter;
    m_chat->installEventFilter(&counter);
    // A hidden pane lays out nothing: its lines wait until it is shown.
    QSignalSpy updates(m_chat->memOut,
                       shown ? &BatchedPane::linesShown : &BatchedPane::linesWaiting);
    for (int i = 0; i < lines; ++i)
        m_chat->takeLine(QByteArray("bob says: ") + QByteArray::number(i), "BOB", TextKind::Tell,
                         "SAYS");
    QCOMPARE(m_chat->windowTitle(), QStringLiteral("Chat"));
    QVERIFY(m_chat->memOut->toPlainText().isEmpty());

    QVERIFY(updates.wait(Patience));
    QCOMPARE(updates.count(), 1);
    QCOMPARE(counter.changes, shown ? 0 : 1);
    QCOMPARE(m_chat->windowTitle(), caption);
    if (!shown) {
        QVERIFY(m_chat->memOut->toPlainText().isEmpty());
        showChat();
    }
    // The flood is cut as the chat pane cuts, and its newest line is kept.
    int expected = 0;
    for (int i = 0; i < lines; ++i)
        expected =
            expected > ChatPane::MaxLines ? expected - ChatPane::KeptFromLine + 1 : expected + 1;
    QCOMPARE(m_chat->memOut->lineCount(), expected);
    QVERIFY(
        m_chat->memOut->toPlainText().endsWith(QStringLiteral("bob says: %1\n").arg(lines - 1)));
    m_chat->removeEventFilter(&counter);
}

void TfrmChatTest::paneFollowsTheNewestLineUnlessTextIsSelected()
{
    showChat();
    m_chat->show();
    for (int i = 0; i < 100; ++i)
        m_chat->takeLine(QByteArray("bob says: ") + QByteArray::number(i), "BOB", TextKind::Tell,
                         "SAYS");
    m_chat->memOut->showPendingLines();
    QScrollBar* bar = m_chat->memOut->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());

    m_chat->memOut->select({0, 2}, {0, 5});
    bar->setValue(0);
    m_chat->takeLine("bob says: more", "BOB", TextKind::Tell, "SAYS");
    m_chat->memOut->showPendingLines();
    QCOMPARE(bar->value(), 0);
    QCOMPARE(m_chat->memOut->selectedText(), QStringLiteral("b s"));
}

void TfrmChatTest::showChat()
{
    m_chat->resize(520, 300);
    m_chat->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_chat.get()));
}

QPoint TfrmChatTest::panePoint(int column) const
{
    return m_chat->memOut->pointRect({0, column}).center() + QPoint(2, 0);
}

void TfrmChatTest::inputBoxGrowsWithItsText_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<QString>("height");

    QTest::newRow("a few words keep one line") << 3 << "one line";
    QTest::newRow("a long message wraps and the box grows") << 40 << "taller";
    QTest::newRow("a flood of text stops below the top limit") << 900 << "at the limit";
}

void TfrmChatTest::inputBoxGrowsWithItsText()
{
    QFETCH(int, words);
    QFETCH(QString, height);

    showChat();
    m_chat->selectType(MessageType::Say);
    const int oneLine = m_chat->memIn->height();
    const int bottom = m_chat->memIn->geometry().bottom();
    QVERIFY(oneLine >= TfrmChat::MinInputHeight);

    m_chat->memIn->setText(QStringLiteral("word ").repeated(words));
    QCOMPARE(m_chat->memIn->geometry().bottom(), bottom);
    QCOMPARE(m_chat->memOut->geometry().bottom() + 1, m_chat->memIn->y());
    if (height == u"one line") {
        QCOMPARE(m_chat->memIn->height(), oneLine);
    } else if (height == u"taller") {
        QVERIFY2(m_chat->memIn->height() > oneLine,
                 qPrintable(QString::number(m_chat->memIn->height())));
        QVERIFY(m_chat->memIn->y() > TfrmChat::MinInputTop);
    } else {
        QCOMPARE(m_chat->memIn->y(), TfrmChat::MinInputTop);
    }

    // Sending empties the box, which shrinks back to one line.
    QTest::keyClick(m_chat->memIn, Qt::Key_Return);
    QCOMPARE(m_chat->memIn->height(), oneLine);
    QCOMPARE(m_chat->memIn->geometry().bottom(), bottom);
}

void TfrmChatTest::pastedLineBreaksBecomeSpaces()
{
    m_chat->selectType(MessageType::Say);
    QApplication::clipboard()->setText(QStringLiteral("first\r\nsecond\nthird"));
    m_chat->memIn->paste();
    QCOMPARE(m_chat->memIn->document()->blockCount(), 1);
    QTest::keyClick(m_chat->memIn, Qt::Key_Return);
    QCOMPARE(m_sent, QStringList{"Say first  second third"});
}

void TfrmChatTest::editMenuActsOnTheInputBox_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("cut") << "Cu&t"
                         << "hello "
                         << ""
                         << "world";
    QTest::newRow("copy") << "&Copy"
                          << "hello world"
                          << "world"
                          << "world";
    QTest::newRow("paste") << "&Paste"
                           << "hello there"
                           << ""
                           << "there";
    QTest::newRow("delete leaves the clipboard alone") << "&Delete"
                                                       << "hello "
                                                       << ""
                                                       << "there";
    QTest::newRow("select all") << "Select &All"
                                << "hello world"
                                << "hello world"
                                << "there";
}

void TfrmChatTest::editMenuActsOnTheInputBox()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, clipboard);

    showChat();
    QApplication::clipboard()->setText(QStringLiteral("there"));
    m_chat->memIn->setText(QStringLiteral("hello world"));
    QTextCursor cursor = m_chat->memIn->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    m_chat->memIn->setTextCursor(cursor);

    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              m_chat->memIn->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_chat->memIn->viewport(), &request);
    QMenu* menu = m_chat->memIn->mnuStandardPop;
    QTRY_VERIFY(menu->isVisible());
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == item)
            chosen = action;
    }
    QVERIFY2(chosen, qPrintable(item));
    QVERIFY(chosen->isEnabled());
    menu->hide();
    chosen->trigger();

    QCOMPARE(m_chat->memIn->text(), text);
    QCOMPARE(m_chat->memIn->textCursor().selectedText(), selected);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void TfrmChatTest::leftClickInThePaneOnlyOpensLinks_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("opened");

    QTest::newRow("a handle is not picked") << QByteArray("alice tells you: hi there") << 2 << "";
    QTest::newRow("a web address opens")
        << QByteArray("alice tells you: see www.example.com now") << 24 << "http://www.example.com";
    QTest::newRow("a host with a dash opens from after the dash")
        << QByteArray("alice tells you: try my-chess.example.com") << 32
        << "http://chess.example.com";
}

void TfrmChatTest::leftClickInThePaneOnlyOpensLinks()
{
    QFETCH(QByteArray, line);
    QFETCH(int, column);
    QFETCH(QString, opened);

    showChat();
    QStringList picked;
    m_chat->setPickSink([&picked](const QString& word) { picked.append(word); });
    m_chat->takeLine(line, "ALICE", TextKind::Tell, "TELLS");
    m_chat->memOut->showPendingLines();
    m_opened.clear();
    for (const char* scheme : {"http", "mailto"})
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    QTest::mouseClick(m_chat->memOut->viewport(), Qt::LeftButton, {}, panePoint(column));
    for (const char* scheme : {"http", "mailto"})
        QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(m_opened.value(0).toLower(), opened.toLower());
    QVERIFY(picked.isEmpty());
    QVERIFY(m_chat->pickedWord().isEmpty());
    QVERIFY(!m_chat->mnuChat->isVisible());
}

void TfrmChatTest::rightClickPicksTheWordAndOpensTheMenu()
{
    showChat();
    QStringList picked;
    m_chat->setPickSink([&picked](const QString& word) { picked.append(word); });
    m_chat->takeLine("alice tells you: hi there", "ALICE", TextKind::Tell, "TELLS");
    m_chat->memOut->showPendingLines();
    QTest::mouseClick(m_chat->memOut->viewport(), Qt::RightButton, {}, panePoint(2));
    QCOMPARE(picked, QStringList{"alice"});
    QCOMPARE(m_chat->pickedWord(), QStringLiteral("alice"));
    QTRY_VERIFY(m_chat->mnuChat->isVisible());
    m_chat->mnuChat->hide();
}

void TfrmChatTest::rightClickOnAnAliasOpensItsEditor()
{
    showChat();
    int shown = -1;
    answerNextModal(this, [&shown](QWidget* modal) {
        auto* editor = qobject_cast<TfrmEditTells*>(modal);
        if (!editor)
            return;
        shown = editor->tabAlias->currentIndex();
        editor->txtName->setText(QStringLiteral("greet"));
        editor->accept();
    });
    QToolButton* button = m_chat->aliasButtons[5];
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(3, 3),
                              button->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(button, &request);
    QCOMPARE(shown, 5);
    QCOMPARE(m_chat->aliases().aliases[5].name, QStringLiteral("greet"));
    QCOMPARE(button->toolTip(), QStringLiteral("greet"));
    QVERIFY(m_sent.isEmpty());
}

void TfrmChatTest::menuItemsAreMeasuredInTheirMenusLook_data()
{
    QTest::addColumn<bool>("chat");
    QTest::addColumn<int>("padding");

    QTest::newRow("chat menu: bold caption plus 16 pixels") << true << 16;
    QTest::newRow("terminal menu keeps room for its check mark") << false << 4 + 14 + 8;
}

void TfrmChatTest::menuItemsAreMeasuredInTheirMenusLook()
{
    QFETCH(bool, chat);
    QFETCH(int, padding);

    TerminalMenu terminal;
    QMenu* menu = chat ? static_cast<QMenu*>(m_chat->mnuChat) : &terminal;
    QStyleOptionMenuItem item;
    item.initFrom(menu);
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.text = QStringLiteral("Stay &On Top");
    item.font = menu->font();
    QFont bold = item.font;
    bold.setBold(true);
    const QSize size =
        menu->style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(), nullptr);
    QCOMPARE(size.width(),
             QFontMetrics(bold).horizontalAdvance(QStringLiteral("Stay On Top")) + padding);
}

void TfrmChatTest::chatMenuMarksACheckedItemBeforeItsText()
{
    const auto darkColumns = [this](bool checked) {
        QImage image(200, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        QStyleOptionMenuItem item;
        item.initFrom(m_chat->mnuChat);
        item.palette.setColor(QPalette::Window, Qt::white);
        item.palette.setColor(QPalette::WindowText, Qt::black);
        item.state = QStyle::State_Enabled;
        item.menuItemType = QStyleOptionMenuItem::Normal;
        item.checkType = QStyleOptionMenuItem::NonExclusive;
        item.checked = checked;
        item.text = QStringLiteral("&Echo");
        item.font = m_chat->mnuChat->font();
        item.rect = image.rect();
        {
            QPainter painter(&image);
            m_chat->mnuChat->style()->drawControl(QStyle::CE_MenuItem, &item, &painter, nullptr);
        }
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    columns.append(x);
                    break;
                }
            }
        }
        return columns;
    };
    const QList<int> plain = darkColumns(false);
    const QList<int> checked = darkColumns(true);
    QVERIFY(!plain.isEmpty());
    QVERIFY2(plain.first() >= 10, qPrintable(QString::number(plain.first())));
    QVERIFY(!checked.isEmpty());
    QVERIFY2(checked.first() >= 1 && checked.first() < 10,
             qPrintable(QString::number(checked.first())));
}

QTEST_MAIN(TfrmChatTest)
#include "TfrmChatTest.moc"
