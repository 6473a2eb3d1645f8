#pragma once

#include "settings/IniDocument.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// The one parsed copy of a settings file, shared by every SettingsFile of that path.
// The file is read again only when it changed on disk (another running copy of the
// program, a user's editor): each access compares the file's size, time and identity
// with what was read or written last. A change reaches the disk at once, unless a
// batch is open: then the changes of the whole batch are written together when the
// outermost batch ends. A write that would leave the bytes on disk as they are is
// skipped.
class SettingsCache
{
public:
    // The cache of the file at path (made absolute), made on first use.
    static std::shared_ptr<SettingsCache> forPath(const QString& path);

    explicit SettingsCache(QString path);
    SettingsCache(const SettingsCache&) = delete;
    SettingsCache& operator=(const SettingsCache&) = delete;

    const IniDocument& document();
    // Throws SettingsWriteError when the write is refused; the cache then holds the
    // file as it is on disk again.
    void change(const std::function<void(IniDocument&)>& edit);

    void beginBatch();
    // Writes when the outermost batch ends with changes; throws as change() does.
    void endBatch();
    // Ends a batch left by an exception: what it collected is written if possible.
    void abandonBatch() noexcept;

private:
    struct Stamp
    {
        bool exists = false;
        qint64 size = -1;
        qint64 modifiedNs = -1;
        quint64 inode = 0;
        bool operator==(const Stamp&) const = default;
    };

    static Stamp stampOf(const QString& path);
    void refresh();
    void save();

    QString m_path;
    IniDocument m_document;
    QByteArray m_onDisk; // the bytes last read or written, to skip writes that change nothing
    std::optional<Stamp> m_stamp; // none: read the file at the next access
    int m_batchDepth = 0;
    bool m_dirty = false;
};
