#pragma once

#include <QString>

// Plays the sound of a named event ("Tells", "Game Start", ...).
class SoundSink
{
public:
    virtual ~SoundSink() = default;

    virtual void playSound(const QString& name) = 0;
};
