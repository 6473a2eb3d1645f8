#include "settings/SettingsCache.h"

#include "settings/SettingsWriteError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <sys/stat.h>

std::shared_ptr<SettingsCache> SettingsCache::forPath(const QString& path)
{
    // Kept for the run: a file is parsed once however often it is opened by path.
    static QHash<QString, std::shared_ptr<SettingsCache>> caches;
    const QString key = QFileInfo(path).absoluteFilePath();
    std::shared_ptr<SettingsCache>& cache = caches[key];
    if (!cache)
        cache = std::make_shared<SettingsCache>(key);
    return cache;
}

SettingsCache::SettingsCache(QString path) : m_path(std::move(path)) {}

SettingsCache::Stamp SettingsCache::stampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + qint64(info.st_mtim.tv_nsec),
            quint64(info.st_ino)};
}

void SettingsCache::refresh()
{
    // Changes of an open batch are not on disk yet: they must not be read over.
    if (m_dirty)
        return;
    const Stamp now = stampOf(m_path);
    if (m_stamp && *m_stamp == now)
        return;
    m_onDisk.clear();
    if (now.exists) {
        QFile file(m_path);
        if (file.open(QIODevice::ReadOnly))
            m_onDisk = file.readAll();
    }
    m_document = IniDocument(m_onDisk);
    m_stamp = now;
}

const IniDocument& SettingsCache::document()
{
    refresh();
    return m_document;
}

void SettingsCache::change(const std::function<void(IniDocument&)>& edit)
{
    refresh();
    edit(m_document);
    m_dirty = true;
    if (m_batchDepth == 0)
        save();
}

void SettingsCache::beginBatch()
{
    refresh();
    ++m_batchDepth;
}

void SettingsCache::endBatch()
{
    if (--m_batchDepth == 0 && m_dirty)
        save();
}

void SettingsCache::abandonBatch() noexcept
{
    try {
        endBatch();
    } catch (...) {
        // The routine that left the batch is failing already; its own error tells the user.
    }
}

void SettingsCache::save()
{
    m_dirty = false;
    const QByteArray bytes = m_document.toBytes();
    if (m_stamp && m_stamp->exists && bytes == m_onDisk && stampOf(m_path) == *m_stamp)
        return;
    // Through a temporary file where the folder allows it, so a full disk leaves the
    // old file whole; in place where only the file is writable.
    QSaveFile file(m_path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_stamp.reset();
        throw SettingsWriteError(m_path);
    }
    m_onDisk = bytes;
    m_stamp = stampOf(m_path);
}
