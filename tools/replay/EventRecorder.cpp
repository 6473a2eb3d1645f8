#include "EventRecorder.h"

#include "JsonText.h"
#include "session/SessionPipeline.h"

using JsonText::quoted;

namespace {

QByteArray number(int value)
{
    return QByteArray::number(value);
}

QByteArray textField(const QByteArray& text)
{
    return ",\"text\":" + quoted(text);
}

} // namespace

EventRecorder::EventRecorder(LoginState loginState, int listTab, Output output)
    : m_loginState(loginState), m_listTab(listTab), m_output(std::move(output))
{
}

SessionReceivers EventRecorder::receivers()
{
    return SessionReceivers{*this, *this, *this, *this, *this, *this, *this, *this};
}

void EventRecorder::watch(SessionPipeline& pipeline)
{
    QObject::connect(&pipeline, &SessionPipeline::lineSuppressed, [this](const QByteArray& line) {
        m_output("{\"ev\":\"suppressed\"" + textField(line) + "}");
    });
    QObject::connect(&pipeline, &SessionPipeline::lineCaptured, [this](const QByteArray& line) {
        m_output("{\"ev\":\"captured\"" + textField(line) + "}");
    });
    QObject::connect(&pipeline, &SessionPipeline::replyRouted,
                     [this](const BlockReplyRouter::Routed& routed) { reply(routed); });
}

void EventRecorder::appendToTerminal(const QByteArray& text, TextKind kind, const QByteArray& key)
{
    const QByteArray kindField = ",\"kind\":" + number(int(kind));
    if (text.endsWith("\r\n")) {
        m_output("{\"ev\":\"line\"" + kindField + ",\"key\":" + quoted(key)
                 + textField(text.chopped(2)) + "}");
    } else {
        m_output("{\"ev\":\"partial\"" + kindField + textField(text) + "}");
    }
}

void EventRecorder::board(const char* call, int game, const QByteArray* text)
{
    QByteArray json = QByteArray("{\"ev\":\"board\",\"call\":\"") + call + "\"";
    if (game >= 0)
        json += ",\"game\":" + number(game);
    if (text)
        json += textField(*text);
    m_output(json + "}");
}

void EventRecorder::style12Line(const QByteArray& line)
{
    board("Style12Line", -1, &line);
}

void EventRecorder::gameEnded(const QByteArray& line, int game)
{
    board("GameEnded", game, &line);
}

void EventRecorder::gameLeft(int game)
{
    board("GameLeft", game, nullptr);
}

void EventRecorder::refreshBoards()
{
    board("RefreshBoards", -1, nullptr);
}

void EventRecorder::setPendingGameInfo(const QByteArray& line)
{
    board("PendingGameInfo", -1, &line);
}

void EventRecorder::setPartnerGame(int game)
{
    board("PartnerGame", game, nullptr);
}

void EventRecorder::applyHoldings(int game, const QByteArray& line)
{
    board("ApplyHoldings", game, &line);
}

void EventRecorder::clockPaused(int game, bool paused)
{
    board(paused ? "ClockPaused" : "ClockResumed", game, nullptr);
}

void EventRecorder::chat(const char* route, const QByteArray& line, const QByteArray& speaker,
                         TextKind kind, const QByteArray& other, const bool* includeMain)
{
    QByteArray json = QByteArray("{\"ev\":\"chat\",\"route\":\"") + route + "\",\"kind\":"
                      + number(int(kind)) + ",\"speaker\":" + quoted(speaker)
                      + ",\"other\":" + quoted(other);
    if (includeMain)
        json += QByteArray(",\"main\":") + (*includeMain ? "true" : "false");
    m_output(json + textField(line) + "}");
}

void EventRecorder::fanOut(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                           const QByteArray& other, bool includeMain)
{
    chat("fanout", line, speaker, kind, other, &includeMain);
}

void EventRecorder::direct(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                           const QByteArray& other)
{
    chat("direct", line, speaker, kind, other, nullptr);
}

void EventRecorder::channel(const QByteArray& line, const QByteArray& speaker,
                            const QByteArray& other)
{
    chat("channel", line, speaker, TextKind::ChannelTell, other, nullptr);
}

void EventRecorder::playSound(const QString& name)
{
    m_output("{\"ev\":\"sound\",\"name\":" + quoted(name.toLatin1()) + "}");
}

void EventRecorder::deliverToSeekGraph(const QList<QByteArray>& lines)
{
    replacePane(lines, m_listTab);
}

void EventRecorder::replacePane(const QList<QByteArray>& lines, int tab)
{
    m_pane = lines;
    QByteArray json = "{\"ev\":\"capture\",\"n\":" + number(tab) + ",\"lines\":[";
    for (qsizetype i = 0; i < lines.size(); ++i)
        json += (i ? "," : "") + quoted(lines[i]);
    m_output(json + "]}");
}

void EventRecorder::sendCommand(const QString& commands)
{
    m_output("{\"ev\":\"send\",\"text\":" + quoted(commands.toLatin1()) + "}");
}

void EventRecorder::sendSecretLine(const QString&)
{
    m_output(R"({"ev":"send","text":"********"})");
}

void EventRecorder::reply(const BlockReplyRouter::Routed& routed)
{
    QByteArray to;
    for (const BlockReplyRouter::Destination destination : routed.destinations)
        to += QByteArray(to.isEmpty() ? "" : ",") + '"'
              + BlockReplyRouter::destinationName(destination) + '"';
    const BlockReply& reply = routed.reply;
    m_output("{\"ev\":\"reply\",\"id\":" + quoted(reply.identifier) + ",\"code\":"
             + quoted(reply.commandCode) + ",\"to\":[" + to + "]" + textField(reply.text) + "}");
}
