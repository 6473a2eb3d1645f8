#pragma once

#include "session/BlockReply.h"
#include "session/ReplyWindowsSink.h"

#include <QList>

class TraceLog;

// Sends each block-mode reply to the window that asked for it. Replies are matched
// by their command code (and the shared identifier 500), never by remembering
// which requests are outstanding.
class BlockReplyRouter
{
public:
    enum class Destination { History, Stored, Journal, Vars, Commands };

    struct Routed
    {
        BlockReply reply;
        QList<Destination> destinations;
    };

    static inline const QByteArray SharedIdentifier = "500";

    BlockReplyRouter(ReplyWindowsSink& windows, const TraceLog& trace);
    BlockReplyRouter(const BlockReplyRouter&) = delete;
    BlockReplyRouter& operator=(const BlockReplyRouter&) = delete;

    // Parses and routes one raw block; the reply's text is then shown in the terminal too.
    Routed route(const QByteArray& raw);
    // Brings up the Commands window when a reply of this event went there.
    void finishEvent();

    static const char* destinationName(Destination destination);

private:
    ReplyWindowsSink& m_windows;
    const TraceLog& m_trace;
    bool m_showCommands = false;
};
