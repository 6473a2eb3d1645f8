#pragma once

#include <QString>

#include <array>

class SettingsFile;

// The fourteen sound events, how each one sounds (not at all, a click or beep,
// or a wave file) and the two switches, kept in the profile's settings.
class SoundSettings
{
public:
    enum class Type { None = 0, Beep = 1, Wave = 2 };

    struct Event
    {
        const char* name;        // the dispatcher's event name and the dialog's text
        const char* defaultFile; // also the name of the built-in sound
    };
    static constexpr int EventCount = 14;
    static constexpr std::array<Event, EventCount> Events{{
        {"Challenge", "challeng.wav"},
        {"Abort Request", "abort.wav"},
        {"Adjourn Request", "adjourn.wav"},
        {"Draw Request", "draw.wav"},
        {"More Time Added", "moretime.wav"},
        {"Pause Request", "pause.wav"},
        {"TakeBack Request", "takeback.wav"},
        {"Check", "check.wav"},
        {"Moved", "moved.wav"},
        {"Illegal Move", "illegal.wav"},
        {"Game Start", "newgame.wav"},
        {"Game End", "gameover.wav"},
        {"Arrival Notification", "arrival.wav"},
        {"Tells", "tell.wav"},
    }};
    static constexpr const char* ClickFile = "Click2.wav";
    static constexpr const char* BuiltInFolder = ":/sounds/";

    // -1 for a name that is no event.
    static int indexOf(const QString& name);

    struct Sound
    {
        Type type = Type::Wave;
        QString file;
    };

    // What playing an event comes to.
    struct Choice
    {
        enum class Kind { Nothing, SystemBeep, File } kind = Kind::Nothing;
        QString file;    // as set: a name in the program folder or a path
        QString builtIn; // the built-in sound that stands in when the file is missing
    };

    SoundSettings();

    std::array<Sound, EventCount> sounds;
    bool noSoundCard = false;
    bool firstOnly = false;

    // A beep is the click file unless there is no sound card; so is a wave
    // without a sound card. testing: the dialog's Test, which ignores that switch.
    Choice choose(int index, bool testing = false) const;

    void load(const SettingsFile& file);
    void store(SettingsFile& file) const;

    // The file to play: a relative name is looked up in the program folder; a
    // missing or unreadable file gives the built-in sound and sets fellBack.
    static QString playablePath(const Choice& choice, const QString& programDirectory,
                                bool* fellBack);
};
