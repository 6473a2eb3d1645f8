#include "chat/ChatComposer.h"

#include <QTest>

using ChatComposer::MessageType;
using ChatComposer::Protocol;

class ChatComposerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composes_data();
    void composes();
    void longTellIsCutPerRecipient();
    void iccPiecesAreShorter();
};

void ChatComposerTest::composes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("commands");

    const int fics = int(Protocol::Fics);
    const int icc = int(Protocol::Icc);
    QTest::newRow("one character tell") << int(MessageType::Tell) << fics << "bob" << "x"
                                        << QStringList{"Tell bob x"};
    QTest::newRow("channel tell") << int(MessageType::Tell) << fics << "50" << "hello"
                                  << QStringList{"Tell 50 hello"};
    QTest::newRow("two spaces between recipients")
        << int(MessageType::Tell) << fics << "anna  bob" << "hi"
        << QStringList{"Tell anna hi", "Tell bob hi"};
    QTest::newRow("tell without recipient sends nothing")
        << int(MessageType::Tell) << fics << "  " << "hi" << QStringList{};
    QTest::newRow("message without recipient sends nothing")
        << int(MessageType::Message) << fics << "" << "hi" << QStringList{};
    QTest::newRow("empty text sends nothing") << int(MessageType::Say) << fics << "" << ""
                                              << QStringList{};
    QTest::newRow("kibitz") << int(MessageType::Kibitz) << fics << "bob" << "nice"
                            << QStringList{"Kibitz nice"};
    QTest::newRow("command type has no prefix") << int(MessageType::Command) << fics << ""
                                                << "finger" << QStringList{"finger"};
    QTest::newRow("fics i") << int(MessageType::I) << fics << "" << "wave"
                            << QStringList{"It wave"};
    QTest::newRow("icc i") << int(MessageType::I) << icc << "" << "wave"
                           << QStringList{"I wave"};
    QTest::newRow("icc c-shout") << int(MessageType::CShout) << icc << "" << "hey"
                                 << QStringList{"SShout hey"};
    QTest::newRow("line break pasted becomes spaces")
        << int(MessageType::Say) << fics << "" << "one\r\ntwo" << QStringList{"Say one  two"};
    QTest::newRow("lone line feed is no second command")
        << int(MessageType::Say) << fics << "" << "one\nquit" << QStringList{"Say one quit"};
    QTest::newRow("caret stays in the one command")
        << int(MessageType::Tell) << fics << "bob" << "a^quit" << QStringList{"Tell bob a^quit"};
}

void ChatComposerTest::composes()
{
    QFETCH(int, type);
    QFETCH(int, protocol);
    QFETCH(QString, recipients);
    QFETCH(QString, text);
    QFETCH(QStringList, commands);

    QCOMPARE(ChatComposer::compose(MessageType(type), Protocol(protocol), recipients, text),
             commands);
}

void ChatComposerTest::longTellIsCutPerRecipient()
{
    const QString text = QString(900, u'a') + u'b';
    const QStringList commands =
        ChatComposer::compose(MessageType::Tell, Protocol::Fics, QStringLiteral("anna bob"), text);
    QCOMPARE(commands.size(), 4);
    QCOMPARE(commands.at(0), QStringLiteral("Tell anna ") + QString(900, u'a'));
    QCOMPARE(commands.at(1), QStringLiteral("Tell bob ") + QString(900, u'a'));
    QCOMPARE(commands.at(2), QStringLiteral("Tell anna b"));
    QCOMPARE(commands.at(3), QStringLiteral("Tell bob b"));
}

void ChatComposerTest::iccPiecesAreShorter()
{
    const QStringList pieces = ChatComposer::pieces(QString(241, u'x'), Protocol::Icc);
    QCOMPARE(pieces.size(), 2);
    QCOMPARE(pieces.at(0).size(), 240);
    QCOMPARE(ChatComposer::recipients(QString("a ").repeated(30)).size(),
             ChatComposer::MaxRecipients);
}

QTEST_GUILESS_MAIN(ChatComposerTest)
#include "ChatComposerTest.moc"
