#include "chat/ChatAliases.h"
#include "settings/SettingsFile.h"

#include <QTemporaryDir>
#include <QTest>

class ChatAliasesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingAliasesGetTheirNumberedNames();
    void storedAliasesComeBack();
};

void ChatAliasesTest::missingAliasesGetTheirNumberedNames()
{
    QTemporaryDir dir;
    const ChatAliases loaded = ChatAliases::load(SettingsFile(dir.filePath("Tolvaris.ini")));
    QCOMPARE(loaded.aliases[0].name, QStringLiteral("Alias 0"));
    QCOMPARE(loaded.aliases[15].name, QStringLiteral("Alias F"));
    QVERIFY(loaded.aliases[10].text.isEmpty());
}

void ChatAliasesTest::storedAliasesComeBack()
{
    QTemporaryDir dir;
    SettingsFile shared(dir.filePath("Tolvaris.ini"));
    ChatAliases aliases = ChatAliases::load(shared);
    aliases.aliases[11] = {QStringLiteral("gl"), QStringLiteral("good luck, have fun")};
    aliases.store(shared);
    QCOMPARE(shared.readString(ChatAliases::Section, "AliasText11", {}),
             QStringLiteral("good luck, have fun"));
    QCOMPARE(ChatAliases::load(shared), aliases);
}

QTEST_GUILESS_MAIN(ChatAliasesTest)
#include "ChatAliasesTest.moc"
