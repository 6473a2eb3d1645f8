#include "chat/ui/TerminalMenu.h"
#include "chat/ui/ChatMenu.h"

#include <QApplication>
#include <QTest>

#include <memory>

// The mouse-action items stand in groups of eight, with a bar between groups
// and before the pane's own items; a bar shows only between items that show.
class TerminalMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void barsSeparateTheShownGroups_data();
    void barsSeparateTheShownGroups();
};

namespace {

template <typename Menu>
int shownBarsBefore(Menu& menu, const QAction* firstOwnItem, int actionsShown)
{
    for (int i = 0; i < TerminalMenu::MouseActionCount; ++i) {
        menu.mnuMA[std::size_t(i)]->setText(QStringLiteral("Action %1").arg(i));
        menu.mnuMA[std::size_t(i)]->setVisible(i < actionsShown);
    }
    menu.popup(QPoint(0, 0));
    int bars = 0;
    for (QAction* action : menu.actions()) {
        if (action == firstOwnItem)
            break;
        if (action->isSeparator() && !menu.actionGeometry(action).isEmpty())
            ++bars;
    }
    menu.hide();
    return bars;
}

} // namespace

void TerminalMenuTest::barsSeparateTheShownGroups_data()
{
    QTest::addColumn<int>("actionsShown");
    QTest::addColumn<int>("bars");
    QTest::newRow("no actions: Copy comes first, no bar") << 0 << 0;
    QTest::newRow("five actions: one bar before Copy") << 5 << 1;
    QTest::newRow("eight actions fill one group") << 8 << 1;
    QTest::newRow("a ninth action starts a second group") << 9 << 2;
    QTest::newRow("seventeen actions make three groups") << 17 << 3;
    QTest::newRow("the fourth group gets no bar of its own") << 30 << 3;
}

void TerminalMenuTest::barsSeparateTheShownGroups()
{
    QFETCH(int, actionsShown);
    QFETCH(int, bars);
    TerminalMenu terminal;
    QCOMPARE(shownBarsBefore(terminal, terminal.mnuCopy, actionsShown), bars);
    ChatMenu chat;
    QCOMPARE(shownBarsBefore(chat, chat.mnuCopy, actionsShown), bars);
}

QTEST_MAIN(TerminalMenuTest)
#include "TerminalMenuTest.moc"
