#include "settings/MainSettingsRecord.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsWriteError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class MainSettingsRecordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void firstRunWritesTheDocumentedDefaults_data();
    void firstRunWritesTheDocumentedDefaults();
    void everyKeyRoundTrips();
    void foreignKeysSurviveASave();
    void chat2DefaultsToTheLoadedChat1();
    void badValuesGiveDefaults();
    void refusedWriteStopsTheSave();

private:
    static MainSettingsRecord changedRecord();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QTemporaryDir m_firstRunDir; // one first-run save, read by every row
};

void MainSettingsRecordTest::initTestCase()
{
    SettingsFile file(m_firstRunDir.filePath("Default.ini"));
    MainSettingsRecord record;
    record.load(file, {"Courier New", 8, 0, 0});
    record.save(file);
}

void MainSettingsRecordTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath("Default.ini");
}

void MainSettingsRecordTest::firstRunWritesTheDocumentedDefaults_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QList<std::array<const char*, 3>> rows{
        {"Quodlin", "HideGameMessages", "0"}, {"Quodlin", "IgnoreThanks", "0"},
        {"Quodlin", "BoardsSeperated", "0"},  {"Quodlin", "Shout", "2"},
        {"Quodlin", "Silence", "15"},         {"Quodlin", "AutoFlag", "1"},
        {"Quodlin", "GameBar", "1"},          {"Quodlin", "ToolBar", "1"},
        {"Quodlin", "BackColor", "-16777201"}, {"Quodlin", "PopupTells", "1"},
        {"Quodlin", "PopupSays", "1"},        {"Quodlin", "IncludeShoutsNew", "1"},
        {"Quodlin", "IncludeChannelTellsNew", "1"}, {"Quodlin", "ChatEcho", "1"},
        {"Quodlin", "Open", "0"},             {"Quodlin", "Silenced", "0"},
        {"Quodlin", "Hello", "Hello."},       {"Quodlin", "GoodGame", "Good game."},
        {"Quodlin", "ManualPromotion", "0"},  {"Quodlin", "Maximized", "1"},
        {"AutoSave", "QLFormat", "0"},        {"AutoSave", "PGNFormat", "0"},
        {"AutoSave", "PGNFile", "Quodlin.pgn"}, {"Sought", "UseGraph", "1"},
        {"Sought", "RatingsMin", "750"},      {"Sought", "RatingsMax", "2250"},
        {"Chat", "StayOnTop", "1"},           {"Chat", "Visible", "0"},
        {"Boards", "StayOnTop", "1"},         {"Board0", "Left", "30"},
        {"Board0", "Bottom", "330"},          {"Board1", "Left", "60"},
        {"Board1", "Top", "60"},              {"Board1", "Right", "510"},
        {"Board1", "Bottom", "360"},          {"Board3", "Right", "570"},
        {"Board", "Perspective", "55"},       {"Board", "MoveSpeed", "10"},
        {"Board", "Board3D0", "1"},           {"Board", "Board3D1", "0"},
        {"Board", "PieceSet0", "0"},          {"Board", "PieceSet1", "1"},
        {"Board", "ShowMoveList0", "1"},      {"Board", "ShowMoveList1", "0"},
        {"Board", "ShowCoordinates", "0"},    {"Board", "ClickMove", "0"},
        {"Board", "Y0", "70"},                {"Board", "Y3", "70"},
        {"Font0", "Name", "Courier New"},     {"Font0", "Size", "8"},
        {"Font0", "Color", "0"},              {"Font0", "Style", "0"},
        {"Font1", "Color", "128"},            {"Font2", "Color", "255"},
        {"Font3", "Color", "8388608"},        {"Font5", "Color", "32768"},
        {"Font7", "Color", "8388736"},        {"Font8", "Style", "4"},
        {"Font8", "Color", "8388608"},        {"Font9", "Style", "1"},
        {"Font12", "Color", "8388736"},       {"Font12", "Size", "8"},
    };
    for (const auto& row : rows)
        QTest::addRow("%s/%s", row[0], row[1]) << row[0] << row[1] << row[2];
}

void MainSettingsRecordTest::firstRunWritesTheDocumentedDefaults()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);

    const SettingsFile file(m_firstRunDir.filePath("Default.ini"));
    QCOMPARE(file.readString(section, key, "<missing>"), value);
}

MainSettingsRecord MainSettingsRecordTest::changedRecord()
{
    MainSettingsRecord r;
    r.hideGameMessages = r.ignoreThanks = r.boardsSeperated = true;
    r.shout = 0;
    r.silence = 5;
    r.autoFlag = r.gameBar = r.toolBar = false;
    r.backColor = 0x123456;
    r.popupTells = r.popupSays = false;
    r.chat1 = {1, 2, 3, 4};
    r.chat2 = {5, 6, 7, 8};
    r.includeShoutsNew = r.includeChannelTellsNew = r.chatEcho = false;
    r.open = r.silenced = true;
    r.hello = "Hi there";
    r.goodGame = "gg";
    r.manualPromotion = true;
    r.maximized = false;
    r.width = 800;
    r.height = 600;
    r.top = -10;
    r.left = 20;
    r.qlFormat = r.pgnFormat = true;
    r.pgnFile = "/tmp/games.pgn";
    r.useGraph = false;
    r.ratingsMin = 1000;
    r.ratingsMax = 2000;
    r.chatStayOnTop = r.boardsStayOnTop = false;
    r.chatVisible = true;
    r.separateBoards = {{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}};
    r.wpColor = 1;
    r.bpColor = 2;
    r.wsColor = 3;
    r.bsColor = 4;
    r.perspective = 0.65f;
    r.moveSpeed = 3;
    r.board3DSingle = false;
    r.board3DMulti = true;
    r.pieceSetSingle = 7;
    r.pieceSetMulti = 8;
    r.showMoveListSingle = false;
    r.showMoveListMulti = true;
    r.showCoordinates = r.clickMove = true;
    r.boardsShare = {0.1f, 0.2f, 0.3f, 0.45f};
    for (int kind = 0; kind < TextKindCount; ++kind)
        r.fonts[kind] = {QStringLiteral("Font %1").arg(kind), 9 + kind, 0x010203 * kind, kind % 16};
    return r;
}

void MainSettingsRecordTest::everyKeyRoundTrips()
{
    SettingsFile file(m_path);
    const MainSettingsRecord written = changedRecord();
    written.save(file);

    MainSettingsRecord read;
    read.load(file, {"Other", 11, 0, 0});
    QVERIFY(read == written);

    // Saving what was read changes nothing in the file.
    QFile before(m_path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray content = before.readAll();
    read.save(file);
    QFile after(m_path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), content);
}

void MainSettingsRecordTest::foreignKeysSurviveASave()
{
    SettingsFile file(m_path);
    file.writeString("Lists", "Label2", "&Sought");
    file.writeString("Quodlin", "SomethingNewer", "x");
    MainSettingsRecord record;
    record.load(file, {"Courier New", 8, 0, 0});
    record.save(file);
    QCOMPARE(file.readString("Lists", "Label2", ""), QStringLiteral("&Sought"));
    QCOMPARE(file.readString("Quodlin", "SomethingNewer", ""), QStringLiteral("x"));
}

void MainSettingsRecordTest::chat2DefaultsToTheLoadedChat1()
{
    SettingsFile file(m_path);
    file.writeInteger("Quodlin", "Chat1Left", 11);
    file.writeInteger("Quodlin", "Chat2Top", 22);
    MainSettingsRecord record;
    record.load(file, {"Courier New", 8, 0, 0});
    QCOMPARE(record.chat1.left, 11);
    QCOMPARE(record.chat2.left, 11);
    QCOMPARE(record.chat2.top, 22);
    QCOMPARE(record.chat2.right, MainSettings::BuiltInChatBounds.right);
}

void MainSettingsRecordTest::badValuesGiveDefaults()
{
    SettingsFile file(m_path);
    file.writeString("Quodlin", "AutoFlag", "true");
    file.writeString("Board", "Perspective", "wide");
    file.writeString("Font4", "Size", "big");
    file.writeString("Quodlin", "Width", "");
    MainSettingsRecord record;
    record.width = 640;
    record.load(file, {"Courier New", 8, 0, 0});
    QCOMPARE(record.autoFlag, true);
    QCOMPARE(record.perspective, 0.55f);
    QCOMPARE(record.fonts[4].size, 8);
    QCOMPARE(record.width, 640);
}

void MainSettingsRecordTest::refusedWriteStopsTheSave()
{
    QVERIFY(QDir().mkpath(m_path)); // a folder where the file should be
    SettingsFile file(m_path);
    QVERIFY_THROWS_EXCEPTION(SettingsWriteError, MainSettingsRecord().save(file));
}

QTEST_GUILESS_MAIN(MainSettingsRecordTest)
#include "MainSettingsRecordTest.moc"
