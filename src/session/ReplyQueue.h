#pragma once

#include <QByteArray>
#include <QList>

#include <utility>

// One raw block-mode reply, from its start character (21) through its end
// character (23), with the "block unset." remnants removed.
struct TPACKET
{
    QByteArray raw;
};

// Replies waiting for the deferred reply event, oldest first.
class ReplyQueue
{
public:
    void enqueue(const QByteArray& raw) { m_packets.append(TPACKET{raw}); }
    bool isEmpty() const { return m_packets.isEmpty(); }
    qsizetype size() const { return m_packets.size(); }
    // Hands over every queued reply and leaves the queue empty.
    QList<TPACKET> takeAll() { return std::exchange(m_packets, {}); }
    void clear() { m_packets.clear(); }

private:
    QList<TPACKET> m_packets;
};
