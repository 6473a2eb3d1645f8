#include "shell/MainSession.h"

#include "session/SessionReceivers.h"

#include <QRandomGenerator>

MainSession::MainSession(TerminalSink& terminal, ChatSink& chat, SoundSink& sounds,
                         ListPaneSink& listPane, ReplyWindowsSink& replyWindows)
    : m_chat(chat), m_sounds(sounds), m_commands(m_socket, m_trace),
      m_login(m_commands, m_loginQuestions, *QRandomGenerator::global()),
      m_pipeline(SessionReceivers{terminal, m_login, m_boards, chat, sounds, listPane,
                                  m_commands, replyWindows},
                 m_trace, m_sessionLog)
{
    m_trace.ensureFile(TraceLog::TraceFile);
    m_trace.ensureFile(TraceLog::ScopeFile);
    QObject::connect(&m_socket, &ServerSocket::dataAvailable, &m_pipeline,
                     [this] { m_pipeline.chunkIntake(m_socket.receiveAll()); });
    QObject::connect(&m_socket, &ServerSocket::sessionConnected, &m_pipeline, [this](int error) {
        if (error == 0)
            m_pipeline.connectionStarted();
    });
    QObject::connect(&m_socket, &ServerSocket::sessionClosed, &m_pipeline,
                     [this] { m_pipeline.connectionClosed(); });
}

void MainSession::disconnect()
{
    if (!m_socket.isConnected())
        return;
    m_commands.sendCommand(QStringLiteral("exit"));
    m_socket.close();
}
