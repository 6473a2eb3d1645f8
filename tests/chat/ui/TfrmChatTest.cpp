#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ui/ChatPane.h"
#include "chat/ui/TfrmChat.h"

#include <QComboBox>
#include "chat/ui/ChatInputBox.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using MessageType = TfrmChat::MessageType;

class TfrmChatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tellIsSentAndEchoed();
    void tellWithoutRecipientKeepsTheText();
    void tabDecidesThePrefix_data();
    void tabDecidesThePrefix();
    void aliasLeavesTheTypedTextAlone();
    void hiddenWindowPopsUpOnATell();
    void boardsViewKeepsTheWindowHidden();
    void unreadLinesShowInTheCaption();
    void paneKeepsAtMostAThousandLines();

private:
    void type(const QString& recipients, const QString& text);

    std::unique_ptr<CustomFontList> m_customFonts;
    std::unique_ptr<KindFonts> m_fonts;
    std::unique_ptr<TfrmChat> m_chat;
    QStringList m_sent;
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
    QTest::newRow("tell") << int(MessageType::Tell) << "Tell ANNA gg"
                                                 << true;
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
    QVERIFY(m_chat->memOut->toPlainText().contains("alice tells you: are you there?"));
}

void TfrmChatTest::boardsViewKeepsTheWindowHidden()
{
    m_chat->setPopUpOnTells(true);
    m_chat->setBoardsViewShown(true);
    m_chat->takeLine("alice tells you: hi", "ALICE", TextKind::Tell, "TELLS");
    QVERIFY(m_chat->isHidden());
    QVERIFY(m_chat->memOut->toPlainText().contains("alice tells you: hi"));
}

void TfrmChatTest::unreadLinesShowInTheCaption()
{
    m_chat->takeLine("alice says: one", "ALICE", TextKind::Tell, "SAYS");
    m_chat->takeLine("alice says: two", "ALICE", TextKind::Tell, "SAYS");
    QCOMPARE(m_chat->windowTitle(), QStringLiteral("(2) Chat"));
    m_chat->show();
    m_chat->activateWindow();
    QTRY_COMPARE(m_chat->windowTitle(), QStringLiteral("Chat"));
}

void TfrmChatTest::paneKeepsAtMostAThousandLines()
{
    for (int i = 0; i < 1001; ++i)
        m_chat->takeLine(QByteArray("bob says: ") + QByteArray::number(i), "BOB", TextKind::Tell,
                         "SAYS");
    QCOMPARE(m_chat->memOut->lineCount(), 1001);
    m_chat->takeLine("bob says: last", "BOB", TextKind::Tell, "SAYS");
    QCOMPARE(m_chat->memOut->lineCount(), 1002 - ChatPane::KeptFromLine);
    QVERIFY(m_chat->memOut->toPlainText().startsWith("bob says: 400"));
}

QTEST_MAIN(TfrmChatTest)
#include "TfrmChatTest.moc"
