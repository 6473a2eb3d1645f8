#pragma once

#include "session/LoginSteps.h"
#include "net/ServerSocket.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/SocketCommandSender.h"
#include "session/TraceLog.h"
#include "session/ui/LoginInputBox.h"
#include "session/NullReceivers.h"

class ChatSink;
class ListPaneSink;
class ReplyWindowsSink;
class SoundSink;
class TerminalSink;

// The server session as the main window owns it: socket, command sender,
// trace and session log, and the pipeline that turns the socket's text into
// terminal lines.
class MainSession
{
public:
    MainSession(TerminalSink& terminal, ChatSink& chat, SoundSink& sounds,
                ListPaneSink& listPane, ReplyWindowsSink& replyWindows);
    MainSession(const MainSession&) = delete;
    MainSession& operator=(const MainSession&) = delete;

    ServerSocket& socket() { return m_socket; }
    CommandSender& commands() { return m_commands; }
    SocketCommandSender& socketCommands() { return m_commands; }
    LoginSteps& login() { return m_login; }
    LoginInputBox& loginQuestions() { return m_loginQuestions; }
    SessionPipeline& pipeline() { return m_pipeline; }
    SessionLog& sessionLog() { return m_sessionLog; }
    const TraceLog& trace() const { return m_trace; }

    // "E&xit" while connected: say goodbye to the server, then close.
    void disconnect();

private:
    TraceLog m_trace;
    SessionLog m_sessionLog;
    ServerSocket m_socket;
    SocketCommandSender m_commands;
    LoginInputBox m_loginQuestions;
    LoginSteps m_login;
    NullReceivers m_unwired; // the boards come later
    SessionPipeline m_pipeline;
};
