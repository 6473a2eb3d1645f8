#include "settings/SettingsBatch.h"

#include "settings/SettingsCache.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsWriteError.h"

SettingsBatch::SettingsBatch(const SettingsFile& file)
    : m_cache(file.cache()), m_path(file.path())
{
    if (m_cache)
        m_cache->beginBatch();
}

SettingsBatch::~SettingsBatch()
{
    if (m_cache && m_open)
        m_cache->abandonBatch();
}

void SettingsBatch::commit()
{
    if (!m_cache || !std::exchange(m_open, false))
        return;
    try {
        m_cache->endBatch();
    } catch (const SettingsWriteError&) {
        throw SettingsWriteError(m_path); // the path as the caller named it
    }
}
