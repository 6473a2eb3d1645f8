#pragma once

#include "settings/TextKind.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Which chat lines one chat window takes: a list of keywords, handles and
// channels ("(50)"), compared without regard to letter case, and the
// accept-all switch that overrides every refusal.
class ChatFilter
{
public:
    static inline const QString AllMessages = QStringLiteral("ALL_MSGS");
    static inline const QString AllUsers = QStringLiteral("ALL_USERS");
    static inline const QString AllChannels = QStringLiteral("ALL_CHANNELS");
    static inline const QString AllUsersAndChannels = QStringLiteral("ALL_USERSCHANNELSTELLS");
    static inline const QString AllShouts = QStringLiteral("ALL_SHOUT");
    static inline const QString AllCShouts = QStringLiteral("ALL_CSHOUT");

    // Every keyword, in the order a filtered window's filter list holds them.
    static QStringList keywords();

    // The main chat window: every keyword and accept all.
    static ChatFilter everything();
    // A board's chat pane: the chat of users only.
    static ChatFilter boardPane();
    // From the filter text of a stored window: words split at spaces; accept
    // all when "ALL_MSGS" is among them.
    static ChatFilter fromText(const QString& text);

    void add(const QString& entry);
    bool contains(const QString& entry) const;
    const QStringList& entries() const { return m_entries; }
    bool acceptsAll() const { return m_acceptAll; }
    void setAcceptAll(bool on) { m_acceptAll = on; }

    // Each entry preceded by one space, in list order.
    QString filterText() const;

    // Step one of taking a line: the decision by kind alone.
    bool admits(const QByteArray& line, const QByteArray& speaker, TextKind kind) const;

    // 'ALICE(1500)' -> 'ALICE': a handle filter takes every title and rating.
    static QString handleOf(const QByteArray& speaker);
    // The channel of a channel tell line, "(50)", from the text before its first ":".
    static QString channelOf(const QByteArray& line);

private:
    QStringList m_entries;
    bool m_acceptAll = false;
};
