#include "support/PipelineHarness.h"

#include <QCoreApplication>

PipelineHarness::PipelineHarness(LoginState loginState, int listTab)
    : m_recorder(loginState, listTab, [this](const QByteArray& json) { m_events.append(json); }),
      m_pipeline(m_recorder.receivers(), m_trace, m_log)
{
    m_recorder.watch(m_pipeline);
}

void PipelineHarness::feed(const QByteArrayList& chunks)
{
    for (const QByteArray& chunk : chunks) {
        m_pipeline.chunkIntake(chunk);
        QCoreApplication::sendPostedEvents();
    }
}

QByteArrayList PipelineHarness::events(const QByteArray& ev) const
{
    const QByteArray prefix = "{\"ev\":\"" + ev + "\"";
    QByteArrayList found;
    for (const QByteArray& event : m_events) {
        if (event.startsWith(prefix))
            found.append(event);
    }
    return found;
}
