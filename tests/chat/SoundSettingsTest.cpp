#include "chat/SoundSettings.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Kind = SoundSettings::Choice::Kind;

class SoundSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosesWhatToPlay_data();
    void choosesWhatToPlay();
    void eventsAreFoundByName();
    void storedSettingsComeBack();
    void missingFileFallsBackToTheBuiltInSound();
};

void SoundSettingsTest::choosesWhatToPlay_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("noSoundCard");
    QTest::addColumn<bool>("testing");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");

    const int wave = int(SoundSettings::Type::Wave);
    const int beep = int(SoundSettings::Type::Beep);
    QTest::newRow("wave plays its file") << wave << false << false << int(Kind::File)
                                         << "tell.wav";
    QTest::newRow("beep plays the click") << beep << false << false << int(Kind::File)
                                          << "Click2.wav";
    QTest::newRow("no sound card beeps for a wave") << wave << true << false
                                                    << int(Kind::SystemBeep) << "";
    QTest::newRow("no sound card beeps for a beep") << beep << true << false
                                                    << int(Kind::SystemBeep) << "";
    QTest::newRow("test ignores the no sound card switch") << wave << true << true
                                                           << int(Kind::File) << "tell.wav";
    QTest::newRow("none is silent") << int(SoundSettings::Type::None) << false << false
                                    << int(Kind::Nothing) << "";
}

void SoundSettingsTest::choosesWhatToPlay()
{
    QFETCH(int, type);
    QFETCH(bool, noSoundCard);
    QFETCH(bool, testing);
    QFETCH(int, kind);
    QFETCH(QString, file);

    SoundSettings settings;
    const int tells = SoundSettings::indexOf(QStringLiteral("Tells"));
    settings.sounds[std::size_t(tells)].type = SoundSettings::Type(type);
    settings.noSoundCard = noSoundCard;
    const SoundSettings::Choice choice = settings.choose(tells, testing);
    QCOMPARE(int(choice.kind), kind);
    QCOMPARE(choice.file, file);
}

void SoundSettingsTest::eventsAreFoundByName()
{
    QCOMPARE(SoundSettings::indexOf(QStringLiteral("Challenge")), 0);
    QCOMPARE(SoundSettings::indexOf(QStringLiteral("Tells")), 13);
    QCOMPARE(SoundSettings::indexOf(QStringLiteral("Thanks")), -1);
}

void SoundSettingsTest::storedSettingsComeBack()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Default.ini"));
    SoundSettings settings;
    settings.sounds[3] = {SoundSettings::Type::Beep, QStringLiteral("/home/me/draw.wav")};
    settings.firstOnly = true;
    settings.store(file);
    file.writeString("Sound5", "Type", "7");
    SoundSettings back;
    back.load(file);
    QCOMPARE(back.sounds[3].type, SoundSettings::Type::Beep);
    QCOMPARE(back.sounds[3].file, QStringLiteral("/home/me/draw.wav"));
    QCOMPARE(back.sounds[5].type, SoundSettings::Type::Wave);
    QVERIFY(back.firstOnly);
    QVERIFY(!back.noSoundCard);
}

void SoundSettingsTest::missingFileFallsBackToTheBuiltInSound()
{
    QTemporaryDir dir;
    const SoundSettings::Choice choice = SoundSettings().choose(0);
    bool fellBack = false;
    QCOMPARE(SoundSettings::playablePath(choice, dir.path(), &fellBack),
             QStringLiteral(":/sounds/challeng.wav"));
    QVERIFY(fellBack);

    QFile own(dir.filePath("challeng.wav"));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.write("RIFF");
    own.close();
    QCOMPARE(SoundSettings::playablePath(choice, dir.path(), &fellBack),
             QFileInfo(own).absoluteFilePath());
    QVERIFY(!fellBack);
}

QTEST_GUILESS_MAIN(SoundSettingsTest)
#include "SoundSettingsTest.moc"
