#include "chat/ui/SoundPlayer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

#include <utility>

SoundPlayer::SoundPlayer(SoundSettings& settings, QString programDirectory, QObject* parent)
    : QObject(parent), m_settings(settings), m_programDirectory(std::move(programDirectory))
{
}

SoundPlayer::~SoundPlayer() = default;

// A read of server text often brings several events at once (a flood of moves on
// the observed boards brings dozens a second): each would cut the one before it
// off before any of it is heard, after a look at its file on disk. The last one
// asked for plays, once the read has been handled; an event set to no sound
// leaves the others alone.
void SoundPlayer::playSound(const QString& name)
{
    const int index = SoundSettings::indexOf(name);
    if (m_settings.choose(index).kind == SoundSettings::Choice::Kind::Nothing)
        return;
    if (std::exchange(m_waiting, index) < 0)
        QMetaObject::invokeMethod(this, &SoundPlayer::playWaiting, Qt::QueuedConnection);
}

void SoundPlayer::playWaiting()
{
    play(std::exchange(m_waiting, -1));
}

QSoundEffect* SoundPlayer::effectFor(const QString& path)
{
    if (QSoundEffect* known = m_effects.value(path))
        return known;
    auto* effect = new QSoundEffect(this);
    effect->setSource(path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path)
                                            : QUrl::fromLocalFile(path));
    m_effects.insert(path, effect);
    return effect;
}

void SoundPlayer::play(int index, bool testing)
{
    const SoundSettings::Choice choice = m_settings.choose(index, testing);
    switch (choice.kind) {
    case SoundSettings::Choice::Kind::Nothing:
        return;
    case SoundSettings::Choice::Kind::SystemBeep:
        m_lastPlayed.clear();
        QApplication::beep();
        Q_EMIT started(m_lastPlayed);
        return;
    case SoundSettings::Choice::Kind::File:
        break;
    }
    bool fellBack = false;
    const QString path = SoundSettings::playablePath(choice, m_programDirectory, &fellBack);
    if (fellBack && m_log && !m_reported.contains(choice.file)) {
        m_reported.insert(choice.file);
        m_log(QStringLiteral("Sound file %1 not found; the built-in sound plays instead.")
                  .arg(choice.file));
    }
    if (m_playing)
        m_playing->stop();
    m_playing = effectFor(path);
    m_playing->play();
    m_lastPlayed = path;
    Q_EMIT started(path);
}
