#pragma once

#include "settings/FontSpec.h"

#include <QList>

class SettingsFile;

// Fonts chosen per speaker: the key is an upper-case handle or a channel number
// in brackets such as "(50)". Shared by the terminal and every chat window.
class CustomFontList
{
public:
    struct Entry
    {
        QString key;
        FontSpec font;

        friend bool operator==(const Entry&, const Entry&) = default;
    };

    static inline const QString Section = QStringLiteral("CustomFonts");

    // The predefined entries a fresh list starts with.
    CustomFontList();

    // The first entries are the program's own: they can be changed, never deleted.
    static constexpr qsizetype ProtectedEntries = 3;

    const QList<Entry>& entries() const { return m_entries; }
    void append(const Entry& entry) { m_entries.append(entry); }
    void removeAt(qsizetype index) { m_entries.removeAt(index); }
    void setFont(qsizetype index, const FontSpec& font) { m_entries[index].font = font; }
    bool canDelete(qsizetype index) const
    {
        return index >= ProtectedEntries && index < m_entries.size();
    }
    // The user's answer, trimmed and upper-cased, as a new entry with the given
    // font; its index, or -1 for an empty answer.
    qsizetype addEntry(const QString& answer, const FontSpec& font);

    // The entry whose key equals key without regard to case; nullptr when none.
    const FontSpec* find(const QString& key) const;

    // From the shared settings file; an empty section gives the predefined list,
    // a malformed line is skipped.
    void load(const SettingsFile& shared);
    // Rewrites the section whole; a "|" in a key, which would split its line,
    // is stored as a space.
    void store(SettingsFile& shared) const;

    static QList<Entry> predefined();

private:
    QList<Entry> m_entries;
};
