#pragma once

#include <QString>

#include <memory>

class SettingsCache;
class SettingsFile;

// Writes to one settings file that reach the disk together: while a batch is open,
// every write through any SettingsFile of that path changes only the parsed copy,
// and commit() of the outermost batch writes the file once. A batch that ends without
// commit() (an exception passing through) still writes what it collected, quietly.
class SettingsBatch
{
public:
    explicit SettingsBatch(const SettingsFile& file);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

    // Throws SettingsWriteError when the write is refused.
    void commit();

private:
    std::shared_ptr<SettingsCache> m_cache;
    QString m_path;
    bool m_open = true;
};
