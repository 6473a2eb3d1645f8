#pragma once

#include "settings/SettingsFile.h"

#include <QStringList>

// The user profiles kept in section "Profiles" of the shared settings file:
// their names, the one chosen last, whether to skip the choice at start, and a
// scrambled password per profile under the profile's own name.
class ProfileList
{
public:
    static inline const QString Section = QStringLiteral("Profiles");
    static inline const QString DefaultProfile = QStringLiteral("Default");

    enum class AddResult { Added, AlreadyExists, Ignored };
    enum class PasswordResult { Accepted, Invalid };

    explicit ProfileList(SettingsFile shared);

    // Reads the list; "Default" alone when none is stored. The last profile is
    // selected when it is still in the list, otherwise the first.
    void load();

    const QStringList& names() const { return m_names; }
    const QString& selected() const { return m_selected; }
    void select(const QString& name);
    bool doNotShow() const { return m_doNotShow; }
    void setDoNotShow(bool value) { m_doNotShow = value; }

    // The first password typed for a profile without one becomes its password.
    PasswordResult checkPassword(const QString& typed);
    bool selectedHasPassword() const;
    // The stored spelling of name (matched without regard to case), or "" when unknown.
    QString find(const QString& name) const;

    AddResult add(const QString& name);
    // False when it is the last profile.
    bool removeSelected();

    // Names, count, last and the skip flag. Keys "Name" + n above the new count stay.
    void save();

private:
    void insertSorted(const QString& name);

    SettingsFile m_shared;
    QStringList m_names;
    QString m_selected;
    bool m_doNotShow = false;
};
