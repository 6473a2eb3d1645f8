#include "chat/ui/TfrmEditCommands.h"
#include "chat/ui/TfrmLists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TfrmListsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnTheLastListWithFicsTexts();
    void fixedTabsCannotBeEdited();
    void editsStayInTheCopy();
    void addRemoveAndMove();
    void presetsDropEmptyLines();
};

void TfrmListsTest::opensOnTheLastListWithFicsTexts()
{
    const TLists lists;
    TfrmLists dialog(lists, ServerProtocol::Fics);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Lists"));
    QCOMPARE(dialog.lstLists->count(), 14);
    QCOMPARE(dialog.lstLists->currentRow(), 13);
    QCOMPARE(dialog.txtLabel->text(), QStringLiteral("ZNotify"));
    QCOMPARE(dialog.cmbUpdate->currentText(), QStringLiteral("Every 1 minute"));
    TfrmLists icc(lists, ServerProtocol::Icc);
    QCOMPARE(icc.cmbUpdate->currentText(), QStringLiteral("Every 15 Seconds"));
}

void TfrmListsTest::fixedTabsCannotBeEdited()
{
    TfrmLists dialog(TLists(), ServerProtocol::Fics);
    dialog.lstLists->setCurrentRow(0);
    QVERIFY(!dialog.txtLabel->isEnabled());
    QVERIFY(dialog.txtLabel->text().isEmpty());
    QCOMPARE(dialog.cmbUpdate->currentIndex(), 0);
    dialog.btDown->click();
    dialog.btRemove->click();
    QCOMPARE(dialog.lists().at(0).label, QStringLiteral("&Terminal"));
    QCOMPARE(dialog.lists().count(), 14);
    dialog.lstLists->setCurrentRow(2);
    dialog.btUp->click();
    QCOMPARE(dialog.lists().at(2).label, QStringLiteral("&Sought"));
}

void TfrmListsTest::editsStayInTheCopy()
{
    const TLists lists;
    TfrmLists dialog(lists, ServerProtocol::Fics);
    dialog.lstLists->setCurrentRow(3);
    QTest::keyClicks(dialog.txtLabel, QStringLiteral("X"));
    QCOMPARE(dialog.lstLists->item(3)->text(), QStringLiteral("&WhoX"));
    QCOMPARE(dialog.lists().at(3).label, QStringLiteral("&WhoX"));
    QCOMPARE(lists.at(3).label, QStringLiteral("&Who"));
}

void TfrmListsTest::addRemoveAndMove()
{
    TfrmLists dialog(TLists(), ServerProtocol::Fics);
    dialog.btAdd->click();
    QCOMPARE(dialog.lstLists->currentRow(), 14);
    QCOMPARE(dialog.txtLabel->text(), QStringLiteral("New"));
    dialog.btUp->click();
    QCOMPARE(dialog.lstLists->currentRow(), 13);
    QCOMPARE(dialog.lists().at(13).label, QStringLiteral("New"));
    dialog.btRemove->click();
    QCOMPARE(dialog.lstLists->currentRow(), 0);
    QCOMPARE(dialog.lists().count(), 14);
}

void TfrmListsTest::presetsDropEmptyLines()
{
    TfrmEditCommands dialog({"tell", "who as"});
    QCOMPARE(dialog.memCommands->toPlainText(), QStringLiteral("tell\nwho as"));
    dialog.memCommands->setPlainText(QStringLiteral("finger\n\nzz\n"));
    QCOMPARE(dialog.presets(), (QStringList{"finger", "zz"}));
}

QTEST_MAIN(TfrmListsTest)
#include "TfrmListsTest.moc"
