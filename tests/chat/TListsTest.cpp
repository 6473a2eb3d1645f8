#include "chat/CommandPresets.h"
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

QTEST_GUILESS_MAIN(TListsTest)
#include "TListsTest.moc"
