#include "session/ConnectionList.h"
#include "settings/SettingsFile.h"
#include "session/GuestNamePool.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class ConnectionListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void freshFileGivesTheThreeDefaultEntries();
    void missingKeysOfTheFirstEntriesTakeTheirDefaults();
    void saveAndLoadRoundTrip();
    void savedPasswordsAreScrambled_data();
    void savedPasswordsAreScrambled();
    void scrambledPasswordsAreRead_data();
    void scrambledPasswordsAreRead();
    void plainPasswordMovesToScrambledKey();
    void plainSocksPasswordMovesToScrambledKey();
    void entryCountAndSelectionAreKeptInRange_data();
    void entryCountAndSelectionAreKeptInRange();
    void addStopsAtTwentyEntries();
    void addRefusesAnEmptyTitle_data();
    void addRefusesAnEmptyTitle();
    void removeMovesLaterEntriesDown();
    void removingLeavesKeysBeyondTheCountAlone();
    void removingTheOnlyEntryLeavesAnEmptyList();
    void guestHandleIsTolAndAPoolName();
    void lastUsedChoiceNeedsNoDialog();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Default.ini")); }
    void put(const QByteArray& content) const;
    ConnectionList loaded();

    std::unique_ptr<QTemporaryDir> m_dir;
    QRandomGenerator m_random{42};
};

void ConnectionListTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void ConnectionListTest::put(const QByteArray& content) const
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

ConnectionList ConnectionListTest::loaded()
{
    ConnectionList list(SettingsFile(path()), m_random);
    list.load();
    return list;
}

void ConnectionListTest::freshFileGivesTheThreeDefaultEntries()
{
    const ConnectionList list = loaded();
    QVERIFY(!QFile::exists(path()));
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.lastConnection(), 0);

    const auto& fics = list.entries().at(0);
    const auto& icc = list.entries().at(1);
    const auto& third = list.entries().at(2);
    QCOMPARE(fics.Address, QStringLiteral("freechess.org"));
    QCOMPARE(fics.Port, QStringLiteral("5000"));
    QVERIFY2(QRegularExpression(QStringLiteral("^Guest[A-Y]{2}$")).match(fics.Handle).hasMatch(),
             qPrintable(fics.Handle));
    QCOMPARE(fics.Title, QStringLiteral("Fics"));
    QCOMPARE(fics.Protocol, 0);

    QCOMPARE(icc.Address, QStringLiteral("chessclub.com"));
    bool numeric = false;
    const int iccPort = icc.Port.toInt(&numeric);
    QVERIFY(numeric && iccPort >= 5000 && iccPort <= 5098);
    QCOMPARE(icc.Handle, QStringLiteral("g"));
    QCOMPARE(icc.Title, QStringLiteral("ICC"));
    QCOMPARE(icc.Protocol, 1);

    QVERIFY(!third.Address.isEmpty());
    QVERIFY(third.Address != fics.Address && third.Address != icc.Address);
    QCOMPARE(third.Port, QStringLiteral("5000"));
    QCOMPARE(third.Handle, fics.Handle);
    QCOMPARE(third.Title, QStringLiteral("Eics"));
    QCOMPARE(third.Protocol, 0);

    for (const TConnection& entry : list.entries()) {
        QVERIFY(entry.Timeseal);
        QVERIFY(entry.Password.isEmpty());
    }
    QCOMPARE(list.firewall(), FirewallSettings());
    QCOMPARE(list.firewall().port, QStringLiteral("1080"));
    QCOMPARE(list.firewall().level, QStringLiteral("5"));
}

void ConnectionListTest::missingKeysOfTheFirstEntriesTakeTheirDefaults()
{
    put("[Connections]\r\nNumber=5\r\nHandle1=Bob\r\nTitle4=Home\r\n");
    const ConnectionList list = loaded();
    QCOMPARE(list.count(), 5);
    QCOMPARE(list.entries().at(1).Handle, QStringLiteral("Bob"));
    QCOMPARE(list.entries().at(1).Address, QStringLiteral("chessclub.com"));
    QCOMPARE(list.entries().at(1).Protocol, 1);
    TConnection home;
    home.Title = QStringLiteral("Home");
    QCOMPARE(list.entries().at(3), TConnection());
    QCOMPARE(list.entries().at(4), home);
}

void ConnectionListTest::saveAndLoadRoundTrip()
{
    ConnectionList list = loaded();
    QCOMPARE(list.add(QStringLiteral("Local")), ConnectionList::AddResult::Added);
    const TConnection local{QStringLiteral("127.0.0.1"),
                            QStringLiteral("5555"),
                            QStringLiteral("Bob"),
                            QStringLiteral("p=ss \"word\""),
                            false,
                            QStringLiteral("Local"),
                            0};
    list.setEntry(3, local);
    list.setLastConnection(3);
    FirewallSettings firewall;
    firewall.enabled = true;
    firewall.server = QStringLiteral("proxy.example");
    firewall.port = QStringLiteral("1081");
    firewall.level = QStringLiteral("4A");
    firewall.password = QStringLiteral("sockpw");
    firewall.userCode = QStringLiteral("alice");
    firewall.authenticate = true;
    list.setFirewall(firewall);
    list.save();

    const ConnectionList again = loaded();
    QCOMPARE(again.entries(), list.entries());
    QCOMPARE(again.entries().at(3), local);
    QCOMPARE(again.lastConnection(), 3);
    QCOMPARE(again.firewall(), firewall);

    const SettingsFile file(path());
    QCOMPARE(file.readString("Connections", "Number", QString()), QStringLiteral("4"));
    QCOMPARE(file.readString("Firewall", "SockLevel", QString()), QStringLiteral("4A"));
    QCOMPARE(file.readString("Firewall", "SockEnabled", QString()), QStringLiteral("1"));
    QVERIFY(!file.keyExists("Connections", "Password3"));
    // "sockpw" scrambled; the proxy's password is never stored in clear.
    QCOMPARE(file.readString("Firewall", "SockPwd", QString()), QStringLiteral("06011A121E02"));
    QVERIFY(!file.keyExists("Firewall", "SockPass"));
}

void ConnectionListTest::savedPasswordsAreScrambled_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("stored");
    QTest::newRow("none") << QString() << QString();
    QTest::newRow("one character gives two digits") << "a"
                                                    << "10";
    QTest::newRow("the last character comes first") << "ab"
                                                    << "1310";
    QTest::newRow("a word") << "Secret"
                            << "051403121422";
    QTest::newRow("hexadecimal letters in capitals") << "Zed"
                                                     << "15142B";
}

void ConnectionListTest::savedPasswordsAreScrambled()
{
    QFETCH(QString, password);
    QFETCH(QString, stored);
    ConnectionList list = loaded();
    TConnection entry = list.entries().at(0);
    entry.Password = password;
    list.setEntry(0, entry);
    list.save();
    QCOMPARE(SettingsFile(path()).readString("Connections", "Pwd0", "missing"), stored);
    QCOMPARE(loaded().entries().at(0).Password, password);
}

void ConnectionListTest::scrambledPasswordsAreRead_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("password");
    QTest::newRow("two pairs") << QByteArray("1310") << "ab";
    QTest::newRow("a word") << QByteArray("051403121422") << "Secret";
    QTest::newRow("small hexadecimal letters") << QByteArray("15142b") << "Zed";
    QTest::newRow("odd last digit ignored") << QByteArray("71310") << "ab";
}

void ConnectionListTest::scrambledPasswordsAreRead()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, password);
    put("[Connections]\r\nNumber=1\r\nPwd0=" + stored + "\r\n");
    QCOMPARE(loaded().entries().at(0).Password, password);
}

void ConnectionListTest::plainPasswordMovesToScrambledKey()
{
    put("[Connections]\r\nNumber=2\r\nPassword0=ab\r\nPwd0=0000\r\n");
    const ConnectionList first = loaded();
    QCOMPARE(first.entries().at(0).Password, QStringLiteral("ab"));
    QVERIFY(!first.writeProblem());
    const SettingsFile file(path());
    QCOMPARE(file.readString("Connections", "Pwd0", QString()), QStringLiteral("1310"));
    QCOMPARE(file.readString("Connections", "Password0", "missing"), QString());
    QVERIFY(!file.keyExists("Connections", "Pwd1"));
    QCOMPARE(loaded().entries().at(0).Password, QStringLiteral("ab"));
}

void ConnectionListTest::plainSocksPasswordMovesToScrambledKey()
{
    put("[Firewall]\r\nSockServer=proxy\r\nSockPass=ab\r\nSockAuth=1\r\n");
    const ConnectionList first = loaded();
    QCOMPARE(first.firewall().password, QStringLiteral("ab"));
    QVERIFY(!first.writeProblem());
    const SettingsFile file(path());
    QCOMPARE(file.readString("Firewall", "SockPwd", QString()), QStringLiteral("1310"));
    QCOMPARE(file.readString("Firewall", "SockPass", "missing"), QString());
    QCOMPARE(loaded().firewall().password, QStringLiteral("ab"));
    QCOMPARE(loaded().firewall().server, QStringLiteral("proxy"));
}

void ConnectionListTest::entryCountAndSelectionAreKeptInRange_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("last");
    QTest::newRow("more than twenty") << QByteArray("Number=25\r\nLastConnection=22") << 20 << 19;
    QTest::newRow("negative") << QByteArray("Number=-3\r\nLastConnection=0") << 0 << -1;
    QTest::newRow("not a number") << QByteArray("Number=many\r\nLastConnection=x") << 3 << 0;
    QTest::newRow("selection below zero") << QByteArray("Number=2\r\nLastConnection=-4") << 2 << 0;
    QTest::newRow("selection kept") << QByteArray("Number=3\r\nLastConnection=2") << 3 << 2;
}

void ConnectionListTest::entryCountAndSelectionAreKeptInRange()
{
    QFETCH(QByteArray, content);
    QFETCH(int, count);
    QFETCH(int, last);
    put("[Connections]\r\n" + content + "\r\n");
    const ConnectionList list = loaded();
    QCOMPARE(list.count(), count);
    QCOMPARE(list.lastConnection(), last);
}

void ConnectionListTest::addStopsAtTwentyEntries()
{
    ConnectionList list = loaded();
    for (int i = list.count(); i < ConnectionList::MaxEntries; ++i)
        QCOMPARE(list.add(QStringLiteral("Server %1").arg(i)), ConnectionList::AddResult::Added);
    QCOMPARE(list.count(), 20);
    QCOMPARE(list.add(QStringLiteral("One more")), ConnectionList::AddResult::TooMany);
    QCOMPARE(list.count(), 20);
    const TConnection added = list.entries().at(19);
    QCOMPARE(added.Title, QStringLiteral("Server 19"));
    QVERIFY(added.Address.isEmpty() && added.Port.isEmpty() && added.Handle.isEmpty());
    QVERIFY(!added.Timeseal);
    QCOMPARE(added.Protocol, 0);

    list.save();
    QCOMPARE(loaded().entries(), list.entries());
}

void ConnectionListTest::addRefusesAnEmptyTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
}

void ConnectionListTest::addRefusesAnEmptyTitle()
{
    QFETCH(QString, title);
    ConnectionList list = loaded();
    QCOMPARE(list.add(title), ConnectionList::AddResult::EmptyTitle);
    QCOMPARE(list.count(), 3);
}

void ConnectionListTest::removeMovesLaterEntriesDown()
{
    ConnectionList list = loaded();
    const auto before = list.entries();
    list.setLastConnection(1);
    list.remove(1);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.entries().at(0), before.at(0));
    QCOMPARE(list.entries().at(1), before.at(2));
    QCOMPARE(list.lastConnection(), 1);
    list.remove(1);
    QCOMPARE(list.lastConnection(), 0);
    list.remove(7);
    QCOMPARE(list.count(), 1);
}

void ConnectionListTest::removingLeavesKeysBeyondTheCountAlone()
{
    ConnectionList list = loaded();
    list.save();
    list.remove(0);
    list.save();
    const SettingsFile file(path());
    QCOMPARE(file.readInteger("Connections", "Number", -1), 2);
    QCOMPARE(file.readString("Connections", "Title0", QString()), QStringLiteral("ICC"));
    QCOMPARE(file.readString("Connections", "Title1", QString()), QStringLiteral("Eics"));
    QCOMPARE(file.readString("Connections", "Title2", QString()), QStringLiteral("Eics"));
}

void ConnectionListTest::removingTheOnlyEntryLeavesAnEmptyList()
{
    put("[Connections]\r\nNumber=1\r\n");
    ConnectionList list = loaded();
    list.remove(0);
    QCOMPARE(list.lastConnection(), -1);
    list.save();
    const ConnectionList again = loaded();
    QCOMPARE(again.count(), 0);
    QCOMPARE(again.lastConnection(), -1);
    QCOMPARE(SettingsFile(path()).readInteger("Connections", "LastConnection", -1), 0);
}

void ConnectionListTest::guestHandleIsTolAndAPoolName()
{
    QStringList pool;
    for (const char* name : GuestNamePool::names())
        pool.append(QString::fromLatin1(name));
    for (int draw = 0; draw < 20; ++draw) {
        const QString handle = ConnectionList::guestHandle(m_random);
        QVERIFY2(handle.startsWith(QStringLiteral("Tol")), qPrintable(handle));
        QVERIFY2(pool.contains(handle.mid(3)), qPrintable(handle));
    }
}

void ConnectionListTest::lastUsedChoiceNeedsNoDialog()
{
    put("[Connections]\r\nNumber=2\r\nLastConnection=1\r\nHandle1=Bob\r\nPwd1=1310\r\n"
        "[Firewall]\r\nSockEnabled=1\r\nSockServer=proxy.example\r\n");
    const std::optional<ConnectionChoice> choice = loaded().lastUsedChoice();
    QVERIFY(choice);
    QCOMPARE(choice->connection.Title, QStringLiteral("ICC"));
    QCOMPARE(choice->connection.Handle, QStringLiteral("Bob"));
    QCOMPARE(choice->connection.Password, QStringLiteral("ab"));
    QVERIFY(choice->firewall.enabled);
    QCOMPARE(choice->firewall.server, QStringLiteral("proxy.example"));

    put("[Connections]\r\nNumber=0\r\n");
    QVERIFY(!loaded().lastUsedChoice());
}

QTEST_GUILESS_MAIN(ConnectionListTest)
#include "ConnectionListTest.moc"
