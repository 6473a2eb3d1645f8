#include "chat/ui/SoundPlayer.h"
#include "chat/SoundSettings.h"

#include "support/ui/PulseNullSink.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Patience = 20000;

} // namespace

// The sounds as a person hears them: played through a real PulseAudio server
// whose null sink is recorded back.
class SoundPlayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyEventHasItsBuiltInSound();
    void eachEventIsHeard_data();
    void eachEventIsHeard();
    void ownFileIsPlayedFromDisk();
    void missingFileIsNotedOnce();
    void noneStaysSilent();
    void aBurstPlaysItsLastSound_data();
    void aBurstPlaysItsLastSound();

private:
    PulseNullSink m_sink;
    QTemporaryDir m_programDirectory;
};

void SoundPlayerTest::initTestCase()
{
    QString error;
    QVERIFY2(m_sink.start(&error), qPrintable(error));
}

void SoundPlayerTest::everyEventHasItsBuiltInSound()
{
    for (int i = 0; i < SoundSettings::EventCount; ++i) {
        const SoundSettings::Choice choice = SoundSettings().choose(i);
        QVERIFY2(QFile::exists(choice.builtIn), qPrintable(choice.builtIn));
    }
    QVERIFY(QFile::exists(QStringLiteral(":/sounds/Click2.wav")));
}

void SoundPlayerTest::eachEventIsHeard_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < SoundSettings::EventCount; ++i)
        QTest::newRow(SoundSettings::Events[std::size_t(i)].name) << i;
}

void SoundPlayerTest::eachEventIsHeard()
{
    QFETCH(int, index);

    SoundSettings settings;
    SoundPlayer player(settings, m_programDirectory.path());
    QSignalSpy started(&player, &SoundPlayer::started);
    QString error;
    QVERIFY2(m_sink.listen(&error), qPrintable(error));
    player.play(index);
    QCOMPARE(started.size(), 1);
    QVERIFY(m_sink.heardSound(Patience));
}

void SoundPlayerTest::ownFileIsPlayedFromDisk()
{
    QTemporaryDir elsewhere;
    const QString own = elsewhere.filePath("mine.wav");
    QVERIFY(QFile::copy(QStringLiteral(":/sounds/arrival.wav"), own));
    SoundSettings settings;
    settings.sounds[13].file = own;
    SoundPlayer player(settings, m_programDirectory.path());
    QString error;
    QVERIFY2(m_sink.listen(&error), qPrintable(error));
    player.playSound(QStringLiteral("Tells"));
    QTRY_COMPARE(player.lastPlayed(), own);
    QVERIFY(m_sink.heardSound(Patience));
}

void SoundPlayerTest::missingFileIsNotedOnce()
{
    SoundSettings settings;
    settings.sounds[3].file = QStringLiteral("gone.wav");
    SoundPlayer player(settings, m_programDirectory.path());
    QStringList notes;
    player.setLog([&notes](const QString& note) { notes.append(note); });
    QSignalSpy started(&player, &SoundPlayer::started);
    player.playSound(QStringLiteral("Draw Request"));
    QTRY_COMPARE(started.size(), 1);
    player.playSound(QStringLiteral("Draw Request"));
    QTRY_COMPARE(started.size(), 2);
    QCOMPARE(player.lastPlayed(), QStringLiteral(":/sounds/draw.wav"));
    QCOMPARE(notes,
             QStringList{"Sound file gone.wav not found; the built-in sound plays instead."});
}

void SoundPlayerTest::noneStaysSilent()
{
    SoundSettings settings;
    settings.sounds[8].type = SoundSettings::Type::None;
    SoundPlayer player(settings, m_programDirectory.path());
    QSignalSpy started(&player, &SoundPlayer::started);
    player.playSound(QStringLiteral("Moved"));
    player.playSound(QStringLiteral("no such event"));
    QCoreApplication::processEvents();
    QCOMPARE(started.size(), 0);
}

// Events announced by one read of server text: the last that makes a sound
// plays, once.
void SoundPlayerTest::aBurstPlaysItsLastSound_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("played");
    QTest::newRow("moves") << QStringList{"Moved", "Moved", "Moved"}
                           << QStringLiteral(":/sounds/moved.wav");
    QTest::newRow("moves and a check")
        << QStringList{"Moved", "Moved", "Check"} << QStringLiteral(":/sounds/check.wav");
    QTest::newRow("a silent event last")
        << QStringList{"Tells", "Moved", "Game Start"} << QStringLiteral(":/sounds/moved.wav");
}

void SoundPlayerTest::aBurstPlaysItsLastSound()
{
    QFETCH(QStringList, events);
    QFETCH(QString, played);

    SoundSettings settings;
    settings.sounds[std::size_t(SoundSettings::indexOf(QStringLiteral("Game Start")))].type =
        SoundSettings::Type::None;
    SoundPlayer player(settings, m_programDirectory.path());
    QSignalSpy started(&player, &SoundPlayer::started);
    for (const QString& event : events)
        player.playSound(event);
    QCOMPARE(started.size(), 0);
    QTRY_COMPARE(started.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(started.size(), 1);
    QCOMPARE(player.lastPlayed(), played);
}

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
