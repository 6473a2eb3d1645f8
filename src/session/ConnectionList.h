#pragma once

#include "settings/SettingsFile.h"
#include "session/ConnectionChoice.h"

#include <QList>

#include <optional>

class QRandomGenerator;

// The saved server accounts and the SOCKS proxy, kept in the sections
// "Connections" and "Firewall" of the profile's settings file. Passwords are
// stored scrambled under "Pwd" + index and "SockPwd"; a plain "Password" + index or
// "SockPass" from older files is moved there on load.
class ConnectionList
{
public:
    static constexpr int MaxEntries = 20;
    static inline const QString Section = QStringLiteral("Connections");
    static inline const QString FirewallSection = QStringLiteral("Firewall");

    enum class AddResult
    {
        Added,
        TooMany,
        EmptyTitle
    };

    ConnectionList(SettingsFile file, QRandomGenerator& random);

    // The three built-in entries, with their random parts drawn anew.
    static QList<TConnection> defaultEntries(QRandomGenerator& random);
    // "Tol" followed by a name from the guest name pool.
    static QString guestHandle(QRandomGenerator& random);

    // Never throws: a refused move of a plain password keeps it for this run and
    // leaves the message in writeProblem().
    void load();
    // Throws SettingsWriteError at the first refused write.
    void save();

    const QList<TConnection>& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    void setEntry(int index, const TConnection& entry);

    // Index of the entry selected last, or -1 when the list is empty.
    int lastConnection() const { return m_lastConnection; }
    void setLastConnection(int index);

    AddResult add(const QString& title);
    void remove(int index);

    // The entry selected last with the proxy, as OK would hand them over unchanged;
    // for connecting without the dialog. Nothing when the list is empty.
    std::optional<ConnectionChoice> lastUsedChoice() const;

    const FirewallSettings& firewall() const { return m_firewall; }
    void setFirewall(const FirewallSettings& firewall) { m_firewall = firewall; }

    const std::optional<QString>& writeProblem() const { return m_writeProblem; }

private:
    TConnection readEntry(int index, const TConnection& byDefault);
    QString readPassword(const QString& section, const QString& plainKey,
                         const QString& scrambledKey, const QString& byDefault);
    void writeEntry(int index, const TConnection& entry);
    FirewallSettings readFirewall();
    void writeFirewall();

    SettingsFile m_file;
    QRandomGenerator& m_random;
    QList<TConnection> m_entries;
    int m_lastConnection = -1;
    FirewallSettings m_firewall;
    std::optional<QString> m_writeProblem;
};
