#include "settings/SettingsFile.h"

#include "settings/IniDocument.h"
#include "settings/SettingsCache.h"
#include "settings/SettingsValue.h"
#include "settings/SettingsWriteError.h"


SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path)),
      m_cache(m_path.isEmpty() ? nullptr : SettingsCache::forPath(m_path))
{
}

const IniDocument& SettingsFile::document() const
{
    static const IniDocument nothing;
    return m_cache ? m_cache->document() : nothing;
}

void SettingsFile::change(const std::function<void(IniDocument&)>& edit)
{
    if (!m_cache)
        throw SettingsWriteError(m_path);
    try {
        m_cache->change(edit);
    } catch (const SettingsWriteError&) {
        throw SettingsWriteError(m_path); // the path as the caller named it
    }
}

QString SettingsFile::readString(const QString& section, const QString& key,
                                 const QString& byDefault) const
{
    return document().value(section, key).value_or(byDefault);
}

qint32 SettingsFile::readInteger(const QString& section, const QString& key,
                                 qint32 byDefault) const
{
    const std::optional<QString> text = document().value(section, key);
    return text ? SettingsValue::toInteger(*text, byDefault) : byDefault;
}

bool SettingsFile::readBool(const QString& section, const QString& key, bool byDefault) const
{
    return readInteger(section, key, byDefault ? 1 : 0) != 0;
}

float SettingsFile::readPercentage(const QString& section, const QString& key,
                                   float byDefault) const
{
    const std::optional<QString> text = document().value(section, key);
    return text ? SettingsValue::toPercentage(*text, byDefault) : byDefault;
}

void SettingsFile::writeString(const QString& section, const QString& key, const QString& value)
{
    change([&](IniDocument& document) { document.setValue(section, key, value); });
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
    return document().keys(section);
}

QStringList SettingsFile::readSectionLines(const QString& section) const
{
    return document().sectionLines(section);
}

void SettingsFile::eraseSection(const QString& section)
{
    if (document().hasSection(section))
        change([&](IniDocument& document) { document.eraseSection(section); });
}

void SettingsFile::replaceSection(const QString& section, const QStringList& lines)
{
    if (!document().hasSection(section) && lines.isEmpty())
        return;
    change([&](IniDocument& document) {
        document.eraseSection(section);
        for (const QString& line : lines) {
            const qsizetype equals = line.indexOf(u'=');
            document.setValue(section, equals < 0 ? line : line.left(equals),
                              equals < 0 ? QString() : line.mid(equals + 1));
        }
    });
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
