#include "settings/SettingsFile.h"

#include "settings/IniDocument.h"
#include "settings/SettingsValue.h"
#include "settings/SettingsWriteError.h"

#include <QFile>
#include <QSaveFile>

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

IniDocument SettingsFile::load() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return IniDocument();
    return IniDocument(file.readAll());
}

void SettingsFile::save(const IniDocument& document)
{
    // Through a temporary file where the folder allows it, so a full disk
    // leaves the old file whole; in place where only the file is writable.
    QSaveFile file(m_path);
    file.setDirectWriteFallback(true);
    const QByteArray bytes = document.toBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SettingsWriteError(m_path);
}

QString SettingsFile::readString(const QString& section, const QString& key,
                                 const QString& byDefault) const
{
    return load().value(section, key).value_or(byDefault);
}

qint32 SettingsFile::readInteger(const QString& section, const QString& key,
                                 qint32 byDefault) const
{
    const std::optional<QString> text = load().value(section, key);
    return text ? SettingsValue::toInteger(*text, byDefault) : byDefault;
}

bool SettingsFile::readBool(const QString& section, const QString& key, bool byDefault) const
{
    return readInteger(section, key, byDefault ? 1 : 0) != 0;
}

float SettingsFile::readPercentage(const QString& section, const QString& key,
                                   float byDefault) const
{
    const std::optional<QString> text = load().value(section, key);
    return text ? SettingsValue::toPercentage(*text, byDefault) : byDefault;
}

void SettingsFile::writeString(const QString& section, const QString& key, const QString& value)
{
    IniDocument document = load();
    document.setValue(section, key, value);
    save(document);
}

void SettingsFile::writeInteger(const QString& section, const QString& key, qint32 value)
{
    writeString(section, key, SettingsValue::fromInteger(value));
}

void SettingsFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, SettingsValue::fromBool(value));
}

void SettingsFile::writePercentage(const QString& section, const QString& key, float fraction)
{
    writeString(section, key, SettingsValue::fromPercentage(fraction));
}

bool SettingsFile::keyExists(const QString& section, const QString& key) const
{
    return sectionKeys(section).contains(key, Qt::CaseInsensitive);
}

QStringList SettingsFile::sectionKeys(const QString& section) const
{
    return load().keys(section);
}

QStringList SettingsFile::readSectionLines(const QString& section) const
{
    return load().sectionLines(section);
}

void SettingsFile::eraseSection(const QString& section)
{
    IniDocument document = load();
    if (!document.hasSection(section))
        return;
    document.eraseSection(section);
    save(document);
}

void SettingsFile::replaceSection(const QString& section, const QStringList& lines)
{
    IniDocument document = load();
    const bool existed = document.hasSection(section);
    document.eraseSection(section);
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        document.setValue(section, equals < 0 ? line : line.left(equals),
                          equals < 0 ? QString() : line.mid(equals + 1));
    }
    if (existed || !lines.isEmpty())
        save(document);
}

SettingsFile SharedSettingsFile(const QString& programDirectory)
{
    return SettingsFile(programDirectory + QLatin1String(SharedSettingsFileName));
}

SettingsFile ProfileSettingsFile(const QString& programDirectory, const QString& profileName)
{
    return SettingsFile(programDirectory + profileName + QStringLiteral(".ini"));
}

QString ReadValueOrSeed(SettingsFile& file, const QString& section, const QString& key, bool seed,
                        const QString& byDefault)
{
    if (file.keyExists(section, key))
        return file.readString(section, key, byDefault);
    if (seed)
        file.writeString(section, key, byDefault);
    return byDefault;
}

bool WriteValueNow(SettingsFile& file, const QString& section, const QString& key,
                   const QString& value)
{
    file.writeString(section, key, value);
    return true;
}

bool LoadSection(const SettingsFile& file, const QString& section, QStringList& lines)
{
    lines = file.readSectionLines(section);
    return true;
}

bool StoreSection(SettingsFile& file, const QString& section, const QStringList& lines)
{
    file.replaceSection(section, lines);
    return true;
}
