#include "chat/CommandPresets.h"
#include "chat/RefreshCountdown.h"
#include "chat/TLists.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TListsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRunLists();
    void listsBeyondTheTableTakeItsLastRow();
    void storeAndLoadAgain();
    void presetsFile();
    void updateOutsideTheTableMeansNever_data();
    void updateOutsideTheTableMeansNever();
    void wildListCountIsCut();
    void refreshIntervals_data();
    void refreshIntervals();
    void dialogEditsKeepTheFixedTabs();
    void countdownRequestsAfterTheInterval();
};

void TListsTest::firstRunLists()
{
    QTemporaryDir dir;
    TLists lists;
    lists.Load(SettingsFile(dir.filePath("Default.ini")));
    QCOMPARE(lists.count(), 14);
    QCOMPARE(lists.at(3).label, QStringLiteral("&Who"));
    QCOMPARE(lists.at(3).command, QStringLiteral("Who as"));
    QCOMPARE(lists.at(3).update, 2);
    QCOMPARE(lists.y(0), 0.4f);
    QCOMPARE(lists.y(1), 0.7f);
    QCOMPARE(lists.y(13), 0.4f);
}

void TListsTest::listsBeyondTheTableTakeItsLastRow()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    file.writeInteger("Lists", "ListCount", 14);
    TLists lists;
    lists.Load(file);
    QCOMPARE(lists.count(), 16);
    QCOMPARE(lists.at(15).label, QStringLiteral("ZNotify"));
    QCOMPARE(lists.at(15).update, 3);
}

void TListsTest::storeAndLoadAgain()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    TLists lists;
    lists.setY(5, 0.264f);
    lists.Store(file);
    QCOMPARE(file.readString("Lists", "Label5", ""), QStringLiteral("Notify"));
    QCOMPARE(file.readString("Lists", "Command5", ""), QStringLiteral("=Notify"));
    QCOMPARE(file.readString("Lists", "Y5", ""), QStringLiteral("26"));
    QCOMPARE(file.readString("Lists", "ListCount", ""), QStringLiteral("12"));

    file.writeString("Lists", "Label5", "My list");
    TLists loaded;
    loaded.Load(file);
    QCOMPARE(loaded.at(5).label, QStringLiteral("My list"));
    QCOMPARE(loaded.y(5), 0.26f);
}

void TListsTest::presetsFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Commands.txt");
    QStringList entries{"kept"};
    QCOMPARE(CommandPresets::read(path, entries), CommandPresets::ReadResult::Missing);
    QCOMPARE(entries, QStringList{"kept"});

    QVERIFY(CommandPresets::write(path, {"tell", "who as"}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("tell\r\nwho as\r\n"));
    QCOMPARE(CommandPresets::read(path, entries), CommandPresets::ReadResult::Read);
    QCOMPARE(entries, (QStringList{"tell", "who as"}));

    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QCOMPARE(CommandPresets::read(dir.filePath("folder"), entries),
             CommandPresets::ReadResult::Failed);
    QVERIFY(!CommandPresets::write(dir.filePath("folder"), {"x"}));
}

void TListsTest::updateOutsideTheTableMeansNever_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("update");
    QTest::newRow("in the table") << 3 << 3;
    QTest::newRow("above the table") << 4 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TListsTest::updateOutsideTheTableMeansNever()
{
    QFETCH(int, stored);
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    file.writeInteger("Lists", "Update2", stored);
    TLists lists;
    lists.Load(file);
    QTEST(lists.at(2).update, "update");
}

void TListsTest::wildListCountIsCut()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    file.writeInteger("Lists", "ListCount", 2000000000);
    TLists lists;
    lists.Load(file);
    QCOMPARE(lists.count(), TLists::MaxListCount + TLists::FirstListTab);
    file.writeInteger("Lists", "ListCount", -5);
    lists.Load(file);
    QCOMPARE(lists.count(), 2);
}

void TListsTest::refreshIntervals_data()
{
    QTest::addColumn<int>("update");
    QTest::addColumn<int>("fics");
    QTest::addColumn<int>("icc");
    QTest::newRow("never") << 0 << -1 << -1;
    QTest::newRow("fastest") << 1 << 15 << 1;
    QTest::newRow("middle") << 2 << 30 << 5;
    QTest::newRow("slowest") << 3 << 60 << 15;
    QTest::newRow("outside the table") << 7 << -1 << -1;
}

void TListsTest::refreshIntervals()
{
    QFETCH(int, update);
    QTEST(TLists::refreshSeconds(update, ServerProtocol::Fics), "fics");
    QTEST(TLists::refreshSeconds(update, ServerProtocol::Icc), "icc");
}

void TListsTest::dialogEditsKeepTheFixedTabs()
{
    TLists lists;
    lists.setLabel(0, "changed");
    lists.remove(1);
    QCOMPARE(lists.at(0).label, QStringLiteral("&Terminal"));
    QCOMPARE(lists.count(), 14);
    QCOMPARE(lists.moveDown(0), 0);
    QCOMPARE(lists.moveDown(1), 1);
    QCOMPARE(lists.moveUp(2), 2);
    QCOMPARE(lists.moveDown(13), 13);
    QCOMPARE(lists.moveUp(3), 2);
    QCOMPARE(lists.at(2).label, QStringLiteral("&Who"));
    const int added = lists.add();
    QCOMPARE(added, 14);
    QCOMPARE(lists.at(added).label, QStringLiteral("New"));
    QCOMPARE(lists.at(added).update, 0);
    lists.setUpdate(added, 9);
    QCOMPARE(lists.at(added).update, 0);
    lists.remove(added);
    QCOMPARE(lists.count(), 14);
}

void TListsTest::countdownRequestsAfterTheInterval()
{
    RefreshCountdown countdown;
    QVERIFY(!countdown.tick());
    countdown.arm(TLists::refreshSeconds(1, ServerProtocol::Fics));
    int ticks = 1;
    while (!countdown.tick())
        ++ticks;
    QCOMPARE(ticks, 16); // output arrived, then 15 seconds
    QVERIFY(!countdown.isRunning());
    countdown.arm(-1);
    QVERIFY(!countdown.isRunning());
}

QTEST_GUILESS_MAIN(TListsTest)
#include "TListsTest.moc"
