#include "chat/ui/TfrmEditTells.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTest>

class TfrmEditTellsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsSurviveSwitchingTabs();
};

void TfrmEditTellsTest::editsSurviveSwitchingTabs()
{
    ChatAliases start;
    start.aliases[0] = {QStringLiteral("hi"), QStringLiteral("hello")};
    start.aliases[7] = {QStringLiteral("bye"), QStringLiteral("see you")};
    TfrmEditTells editor(start);
    QCOMPARE(editor.txtName->text(), QStringLiteral("hi"));
    editor.memText->setText(QStringLiteral("hello there"));
    editor.tabAlias->setCurrentIndex(7);
    QCOMPARE(editor.txtName->text(), QStringLiteral("bye"));
    editor.txtName->setText(QStringLiteral("later"));
    editor.tabAlias->setCurrentIndex(3);

    const ChatAliases edited = editor.aliases();
    QCOMPARE(edited.aliases[0].text, QStringLiteral("hello there"));
    QCOMPARE(edited.aliases[7].name, QStringLiteral("later"));
    QCOMPARE(edited.aliases[7].text, QStringLiteral("see you"));
    QCOMPARE(edited.aliases[3], start.aliases[3]);
    QCOMPARE(editor.txtName->maxLength(), ChatAliases::MaxNameLength);
}

QTEST_MAIN(TfrmEditTellsTest)
#include "TfrmEditTellsTest.moc"
