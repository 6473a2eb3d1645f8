#include "chat/ChatForms.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ChatFormsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fourFormsComeBackInOrder();
    void parsesValues_data();
    void parsesValues();
    void barInCaptionBecomesASpace();
    void formFromChoices_data();
    void formFromChoices();
};

void ChatFormsTest::fourFormsComeBackInOrder()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    const QList<ChatForms::Form> forms{
        {"Friends", ChatFilter::fromText(" anna bob"), QRect(10, 20, 400, 200)},
        {"Fifty", ChatFilter::fromText(" (50)"), QRect(30, 40, 410, 210)},
        {"Loud", ChatFilter::fromText(" ALL_SHOUT ALL_CSHOUT"), QRect(50, 60, 420, 220)},
        {"All", ChatFilter::fromText(" ALL_MSGS"), QRect(70, 80, 430, 230)}};
    ChatForms::store(file, forms);
    const QList<ChatForms::Form> back = ChatForms::load(file);
    QCOMPARE(back.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(back[i].caption, forms[i].caption);
        QCOMPARE(back[i].filter.entries(), forms[i].filter.entries());
        QCOMPARE(back[i].filter.acceptsAll(), forms[i].filter.acceptsAll());
        QCOMPARE(back[i].bounds, forms[i].bounds);
    }
    QCOMPARE(file.readString(ChatForms::Section, "2", {}), QStringLiteral("Fifty| (50)|30|40|410|210"));
}

void ChatFormsTest::parsesValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("caption");

    QTest::newRow("six fields") << "Pals | anna|1|2|400|300" << true << "Pals";
    QTest::newRow("empty filter makes five fields") << "Pals||1|2|400|300" << false << "";
    QTest::newRow("seven fields") << "Pals| anna|1|2|400|300|9" << false << "";
    QTest::newRow("bounds not decimal") << "Pals| anna|x|2|400|300" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void ChatFormsTest::parsesValues()
{
    QFETCH(QString, value);
    QFETCH(bool, valid);
    QFETCH(QString, caption);

    const std::optional<ChatForms::Form> form = ChatForms::parseValue(value);
    QCOMPARE(form.has_value(), valid);
    if (form)
        QCOMPARE(form->caption, caption);
}

void ChatFormsTest::barInCaptionBecomesASpace()
{
    const ChatForms::Form form{"a|b", ChatFilter::fromText(" anna"), QRect(1, 2, 400, 300)};
    const std::optional<ChatForms::Form> back =
        ChatForms::parseValue(ChatForms::formatValue(form));
    QVERIFY(back.has_value());
    QCOMPARE(back->caption, QStringLiteral("a b"));
}

void ChatFormsTest::formFromChoices_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("keywords");
    QTest::addColumn<QString>("users");
    QTest::addColumn<QString>("channels");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("filterText");
    QTest::addColumn<bool>("acceptAll");

    QTest::newRow("everything chatty without title")
        << "  " << QStringList{"ALL_MSGS"} << "" << "" << "Filtered Chat:  ALL_MSGS"
        << " ALL_MSGS" << true;
    QTest::newRow("keywords in fixed order")
        << "Loud" << QStringList{"ALL_CSHOUT", "ALL_SHOUT", "ALL_USERS"} << "" << ""
        << "Loud" << " ALL_USERS ALL_SHOUT ALL_CSHOUT" << false;
    QTest::newRow("users and channels")
        << "Mix" << QStringList{} << " anna  Bob " << "50 (7)" << "Mix"
        << " anna Bob (50) (7)" << false;
    QTest::newRow("empty lists add nothing")
        << "" << QStringList{} << "  " << "" << "Filtered Chat: " << "" << false;
}

void ChatFormsTest::formFromChoices()
{
    QFETCH(QString, title);
    QFETCH(QStringList, keywords);
    QFETCH(QString, users);
    QFETCH(QString, channels);
    QFETCH(QString, caption);
    QFETCH(QString, filterText);
    QFETCH(bool, acceptAll);

    const ChatForms::Form form = ChatForms::formFromChoices({title, keywords, users, channels});
    QCOMPARE(form.caption, caption);
    QCOMPARE(form.filter.filterText(), filterText);
    QCOMPARE(form.filter.acceptsAll(), acceptAll);
}

QTEST_GUILESS_MAIN(ChatFormsTest)
#include "ChatFormsTest.moc"
