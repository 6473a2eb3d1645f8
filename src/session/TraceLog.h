#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>
#include <map>
#include <memory>

class QFile;

// The always-on protocol trace: "trace.txt" and "scope.txt" in the working folder.
// A record is an optional "YYMMDD HHNNSS : " stamp, the text unchanged, then CR LF.
// Each file stays open for the run and every record reaches the system as it is
// written. A file that passes the rotation size is kept as "<name>.1.txt" (replacing
// the one before) and a fresh file started, so a flooding server cannot fill the disk.
// A record that cannot be written is dropped so that the session never stops for the
// trace.
class TraceLog
{
public:
    static inline const QString TraceFile = QStringLiteral("trace.txt");
    static inline const QString ScopeFile = QStringLiteral("scope.txt");
    static constexpr qint64 DefaultRotationSize = 20 * 1024 * 1024;

    // A disabled log writes nothing (the replay tool and most tests).
    explicit TraceLog(bool enabled = true, qint64 rotationSize = DefaultRotationSize);
    ~TraceLog();
    TraceLog(const TraceLog&) = delete;
    TraceLog& operator=(const TraceLog&) = delete;

    bool isEnabled() const { return m_enabled; }

    // The record's text is the parts joined; nothing is built while the log is disabled.
    void write(const QString& fileName, std::initializer_list<QByteArrayView> parts,
               bool stamped) const;
    void write(const QString& fileName, QByteArrayView text, bool stamped) const
    {
        write(fileName, {text}, stamped);
    }
    // Creates the file when it does not exist, so that both files exist before the first record.
    void ensureFile(const QString& fileName) const;

    static QByteArray timeStamp();
    // "trace.txt" -> "trace.1.txt": where the previous part of a file is kept.
    static QString previousPartName(const QString& fileName);

private:
    QFile* openFile(const QString& fileName) const;
    void startFreshPart(const QString& fileName) const;

    bool m_enabled;
    qint64 m_rotationSize;
    mutable std::map<QString, std::unique_ptr<QFile>> m_files;
};
