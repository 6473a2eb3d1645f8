#pragma once

#include "chat/SoundSettings.h"
#include "session/SoundSink.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

class QSoundEffect;

// Plays the sound events through Qt Multimedia: a wave file from the program
// folder or the user's own path, the built-in sound where that file is
// missing (said once per file in the session log), or the system beep. A new
// sound replaces one still playing; of the events of one burst of server
// text, only the last is played.
class SoundPlayer : public QObject, public SoundSink
{
    Q_OBJECT

public:
    SoundPlayer(SoundSettings& settings, QString programDirectory, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Where the fall-back notes go; the session log when it is open.
    void setLog(std::function<void(const QString&)> log) { m_log = std::move(log); }

    // An event's sound starts once the text that announced it has been handled.
    void playSound(const QString& name) override;
    // Starts at once (the sounds dialog's test).
    void play(int index, bool testing = false);

    // The path last started: a file, a built-in sound, or empty for the beep.
    const QString& lastPlayed() const { return m_lastPlayed; }

Q_SIGNALS:
    void started(const QString& path);

private:
    QSoundEffect* effectFor(const QString& path);
    void playWaiting();

    SoundSettings& m_settings;
    QString m_programDirectory;
    std::function<void(const QString&)> m_log;
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_playing = nullptr;
    int m_waiting = -1; // the event to play when the burst has been handled
    QSet<QString> m_reported;
    QString m_lastPlayed;
};
