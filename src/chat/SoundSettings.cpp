#include "chat/SoundSettings.h"

#include "settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SwitchSection = QStringLiteral("Sounds");

QString eventSection(int index)
{
    return QStringLiteral("Sound") + QString::number(index);
}

} // namespace

int SoundSettings::indexOf(const QString& name)
{
    for (int i = 0; i < EventCount; ++i) {
        if (name == QLatin1String(Events[std::size_t(i)].name))
            return i;
    }
    return -1;
}

SoundSettings::SoundSettings()
{
    for (int i = 0; i < EventCount; ++i)
        sounds[std::size_t(i)] = {Type::Wave, QLatin1String(Events[std::size_t(i)].defaultFile)};
}

SoundSettings::Choice SoundSettings::choose(int index, bool testing) const
{
    if (index < 0 || index >= EventCount)
        return {};
    const Sound& sound = sounds[std::size_t(index)];
    const bool noCard = noSoundCard && !testing;
    if (sound.type == Type::Beep || (sound.type == Type::Wave && noCard)) {
        if (noCard)
            return {Choice::Kind::SystemBeep, {}, {}};
        return {Choice::Kind::File, QLatin1String(ClickFile),
                QLatin1String(BuiltInFolder) + QLatin1String(ClickFile)};
    }
    if (sound.type == Type::Wave)
        return {Choice::Kind::File, sound.file,
                QLatin1String(BuiltInFolder) +
                    QLatin1String(Events[std::size_t(index)].defaultFile)};
    return {};
}

void SoundSettings::load(const SettingsFile& file)
{
    for (int i = 0; i < EventCount; ++i) {
        const int type = file.readInteger(eventSection(i), QStringLiteral("Type"), 2);
        Sound& sound = sounds[std::size_t(i)];
        // An unknown type number is taken as the built-in wave file.
        sound.type = (type >= 0 && type <= 2) ? Type(type) : Type::Wave;
        sound.file = file.readString(eventSection(i), QStringLiteral("File"),
                                     QLatin1String(Events[std::size_t(i)].defaultFile));
    }
    noSoundCard = file.readBool(SwitchSection, QStringLiteral("NoSoundCard"), false);
    firstOnly = file.readBool(SwitchSection, QStringLiteral("FirstOnly"), false);
}

void SoundSettings::store(SettingsFile& file) const
{
    for (int i = 0; i < EventCount; ++i) {
        const Sound& sound = sounds[std::size_t(i)];
        file.writeInteger(eventSection(i), QStringLiteral("Type"), int(sound.type));
        file.writeString(eventSection(i), QStringLiteral("File"), sound.file);
    }
    file.writeBool(SwitchSection, QStringLiteral("NoSoundCard"), noSoundCard);
    file.writeBool(SwitchSection, QStringLiteral("FirstOnly"), firstOnly);
}

QString SoundSettings::playablePath(const Choice& choice, const QString& programDirectory,
                                    bool* fellBack)
{
    const QString path = QDir(programDirectory).filePath(choice.file);
    const QFileInfo info(path);
    const bool usable = !choice.file.isEmpty() && info.isFile() && info.isReadable();
    if (fellBack)
        *fellBack = !usable;
    return usable ? info.absoluteFilePath() : choice.builtIn;
}
