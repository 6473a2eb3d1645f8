#include "settings/PasswordScramble.h"
#include "settings/ProfileList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ProfileListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void scrambles_data();
    void scrambles();
    void unscrambleIgnoresAnOddLeadingDigit();
    void noFileGivesDefault();
    void loadsSortedNamesAndTheLastChoice();
    void passwordPaths_data();
    void passwordPaths();
    void addAndRemove();
    void saveKeepsOldNamesAboveTheCount();

private:
    SettingsFile shared() const { return SettingsFile(m_dir->filePath("Tolvaris.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void ProfileListTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void ProfileListTest::scrambles_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("scrambled");

    QTest::newRow("one letter") << "a" << "10";                // 'a' 0x61 ^ 0x71
    QTest::newRow("two letters, last first") << "ab" << "1310"; // 'b' 0x62 ^ 0x71 = 0x13
    QTest::newRow("upper-case hex digits") << "z" << "0B"; // 0x7A ^ 0x71
    QTest::newRow("empty") << "" << "";
}

void ProfileListTest::scrambles()
{
    QFETCH(QString, password);
    QFETCH(QString, scrambled);
    QCOMPARE(ScramblePassword(password), scrambled);
    QCOMPARE(UnscramblePassword(scrambled), password);
}

void ProfileListTest::unscrambleIgnoresAnOddLeadingDigit()
{
    QCOMPARE(UnscramblePassword("71310"), QStringLiteral("ab"));
    const QString mixed = QStringLiteral("Pa55 w\u00f6rd");
    QCOMPARE(UnscramblePassword(ScramblePassword(mixed)), mixed);
}

void ProfileListTest::noFileGivesDefault()
{
    ProfileList profiles(shared());
    profiles.load();
    QCOMPARE(profiles.names(), QStringList{"Default"});
    QCOMPARE(profiles.selected(), QStringLiteral("Default"));
    QVERIFY(!profiles.doNotShow());
    profiles.save();
    const SettingsFile file = shared();
    QCOMPARE(file.readString("Profiles", "Count", ""), QStringLiteral("1"));
    QCOMPARE(file.readString("Profiles", "Name1", ""), QStringLiteral("Default"));
    QCOMPARE(file.readString("Profiles", "Last", ""), QStringLiteral("Default"));
    QCOMPARE(file.readString("Profiles", "DoNotShow", ""), QStringLiteral("0"));
}

void ProfileListTest::loadsSortedNamesAndTheLastChoice()
{
    SettingsFile file = shared();
    file.writeString("Profiles", "Count", "4");
    file.writeString("Profiles", "Name1", "zed");
    file.writeString("Profiles", "Name2", "");
    file.writeString("Profiles", "Name3", "Anna");
    file.writeString("Profiles", "Name4", "bob");
    file.writeString("Profiles", "Name5", "beyond the count");
    file.writeString("Profiles", "Last", "bob");
    file.writeString("Profiles", "DoNotShow", "1");
    ProfileList profiles(file);
    profiles.load();
    QCOMPARE(profiles.names(), (QStringList{"Anna", "bob", "zed"}));
    QCOMPARE(profiles.selected(), QStringLiteral("bob"));
    QVERIFY(profiles.doNotShow());

    file.writeString("Profiles", "Last", "gone");
    profiles.load();
    QCOMPARE(profiles.selected(), QStringLiteral("Anna"));
}

void ProfileListTest::passwordPaths_data()
{
    QTest::addColumn<QString>("stored"); // scrambled, as in the file
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("no password, empty typed: nothing written") << "" << "" << true << "";
    QTest::newRow("no password, typed becomes it")
        << "" << "ab" << true << ScramblePassword("ab");
    QTest::newRow("right password") << ScramblePassword("ab") << "ab" << true
                                    << ScramblePassword("ab");
    QTest::newRow("wrong case") << ScramblePassword("ab") << "AB" << false
                                << ScramblePassword("ab");
    QTest::newRow("empty typed for a protected profile")
        << ScramblePassword("ab") << "" << false << ScramblePassword("ab");
}

void ProfileListTest::passwordPaths()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, storedAfter);

    SettingsFile file = shared();
    if (!stored.isEmpty())
        file.writeString("Profiles", "Default", stored);
    ProfileList profiles(file);
    profiles.load();
    QCOMPARE(profiles.checkPassword(typed) == ProfileList::PasswordResult::Accepted, accepted);
    QCOMPARE(file.readString("Profiles", "Default", ""), storedAfter);
    QCOMPARE(file.keyExists("Profiles", "Default"), !storedAfter.isEmpty());
}

void ProfileListTest::addAndRemove()
{
    ProfileList profiles(shared());
    profiles.load();
    QVERIFY(!profiles.removeSelected()); // the last profile stays
    QCOMPARE(profiles.add(""), ProfileList::AddResult::Ignored);
    QCOMPARE(profiles.add("DEFAULT"), ProfileList::AddResult::AlreadyExists);
    QCOMPARE(profiles.add("Casual"), ProfileList::AddResult::Added);
    QCOMPARE(profiles.names(), (QStringList{"Casual", "Default"}));
    QCOMPARE(profiles.selected(), QStringLiteral("Casual"));
    profiles.select("Default");
    QVERIFY(profiles.removeSelected());
    QCOMPARE(profiles.names(), QStringList{"Casual"});
    QCOMPARE(profiles.selected(), QStringLiteral("Casual"));
}

void ProfileListTest::saveKeepsOldNamesAboveTheCount()
{
    SettingsFile file = shared();
    file.writeString("Profiles", "Count", "2");
    file.writeString("Profiles", "Name1", "a");
    file.writeString("Profiles", "Name2", "b");
    ProfileList profiles(file);
    profiles.load();
    profiles.select("b");
    profiles.removeSelected();
    profiles.save();
    QCOMPARE(file.readString("Profiles", "Count", ""), QStringLiteral("1"));
    QCOMPARE(file.readString("Profiles", "Name1", ""), QStringLiteral("a"));
    QCOMPARE(file.readString("Profiles", "Name2", ""), QStringLiteral("b"));
    profiles.load();
    QCOMPARE(profiles.names(), QStringList{"a"});
}

QTEST_GUILESS_MAIN(ProfileListTest)
#include "ProfileListTest.moc"
