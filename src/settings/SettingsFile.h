#pragma once

#include <QString>
#include <QStringList>

#include "settings/SettingsKey.h"

#include <functional>
#include <memory>

class IniDocument;
class SettingsCache;

// One settings file, named by path. The file is parsed once and shared by every
// SettingsFile of that path (SettingsCache); it is read again only when it changed on
// disk, so two running copies of the program still see each other's writes. Every
// write has reached the disk when it returns, unless a SettingsBatch of the file is
// open: then the batch writes once at its end. Writes throw SettingsWriteError when
// refused.
class SettingsFile
{
public:
    SettingsFile() = default;
    explicit SettingsFile(QString path);

    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key,
                       const QString& byDefault) const;
    qint32 readInteger(const QString& section, const QString& key, qint32 byDefault) const;
    bool readBool(const QString& section, const QString& key, bool byDefault) const;
    float readPercentage(const QString& section, const QString& key, float byDefault) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, qint32 value);
    void writeBool(const QString& section, const QString& key, bool value);
    void writePercentage(const QString& section, const QString& key, float fraction);

    bool read(const BoolKey& key) const { return readBool(key.section, key.key, key.byDefault); }
    qint32 read(const IntKey& key) const
    {
        return readInteger(key.section, key.key, key.byDefault);
    }
    QString read(const StringKey& key) const
    {
        return readString(key.section, key.key, key.byDefault);
    }
    float read(const PercentKey& key) const
    {
        return readPercentage(key.section, key.key, float(key.byDefaultPercent) / 100.0f);
    }
    void write(const BoolKey& key, bool value) { writeBool(key.section, key.key, value); }
    void write(const IntKey& key, qint32 value) { writeInteger(key.section, key.key, value); }
    void write(const StringKey& key, const QString& value)
    {
        writeString(key.section, key.key, value);
    }
    void write(const PercentKey& key, float fraction)
    {
        writePercentage(key.section, key.key, fraction);
    }

    bool keyExists(const QString& section, const QString& key) const;
    QStringList sectionKeys(const QString& section) const;

    // "key=value" per key of the section, in file order.
    QStringList readSectionLines(const QString& section) const;

    void eraseSection(const QString& section);

    // The section erased and written anew from "key=value" lines in one write.
    void replaceSection(const QString& section, const QStringList& lines);

    // The shared parsed copy; none for a file without a path.
    const std::shared_ptr<SettingsCache>& cache() const { return m_cache; }

private:
    const IniDocument& document() const;
    void change(const std::function<void(IniDocument&)>& edit);

    QString m_path;
    std::shared_ptr<SettingsCache> m_cache;
};

inline constexpr char SharedSettingsFileName[] = "Tolvaris.ini";

// programDirectory ends with its separator, or is empty for the current folder.
SettingsFile SharedSettingsFile(const QString& programDirectory);
SettingsFile ProfileSettingsFile(const QString& programDirectory, const QString& profileName);

// The value when the key exists; otherwise byDefault, which is also written to
// the file when seed is set.
QString ReadValueOrSeed(SettingsFile& file, const QString& section, const QString& key, bool seed,
                        const QString& byDefault);

bool WriteValueNow(SettingsFile& file, const QString& section, const QString& key,
                   const QString& value);

// Replaces lines with the section's "key=value" lines.
bool LoadSection(const SettingsFile& file, const QString& section, QStringList& lines);

// Replaces the section with the lines, each split at its first "=" into key and
// value (a line without "=" is a key with an empty value).
bool StoreSection(SettingsFile& file, const QString& section, const QStringList& lines);
