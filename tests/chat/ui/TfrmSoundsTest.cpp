#include "chat/SoundSettings.h"
#include "chat/ui/SoundPlayer.h"
#include "chat/ui/TfrmSounds.h"

#include "support/ui/PulseNullSink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Patience = 20000;

} // namespace

// The sounds dialog on the live settings, its Test button heard through a real
// PulseAudio server whose null sink is recorded back.
class TfrmSoundsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void opensOnTheFirstEventWithTheSwitches();
    void choicesChangeTheSelectedEvent();
    void testPlaysTheSelectedEvent_data();
    void testPlaysTheSelectedEvent();

private:
    PulseNullSink m_sink;
    QTemporaryDir m_programDirectory;
};

void TfrmSoundsTest::initTestCase()
{
    QString error;
    QVERIFY2(m_sink.start(&error), qPrintable(error));
}

void TfrmSoundsTest::opensOnTheFirstEventWithTheSwitches()
{
    SoundSettings settings;
    settings.firstOnly = true;
    settings.sounds[0] = {SoundSettings::Type::Beep, QStringLiteral("bell.wav")};
    SoundPlayer player(settings, m_programDirectory.path());
    TfrmSounds dialog(settings, player);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sounds"));
    QCOMPARE(dialog.cmbEvents->count(), SoundSettings::EventCount);
    QCOMPARE(dialog.cmbEvents->currentText(), QStringLiteral("Challenge"));
    QVERIFY(dialog.rbType[1]->isChecked());
    QCOMPARE(dialog.edFile->text(), QStringLiteral("bell.wav"));
    QVERIFY(dialog.chkFirstOnly->isChecked());
    QVERIFY(!dialog.chkNoSoundCard->isChecked());
}

void TfrmSoundsTest::choicesChangeTheSelectedEvent()
{
    SoundSettings settings;
    SoundPlayer player(settings, m_programDirectory.path());
    TfrmSounds dialog(settings, player);
    dialog.cmbEvents->setCurrentIndex(3);
    dialog.rbType[0]->click();
    dialog.edFile->clear();
    QTest::keyClicks(dialog.edFile, QStringLiteral("offer.wav"));
    dialog.chkNoSoundCard->click();
    dialog.chkFirstOnly->click();

    QCOMPARE(settings.sounds[3].type, SoundSettings::Type::None);
    QCOMPARE(settings.sounds[3].file, QStringLiteral("offer.wav"));
    QVERIFY(settings.noSoundCard);
    QVERIFY(settings.firstOnly);
    // The other events keep what they had, and coming back shows the choice.
    QCOMPARE(settings.sounds[2].type, SoundSettings::Type::Wave);
    QCOMPARE(settings.sounds[2].file, SoundSettings().sounds[2].file);
    dialog.cmbEvents->setCurrentIndex(2);
    QVERIFY(dialog.rbType[2]->isChecked());
    QCOMPARE(dialog.edFile->text(), settings.sounds[2].file);
    dialog.cmbEvents->setCurrentIndex(3);
    QVERIFY(dialog.rbType[0]->isChecked());
    QCOMPARE(dialog.edFile->text(), QStringLiteral("offer.wav"));
}

void TfrmSoundsTest::testPlaysTheSelectedEvent_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("noSoundCard");
    QTest::addColumn<bool>("ownFile");
    QTest::addColumn<QString>("played");

    QTest::newRow("a wave event without a file plays its built-in sound")
        << 3 << int(SoundSettings::Type::Wave) << false << false << ":/sounds/draw.wav";
    QTest::newRow("a beep event plays the click")
        << 8 << int(SoundSettings::Type::Beep) << false << false << ":/sounds/Click2.wav";
    QTest::newRow("without a sound card the test still plays the wave")
        << 13 << int(SoundSettings::Type::Wave) << true << false << ":/sounds/tell.wav";
    QTest::newRow("a file chosen with the browse button plays from disk")
        << 0 << int(SoundSettings::Type::Wave) << false << true << "own";
    QTest::newRow("an event set to none stays silent")
        << 5 << int(SoundSettings::Type::None) << false << false << "";
}

void TfrmSoundsTest::testPlaysTheSelectedEvent()
{
    QFETCH(int, event);
    QFETCH(int, type);
    QFETCH(bool, noSoundCard);
    QFETCH(bool, ownFile);
    QFETCH(QString, played);

    QTemporaryDir elsewhere;
    const QString own = elsewhere.filePath(QStringLiteral("mine.wav"));
    QVERIFY(QFile::copy(QStringLiteral(":/sounds/arrival.wav"), own));
    if (played == u"own")
        played = own;

    SoundSettings settings;
    SoundPlayer player(settings, m_programDirectory.path());
    TfrmSounds dialog(settings, player);
    dialog.cmbEvents->setCurrentIndex(event);
    dialog.rbType[std::size_t(type)]->click();
    dialog.chkNoSoundCard->setChecked(noSoundCard);
    if (ownFile) {
        dialog.chooseFile = [own](const QString&) { return own; };
        dialog.btnBrowse->click();
        QCOMPARE(dialog.edFile->text(), own);
    }

    QSignalSpy started(&player, &SoundPlayer::started);
    QString error;
    QVERIFY2(m_sink.listen(&error), qPrintable(error));
    dialog.btnTest->click();
    if (played.isEmpty()) {
        QVERIFY(started.isEmpty());
        return;
    }
    QCOMPARE(started.size(), 1);
    QCOMPARE(player.lastPlayed(), played);
    QVERIFY(m_sink.heardSound(Patience));
}

QTEST_MAIN(TfrmSoundsTest)
#include "TfrmSoundsTest.moc"
