#include "chat/ChatWindowRouting.h"

#include <algorithm>

ChatWindowRouting::ChatWindowRouting(ChatFilter filter) : m_filter(std::move(filter)) {}

// Every speaker passes here, so the sorted list is searched, not walked.
int ChatWindowRouting::addRecipient(const QString& recipient)
{
    const auto at = std::lower_bound(m_recipients.begin(), m_recipients.end(), recipient);
    if (recipient.isEmpty() || (at != m_recipients.end() && *at == recipient))
        return -1;
    const int index = int(at - m_recipients.begin());
    m_recipients.insert(index, recipient);
    return index;
}

ChatWindowRouting::Outcome ChatWindowRouting::takeLine(const QByteArray& line,
                                                       const QByteArray& speaker, TextKind kind,
                                                       const QByteArray& other, WindowState window)
{
    const bool continuation = line.startsWith('\\');
    Outcome outcome;
    outcome.taken = m_filter.admits(line, speaker, kind) || (continuation && m_tookPrevious);
    m_tookPrevious = outcome.taken;
    if (!outcome.taken)
        return outcome;

    outcome.handle = ChatFilter::handleOf(speaker);
    if (kind == TextKind::ChannelTell)
        outcome.channel = ChatFilter::channelOf(line);
    if (continuation)
        return outcome;

    outcome.recipientAt = addRecipient(outcome.handle);
    if (!window.hidden || window.boardsViewShown)
        return outcome;
    // 'alice (your partner) tells you:' has "(YOUR" as its second word.
    const bool tell =
        other.startsWith("TELLS") || other.startsWith("PTELLS") || kind == TextKind::PTell;
    if (popUpOnTells && tell && !outcome.handle.isEmpty())
        outcome.popUp = PopUp::Tell;
    else if (popUpOnSays && other.startsWith("SAYS"))
        outcome.popUp = PopUp::Say;
    return outcome;
}
