#include "settings/MainSettingsKeys.h"
#include "settings/SettingsBatch.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsWriteError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class SettingsFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readingAMissingFileGivesDefaultsAndCreatesNothing();
    void firstWriteCreatesTheFileWithCrLf();
    void everyAccessSeesTheFileAsItIsNow();
    void typedKeysUseTheirDefaults();
    void refusedWriteThrowsWithThePath();
    void readValueOrSeed_data();
    void readValueOrSeed();
    void writeValueNowReachesTheFile();
    void sectionsRoundTrip();
    void storingAnEmptySectionErasesIt();
    void keyExistsIgnoresCase();
    void filePaths();
    void batchWritesTheFileOnceAtItsEnd();
    void writeThatChangesNothingLeavesTheFileAlone();
    void refusedBatchThrowsWithThePathAndKeepsNothing();

private:
    QString pathOf(const QString& name) const { return m_dir->filePath(name); }
    QByteArray contentOf(const QString& name) const;
    void put(const QString& name, const QByteArray& content) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void SettingsFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray SettingsFileTest::contentOf(const QString& name) const
{
    QFile file(pathOf(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SettingsFileTest::put(const QString& name, const QByteArray& content) const
{
    QFile file(pathOf(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void SettingsFileTest::readingAMissingFileGivesDefaultsAndCreatesNothing()
{
    const SettingsFile settings(pathOf("Default.ini"));
    QCOMPARE(settings.readString("S", "k", "dflt"), QStringLiteral("dflt"));
    QCOMPARE(settings.readInteger("S", "k", 7), 7);
    QVERIFY(!settings.keyExists("S", "k"));
    QVERIFY(settings.readSectionLines("S").isEmpty());
    QVERIFY(!QFile::exists(pathOf("Default.ini")));
}

void SettingsFileTest::firstWriteCreatesTheFileWithCrLf()
{
    SettingsFile settings(pathOf("Default.ini"));
    settings.writeBool("Quodlin", "AutoFlag", false);
    settings.writeInteger("Quodlin", "BackColor", -16777201);
    settings.writeString("AutoSave", "PGNFile", "games.pgn");
    QCOMPARE(contentOf("Default.ini"), QByteArray("[Quodlin]\r\nAutoFlag=0\r\nBackColor=-16777201"
                                                  "\r\n[AutoSave]\r\nPGNFile=games.pgn\r\n"));
}

void SettingsFileTest::everyAccessSeesTheFileAsItIsNow()
{
    SettingsFile settings(pathOf("Default.ini"));
    settings.writeString("S", "a", "1");
    put("Default.ini", "[S]\r\na=2\r\nb=3\r\n");
    QCOMPARE(settings.readString("S", "a", ""), QStringLiteral("2"));
    settings.writeString("S", "c", "4");
    QCOMPARE(contentOf("Default.ini"), QByteArray("[S]\r\na=2\r\nb=3\r\nc=4\r\n"));
}

void SettingsFileTest::typedKeysUseTheirDefaults()
{
    put("Default.ini", "[Quodlin]\r\nAutoFlag=true\r\nShout=$1\r\n[Board]\r\nPerspective=55\r\n");
    SettingsFile settings(pathOf("Default.ini"));
    QCOMPARE(settings.read(MainSettings::AutoFlag), true); // "true" is no number
    QCOMPARE(settings.read(MainSettings::Shout), 1);
    QCOMPARE(settings.read(MainSettings::Silence), 15);
    QCOMPARE(settings.read(MainSettings::Perspective), 0.55f);
    QCOMPARE(settings.read(MainSettings::BoardsShare[2]), 0.7f);
    QCOMPARE(settings.read(MainSettings::PGNFile), QStringLiteral("Quodlin.pgn"));

    settings.write(MainSettings::Perspective, 0.65f);
    QCOMPARE(settings.readString("board", "perspective", ""), QStringLiteral("65"));
}

void SettingsFileTest::refusedWriteThrowsWithThePath()
{
    // A regular file where the folder should be: refused even for root.
    put("plain", "x");
    const QString path = pathOf("plain/Default.ini");
    SettingsFile settings(path);
    try {
        settings.writeString("S", "k", "v");
        QFAIL("the write was not refused");
    } catch (const SettingsWriteError& error) {
        QCOMPARE(error.path(), path);
        QCOMPARE(error.userMessage(), QStringLiteral("Unable to write to ") + path);
    }
    QVERIFY_THROWS_EXCEPTION(SettingsWriteError, StoreSection(settings, "S", {"a=1"}));
}

void SettingsFileTest::readValueOrSeed_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("seed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("contentAfter");

    QTest::newRow("existing key, no write")
        << QByteArray("[S]\r\nk= \"x\" \r\n") << true << "x" << QByteArray("[S]\r\nk= \"x\" \r\n");
    QTest::newRow("existing empty key is not seeded")
        << QByteArray("[S]\r\nk=\r\n") << true << "" << QByteArray("[S]\r\nk=\r\n");
    QTest::newRow("missing key seeded") << QByteArray("[S]\r\n") << true << "dflt"
                                        << QByteArray("[S]\r\nK=dflt\r\n");
    QTest::newRow("missing key not seeded")
        << QByteArray("[S]\r\n") << false << "dflt" << QByteArray("[S]\r\n");
}

void SettingsFileTest::readValueOrSeed()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, seed);
    QFETCH(QString, expected);
    QFETCH(QByteArray, contentAfter);

    put("Default.ini", content);
    SettingsFile settings(pathOf("Default.ini"));
    QCOMPARE(ReadValueOrSeed(settings, "s", "K", seed, "dflt"), expected);
    QCOMPARE(contentOf("Default.ini"), contentAfter);
}

void SettingsFileTest::writeValueNowReachesTheFile()
{
    SettingsFile settings(pathOf("Default.ini"));
    QVERIFY(WriteValueNow(settings, "S", "k", "v"));
    QCOMPARE(SettingsFile(pathOf("Default.ini")).readString("S", "k", ""), QStringLiteral("v"));
}

void SettingsFileTest::sectionsRoundTrip()
{
    put("Default.ini", "[Lists]\r\nold=1\r\n[Other]\r\nkeep=1\r\n");
    SettingsFile settings(pathOf("Default.ini"));
    const QStringList stored{"zeta=1", "alpha=a=b", "bare", "empty="};
    QVERIFY(StoreSection(settings, "Lists", stored));

    QStringList loaded{"stale"};
    QVERIFY(LoadSection(settings, "lists", loaded));
    QCOMPARE(loaded, (QStringList{"zeta=1", "alpha=a=b", "bare=", "empty="}));
    QCOMPARE(settings.readString("Other", "keep", ""), QStringLiteral("1"));
    QVERIFY(!settings.keyExists("Lists", "old"));
}

void SettingsFileTest::storingAnEmptySectionErasesIt()
{
    put("Default.ini", "[Lists]\r\nold=1\r\n[Other]\r\nkeep=1\r\n");
    SettingsFile settings(pathOf("Default.ini"));
    QVERIFY(StoreSection(settings, "LISTS", {}));
    QCOMPARE(contentOf("Default.ini"), QByteArray("[Other]\r\nkeep=1\r\n"));

    SettingsFile absent(pathOf("Absent.ini"));
    QVERIFY(StoreSection(absent, "Lists", {}));
    QVERIFY(!QFile::exists(pathOf("Absent.ini")));
}

void SettingsFileTest::keyExistsIgnoresCase()
{
    put("Default.ini", "[Chat]\r\nVisible=1\r\n");
    const SettingsFile settings(pathOf("Default.ini"));
    QVERIFY(settings.keyExists("CHAT", "visible"));
    QVERIFY(!settings.keyExists("Chat", "StayOnTop"));
    QCOMPARE(settings.sectionKeys("chat"), QStringList{"Visible"});
}

void SettingsFileTest::filePaths()
{
    QCOMPARE(SharedSettingsFile("/opt/tolvaris/").path(), QStringLiteral("/opt/tolvaris/Tolvaris.ini"));
    QCOMPARE(SharedSettingsFile("").path(), QStringLiteral("Tolvaris.ini"));
    QCOMPARE(ProfileSettingsFile("/p/", "My Name").path(), QStringLiteral("/p/My Name.ini"));
    const MainSettings::Bounds second = MainSettings::separateBoardDefault(1);
    QCOMPARE(MainSettings::separateBoardSection(1), QStringLiteral("Board1"));
    QCOMPARE((QList<int>{second.left, second.top, second.right, second.bottom}),
             (QList<int>{60, 60, 510, 360}));
    QCOMPARE(MainSettings::kindFontSection(TextKind::Notifications), QStringLiteral("Font12"));
}

void SettingsFileTest::batchWritesTheFileOnceAtItsEnd()
{
    const QByteArray before = "[S]\r\nold=1\r\n";
    put("Default.ini", before);
    SettingsFile settings(pathOf("Default.ini"));
    {
        SettingsBatch outer(settings);
        settings.writeString("S", "a", "1");
        SettingsFile sameFile(pathOf("Default.ini"));
        {
            SettingsBatch inner(sameFile);
            sameFile.writeInteger("T", "b", 2);
            inner.commit();
        }
        settings.writeBool("S", "old", false);
        // Nothing has reached the disk, yet every copy of the file reads the changes.
        QCOMPARE(contentOf("Default.ini"), before);
        QCOMPARE(sameFile.readString("S", "a", QString()), QStringLiteral("1"));
        QCOMPARE(SettingsFile(pathOf("Default.ini")).readInteger("T", "b", 0), 2);
        outer.commit();
    }
    QCOMPARE(contentOf("Default.ini"), QByteArray("[S]\r\nold=0\r\na=1\r\n[T]\r\nb=2\r\n"));
}

void SettingsFileTest::writeThatChangesNothingLeavesTheFileAlone()
{
    put("Default.ini", "[S]\r\nk=5\r\n");
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(pathOf("Default.ini")).constData(), &before), 0);
    SettingsFile settings(pathOf("Default.ini"));
    settings.writeInteger("S", "k", 5);
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(pathOf("Default.ini")).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);

    settings.writeInteger("S", "k", 6);
    QCOMPARE(contentOf("Default.ini"), QByteArray("[S]\r\nk=6\r\n"));
}

void SettingsFileTest::refusedBatchThrowsWithThePathAndKeepsNothing()
{
    // A folder where the file belongs refuses every write, whoever runs the test.
    QVERIFY(QDir(m_dir->path()).mkdir("Default.ini"));
    SettingsFile settings(pathOf("Default.ini"));
    SettingsBatch batch(settings);
    settings.writeString("S", "k", "v");
    try {
        batch.commit();
        QFAIL("the refused write was not reported");
    } catch (const SettingsWriteError& error) {
        QCOMPARE(error.path(), pathOf("Default.ini"));
    }
    // What the refused batch held is gone: the program reads what the disk holds.
    QCOMPARE(settings.readString("S", "k", "dflt"), QStringLiteral("dflt"));
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
