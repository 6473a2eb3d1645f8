#pragma once

#include <QByteArray>
#include <QHash>
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
//
// The file is parsed once; sections and keys are found through hash indexes, so
// reading or writing one key costs the same in a file of 10 MB as in one of 1 KB.
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
    // The lines of one section, its header first; the lines before the first header
    // form a section without a header.
    struct Section
    {
        QList<QByteArray> lines;
        // Folded key name -> index of its first line, built when the section is first
        // asked for a key: most sections of a large file are never looked at.
        mutable QHash<QString, qsizetype> keyIndex;
        mutable bool indexed = false;
    };

    qsizetype findSection(const QString& section) const;
    const QHash<QString, qsizetype>& keyIndex(const Section& section) const;
    void indexSections();

    QList<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> first section of that name
};
