#include "chat/ui/SoundPlayer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(SoundSettings& settings, QString programDirectory, QObject* parent)
    : QObject(parent), m_settings(settings), m_programDirectory(std::move(programDirectory))
{
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::playSound(const QString& name)
{
    play(SoundSettings::indexOf(name));
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
