#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One initialization file held in memory, read and changed with the rules of the
// classic Windows profile functions, so that files written by either side agree:
//
//   file    = *line                      lines end in LF or CR LF; written with CR LF
//   section = blanks "[" name "]" ...    name between "[" and the last "]", trimmed
//   entry   = blanks key "=" value       key and value trimmed of blanks
//   other   = any line without "="       kept as it is, never a key
//
// Names match without regard to case; the first matching key of the first
// matching section wins. A value loses one pair of matching quotes around it and
// is cut at MaxValueLength characters. Lines nobody touches are written back
// byte for byte, so comments and foreign keys survive every write.
class IniDocument
{
public:
    static constexpr int MaxValueLength = 2047;

    IniDocument() = default;
    explicit IniDocument(const QByteArray& content);

    std::optional<QString> value(const QString& section, const QString& key) const;
    bool hasSection(const QString& section) const;

    // Key names of the first matching section in file order, each once.
    QStringList keys(const QString& section) const;

    // "key=value" for each of keys(), with the value as value() reads it.
    QStringList sectionLines(const QString& section) const;

    // Replaces the value in place, or appends the key to its section, or appends
    // the section to the end of the document. Line breaks in any of the three
    // names become spaces: one call writes exactly one line.
    void setValue(const QString& section, const QString& key, const QString& value);

    // Removes every section of that name with all its lines.
    void eraseSection(const QString& section);

    QByteArray toBytes() const;

private:
    struct Range
    {
        qsizetype header = -1; // index of the "[name]" line
        qsizetype end = -1;    // one past the section's last line
    };

    Range findSection(const QString& section, qsizetype from = 0) const;
    qsizetype findKey(const Range& range, const QString& key) const;

    QList<QByteArray> m_lines; // without line ends
};
