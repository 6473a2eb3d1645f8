#pragma once

#include "support/HelperProcess.h"

#include <QProcess>
#include <QTemporaryDir>

// A private PulseAudio server with one null sink, and a recorder on that
// sink's monitor: what the client plays really goes through an audio server
// and can be heard back as samples. The server's address is put into this
// process's environment, so Qt Multimedia and the recorder use it.
class PulseNullSink
{
public:
    PulseNullSink() = default;
    PulseNullSink(const PulseNullSink&) = delete;
    PulseNullSink& operator=(const PulseNullSink&) = delete;
    ~PulseNullSink();

    bool start(QString* error);
    // Starts recording the monitor afresh, once what played before has ended.
    bool listen(QString* error);
    // Waits until the recording holds a sample above silence.
    bool heardSound(int timeoutMs);

private:
    bool loudestAboveSilence();

    QTemporaryDir m_runtime;
    HelperProcess m_server;
    QProcess m_recorder;
    QByteArray m_recorded;
};
