#include "chat/ui/TerminalMenu.h"
#include "chat/ui/TerminalView.h"
#include "shell/TfrmMainChess.h"

#include "ficsim/FakeFicsServer.h"
#include "support/ui/LoggedInWindow.h"

#include <QAction>
#include <QTest>

// A handle picked in the terminal, an action chosen from the terminal menu: its command
// reaches the server with the handle put in.
class MouseActionsE2ETest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void actionFromTheTerminalMenu_data();
    void actionFromTheTerminalMenu();
};

void MouseActionsE2ETest::actionFromTheTerminalMenu_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("caption");

    QTest::newRow("finger") << 5 << "bob" << QByteArray("Finger bob") << "&Finger";
    QTest::newRow("salute") << 14 << "bob" << QByteArray("I salutes bob.") << "Salute";
    QTest::newRow("a handle with a caret sends one command")
        << 5 << "bob^quit" << QByteArray("Finger bob") << "&Finger";
}

void MouseActionsE2ETest::actionFromTheTerminalMenu()
{
    QFETCH(int, item);
    QFETCH(QString, picked);
    QFETCH(QByteArray, sent);
    QFETCH(QString, caption);

    LoggedInWindow session;
    QVERIFY(session.logIn());
    TfrmMainChess& window = session.window();
    Q_EMIT window.memTerminal->wordPicked(picked);

    TerminalMenu* menu = window.mnuTerminal;
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->mnuMA[0]->text(), QStringLiteral("&Tell ") + picked.left(3));
    QVERIFY(menu->mnuMA[15]->isVisible());
    QVERIFY(!menu->mnuMA[16]->isVisible());
    QCOMPARE(menu->mnuMA[item]->text(), caption);

    menu->mnuMA[item]->trigger();
    QVERIFY2(session.waitForCommand(sent), sent.constData());
    QVERIFY(!session.server().receivedLines().contains("quit"));
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->defaultAction(), menu->mnuMA[item]);
}

QTEST_MAIN(MouseActionsE2ETest)
#include "MouseActionsE2ETest.moc"
