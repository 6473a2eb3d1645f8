#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>

// The always-on protocol trace: "trace.txt" and "scope.txt" in the working folder.
// A record is an optional "YYMMDD HHNNSS : " stamp, the text unchanged, then CR LF.
// Each record opens and closes its file; a record that cannot be written is
// dropped so that the session never stops for the trace.
class TraceLog
{
public:
    static inline const QString TraceFile = QStringLiteral("trace.txt");
    static inline const QString ScopeFile = QStringLiteral("scope.txt");

    // A disabled log writes nothing (the replay tool and most tests).
    explicit TraceLog(bool enabled = true);

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

private:
    bool m_enabled;
};
