#include "chat/ChatRouter.h"

#include "chat/ChatTarget.h"
#include "chat/ChatWindowRouting.h"

ChatRouter::ChatRouter(ChatTarget& mainWindow) : m_main(mainWindow) {}

void ChatRouter::setBoardPane(int slot, ChatTarget* pane)
{
    if (slot >= 0 && slot < BoardSlots)
        m_boardPanes[std::size_t(slot)] = pane;
}

void ChatRouter::addFiltered(ChatTarget* window)
{
    if (window && !m_filtered.contains(window))
        m_filtered.append(window);
}

void ChatRouter::removeFiltered(ChatTarget* window)
{
    m_filtered.removeAll(window);
}

bool ChatRouter::includeShouts() const
{
    return m_main.routing().includeShouts;
}

bool ChatRouter::includeChannelTells() const
{
    return m_main.routing().includeChannelTells;
}

void ChatRouter::fanOut(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                        const QByteArray& other, bool includeMain)
{
    if (m_observer)
        m_observer(line, speaker, kind, other);
    if (includeMain)
        m_main.takeLine(line, speaker, kind, other);
    for (ChatTarget* pane : m_boardPanes) {
        if (pane)
            pane->takeLine(line, speaker, kind, other);
    }
    // A window closed by what it was given leaves the list meanwhile.
    const QList<ChatTarget*> windows = m_filtered;
    for (ChatTarget* window : windows) {
        if (m_filtered.contains(window))
            window->takeLine(line, speaker, kind, other);
    }
}

void ChatRouter::direct(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                        const QByteArray& other)
{
    m_main.takeLine(line, speaker, kind, other);
}

void ChatRouter::channel(const QByteArray& line, const QByteArray& speaker,
                         const QByteArray& other)
{
    m_main.takeLine(line, speaker, TextKind::ChannelTell, other);
    for (ChatTarget* pane : m_boardPanes) {
        if (pane)
            pane->takeLine(line, speaker, TextKind::ChannelTell, other);
    }
}
