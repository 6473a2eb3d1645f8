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

    const QList<Entry>& entries() const { return m_entries; }
    void append(const Entry& entry) { m_entries.append(entry); }
    void removeAt(qsizetype index) { m_entries.removeAt(index); }

    // The entry whose key equals key without regard to case; nullptr when none.
    const FontSpec* find(const QString& key) const;

    // From the shared settings file; an empty section gives the predefined list,
    // a malformed line is skipped.
    void load(const SettingsFile& shared);
    // Rewrites the section whole.
    void store(SettingsFile& shared) const;

    static QList<Entry> predefined();

private:
    QList<Entry> m_entries;
};
