#include "chat/ui/TfrmMouseActions.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class TfrmMouseActionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnTheLastEntry();
    void predefinedEntriesCannotBeChanged_data();
    void predefinedEntriesCannotBeChanged();
    void editingRenamesTheEntryAndItsLine();
    void addStopsAtThirty();
    void upAndDownKeepThePredefinedOnTop();
};

void TfrmMouseActionsTest::opensOnTheLastEntry()
{
    TfrmMouseActions dialog(TMouseActions().entries());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mouse Actions"));
    QCOMPARE(dialog.lstActions->currentRow(), 15);
    QCOMPARE(dialog.edLabel->text(), QStringLiteral("Goodbye"));
    QCOMPARE(dialog.edCommand->text(), QStringLiteral("Tell * Goodbye."));
}

void TfrmMouseActionsTest::predefinedEntriesCannotBeChanged_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("remove") << "btnRemove";
    QTest::newRow("up") << "btnUp";
    QTest::newRow("down") << "btnDown";
}

void TfrmMouseActionsTest::predefinedEntriesCannotBeChanged()
{
    QFETCH(QString, button);
    const QList<TMouseAction> before = TMouseActions().entries();
    TfrmMouseActions dialog(before);
    dialog.lstActions->setCurrentRow(2);
    QCOMPARE(dialog.edLabel->text(), QStringLiteral("Predefined."));
    QVERIFY(!dialog.edLabel->isEnabled());
    QVERIFY(!dialog.edCommand->isEnabled());
    dialog.findChild<QPushButton*>(button)->click();
    QCOMPARE(dialog.entries(), before);
    // The first user entry cannot move above the predefined ones either.
    dialog.lstActions->setCurrentRow(3);
    dialog.btnUp->click();
    QCOMPARE(dialog.entries(), before);
}

void TfrmMouseActionsTest::editingRenamesTheEntryAndItsLine()
{
    TfrmMouseActions dialog(TMouseActions().entries());
    dialog.lstActions->setCurrentRow(5);
    dialog.edLabel->selectAll();
    QTest::keyClicks(dialog.edLabel, QStringLiteral("&Look"));
    dialog.edCommand->selectAll();
    QTest::keyClicks(dialog.edCommand, QStringLiteral("Finger * /s"));
    QCOMPARE(dialog.entries().at(5).Label, QStringLiteral("&Look"));
    QCOMPARE(dialog.entries().at(5).Command, QStringLiteral("Finger * /s"));
    QCOMPARE(dialog.lstActions->item(5)->text(), QStringLiteral("&Look"));
}

void TfrmMouseActionsTest::addStopsAtThirty()
{
    TfrmMouseActions dialog(TMouseActions().entries());
    for (int i = 0; i < 20; ++i)
        dialog.btnAdd->click();
    QCOMPARE(dialog.entries().size(), 30);
    QCOMPARE(dialog.entries().last().Label, QStringLiteral("New"));
    QCOMPARE(dialog.lstActions->currentRow(), 29);
}

void TfrmMouseActionsTest::upAndDownKeepThePredefinedOnTop()
{
    TfrmMouseActions dialog(TMouseActions().entries());
    dialog.lstActions->setCurrentRow(4);
    dialog.btnUp->click();
    QCOMPARE(dialog.entries().at(3).Label, QStringLiteral("&Play"));
    QCOMPARE(dialog.lstActions->currentRow(), 3);
    dialog.btnDown->click();
    QCOMPARE(dialog.entries().at(4).Label, QStringLiteral("&Play"));
    dialog.lstActions->setCurrentRow(15);
    dialog.btnDown->click();
    QCOMPARE(dialog.entries().at(15).Label, QStringLiteral("Goodbye"));
}

QTEST_MAIN(TfrmMouseActionsTest)
#include "TfrmMouseActionsTest.moc"
