#pragma once

#include "session/BlockAssembler.h"
#include "session/BlockReplyRouter.h"
#include "session/LineAssembler.h"
#include "session/LineDispatcher.h"
#include "session/ReplyQueue.h"
#include "session/SessionReceivers.h"
#include "session/TelnetFilter.h"

#include <QObject>

class SessionLog;
class TraceLog;

// Turns the raw text of the server connection into tagged replies and classified
// lines:
//
//   chunk -> trace -> telnet filter -> block extraction -+-> plain text -> lines
//                                                        +-> reply queue
//   reply queue --(one event later)--> reply router -> reply text -> lines
//
// Each finished line goes through the line dispatcher and then to the terminal,
// the session log or a running list capture.
class SessionPipeline : public QObject, private LineAssembler::Handler
{
    Q_OBJECT

public:
    SessionPipeline(const SessionReceivers& receivers, const TraceLog& trace,
                    SessionLog& sessionLog, QObject* parent = nullptr);

    // Everything the socket had available, as one text.
    void chunkIntake(const QByteArray& chunk);
    // Terminal upkeep and line assembly on text outside blocks.
    void feedText(QByteArrayView text);

    // A connection opens: queued replies, the line, the kinds, prompt-seen and any
    // unfinished block are dropped.
    void connectionStarted();
    // A connection ends: queued replies are dropped.
    void connectionClosed();

    LineAssembler& assembler() { return m_assembler; }
    LineDispatcher& dispatcher() { return m_dispatcher; }
    qsizetype queuedReplies() const { return m_replies.size(); }

    // The font key of a line: the speaker for chat kinds, empty otherwise.
    static QByteArray fontKey(QByteArrayView line, QByteArrayView firstWord,
                              QByteArrayView secondWord, TextKind kind);

    static inline const QByteArray BlockSetAnswer = "block set.\n\r";

Q_SIGNALS:
    void lineSuppressed(const QByteArray& line);
    void lineCaptured(const QByteArray& line);
    void replyRouted(const BlockReplyRouter::Routed& routed);

private:
    void lineFinished() override;
    void flushPartialLine();
    void handleReplies();

    SessionReceivers m_receivers;
    const TraceLog& m_trace;
    SessionLog& m_sessionLog;
    TelnetFilter m_telnet;
    BlockAssembler m_blocks;
    ReplyQueue m_replies;
    LineAssembler m_assembler;
    LineDispatcher m_dispatcher;
    BlockReplyRouter m_router;
    QByteArray m_shown; // the line being shown, with its CR LF
};
