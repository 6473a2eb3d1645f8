#include "session/SessionPipeline.h"

#include "session/LoginSink.h"
#include "session/ServerText.h"
#include "session/SessionLog.h"
#include "session/TerminalSink.h"
#include "session/TraceLog.h"


namespace {
const QByteArray CrLf = "\r\n";
} // namespace

SessionPipeline::SessionPipeline(const SessionReceivers& receivers, const TraceLog& trace,
                                 SessionLog& sessionLog, QObject* parent)
    : QObject(parent), m_receivers(receivers), m_trace(trace), m_sessionLog(sessionLog),
      m_assembler(*this), m_dispatcher(receivers), m_router(receivers.replyWindows, trace)
{
}

void SessionPipeline::chunkIntake(const QByteArray& chunk)
{
    m_trace.write(TraceLog::TraceFile, {">>>DATAIN>>>", chunk, "<<<<"}, true);
    BlockAssembler::Result extracted = m_blocks.extract(m_telnet.filter(chunk));
    if (!extracted.blocks.isEmpty()) {
        for (const QByteArray& block : std::as_const(extracted.blocks)) {
            m_replies.enqueue(block);
            m_trace.write(TraceLog::ScopeFile, {">>>Got Packet >>>>", block, "<<<<"}, true);
        }
        QMetaObject::invokeMethod(this, &SessionPipeline::handleReplies, Qt::QueuedConnection);
    }
    QByteArray& plain = extracted.plain;
    if (ServerText::find(plain, BlockSetAnswer) >= 0)
        plain.replace(BlockSetAnswer, " ");
    feedText(plain);
}

void SessionPipeline::feedText(QByteArrayView text)
{
    m_receivers.terminal.terminalUpkeep();
    m_assembler.feed(text);
    if (m_receivers.login.loginState() != LoginState::Ready)
        flushPartialLine();
}

void SessionPipeline::connectionStarted()
{
    m_replies.clear();
    m_assembler.resetSession();
    m_blocks.reset();
    m_telnet.reset();
}

void SessionPipeline::connectionClosed()
{
    m_replies.clear();
}

void SessionPipeline::handleReplies()
{
    if (m_replies.isEmpty())
        return;
    const QList<TPACKET> packets = m_replies.takeAll();
    for (const TPACKET& packet : packets) {
        const BlockReplyRouter::Routed routed = m_router.route(packet.raw);
        Q_EMIT replyRouted(routed);
        feedText(routed.reply.text);
    }
    m_router.finishEvent();
}

QByteArray SessionPipeline::fontKey(QByteArrayView line, QByteArrayView firstWord,
                                    QByteArrayView secondWord, TextKind kind)
{
    switch (kind) {
    case TextKind::ChannelTell: {
        const qsizetype colon = line.indexOf(':');
        return colon < 0 ? QByteArray() : line.first(colon).toByteArray();
    }
    case TextKind::Say:
    case TextKind::Tell:
    case TextKind::CShout:
    case TextKind::PTell:
    case TextKind::Kibitz:
        return firstWord.toByteArray();
    case TextKind::Shout:
        return (firstWord.startsWith('-') ? secondWord : firstWord).toByteArray();
    default:
        return {};
    }
}

void SessionPipeline::lineFinished()
{
    const bool suppressed = m_dispatcher.dispatch(m_assembler, LineDispatcher::Pass::First);
    const QByteArrayView line = m_assembler.line();
    if (suppressed) {
        if (m_sessionLog.isOpen())
            m_sessionLog.write(line.toByteArray() + CrLf);
        Q_EMIT lineSuppressed(QByteArray::fromRawData(line.data(), line.size()));
        return;
    }
    if (line.isEmpty() && m_assembler.promptSeen())
        return;
    m_assembler.setPromptSeen(false);

    ListCapture& capture = m_dispatcher.capture();
    const TextKind kind = m_assembler.kind();
    if (capture.isRunning() && kind == TextKind::Normal) {
        capture.take(line.toByteArray());
        Q_EMIT lineCaptured(QByteArray::fromRawData(line.data(), line.size()));
        return;
    }
    // One buffer serves every shown line: no allocation per line once it has grown.
    m_shown.resize(0);
    m_shown.append(line).append(CrLf);
    m_receivers.terminal.appendToTerminal(
        m_shown, kind, fontKey(line, m_assembler.word(0), m_assembler.word(1), kind));
    if (m_sessionLog.isOpen())
        m_sessionLog.write(m_shown);
}

// Before login, prompts come without a line end: show what the chunk left and
// let the dispatcher (and through it the login steps) see it.
void SessionPipeline::flushPartialLine()
{
    if (m_assembler.line().isEmpty() && !m_assembler.promptSeen())
        return;
    m_receivers.terminal.appendToTerminal(m_assembler.line().toByteArray(), m_assembler.kind(), {});
    m_dispatcher.dispatch(m_assembler, LineDispatcher::Pass::Flush);
    m_assembler.resetLine();
}
