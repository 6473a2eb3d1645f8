#pragma once

#include "EventRecorder.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/TraceLog.h"

#include <QByteArrayList>

// A session pipeline wired to an event recorder: feed chunks, read the events
// back as the replay tool prints them.
class PipelineHarness
{
public:
    explicit PipelineHarness(LoginState loginState = LoginState::Ready, int listTab = 2);

    // Each chunk goes through chunk intake; the deferred reply events run after it.
    void feed(const QByteArrayList& chunks);
    void feed(const QByteArray& chunk) { feed(QByteArrayList{chunk}); }

    // Only the events of one kind ("line", "chat", ...), in order.
    QByteArrayList events(const QByteArray& ev) const;
    const QByteArrayList& allEvents() const { return m_events; }
    void clearEvents() { m_events.clear(); }

    SessionPipeline& pipeline() { return m_pipeline; }

private:
    QByteArrayList m_events;
    EventRecorder m_recorder;
    TraceLog m_trace{false};
    SessionLog m_log;
    SessionPipeline m_pipeline;
};
