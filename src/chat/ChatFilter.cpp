#include "chat/ChatFilter.h"

#include "chat/TerminalText.h"

QStringList ChatFilter::keywords()
{
    return {AllMessages, AllUsers, AllUsersAndChannels, AllChannels, AllShouts, AllCShouts};
}

ChatFilter ChatFilter::everything()
{
    ChatFilter filter;
    for (const QString& keyword : keywords())
        filter.add(keyword);
    filter.setAcceptAll(true);
    return filter;
}

ChatFilter ChatFilter::boardPane()
{
    ChatFilter filter;
    filter.add(AllUsers);
    return filter;
}

ChatFilter ChatFilter::fromText(const QString& text)
{
    ChatFilter filter;
    for (const QString& word : text.trimmed().split(u' ', Qt::SkipEmptyParts))
        filter.add(word.trimmed());
    filter.setAcceptAll(filter.contains(AllMessages));
    return filter;
}

void ChatFilter::add(const QString& entry)
{
    if (!entry.isEmpty())
        m_entries.append(entry);
}

bool ChatFilter::contains(const QString& entry) const
{
    return !entry.isEmpty() && m_entries.contains(entry, Qt::CaseInsensitive);
}

QString ChatFilter::filterText() const
{
    QString text;
    for (const QString& entry : m_entries)
        text += u' ' + entry;
    return text;
}

QString ChatFilter::handleOf(const QByteArray& speaker)
{
    const qsizetype open = speaker.indexOf('(');
    return QString::fromLatin1(open < 0 ? speaker : speaker.left(open));
}

QString ChatFilter::channelOf(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    const QByteArray speaker = colon < 0 ? line : line.left(colon);
    return TerminalText::SplitChannelSpeaker(QString::fromLatin1(speaker)).channel;
}

bool ChatFilter::admits(const QByteArray& line, const QByteArray& speaker, TextKind kind) const
{
    if (m_acceptAll)
        return true;
    switch (kind) {
    case TextKind::Shout:
        return contains(AllShouts);
    case TextKind::CShout:
        return contains(AllCShouts);
    case TextKind::ChannelTell:
        return contains(AllMessages) || contains(AllChannels) || contains(AllUsersAndChannels) ||
               contains(channelOf(line));
    case TextKind::Say:
    case TextKind::Tell:
    case TextKind::PTell:
    case TextKind::Kibitz:
        return contains(AllMessages) || contains(AllUsers) || contains(AllUsersAndChannels) ||
               contains(handleOf(speaker));
    default:
        return true;
    }
}
