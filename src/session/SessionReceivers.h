#pragma once

class BoardSink;
class ChatSink;
class CommandSender;
class ListPaneSink;
class LoginSink;
class ReplyWindowsSink;
class SoundSink;
class TerminalSink;

// Everything the session pipeline hands server text to. The main window wires the
// real receivers; tests and the replay tool wire recording ones.
struct SessionReceivers
{
    TerminalSink& terminal;
    LoginSink& login;
    BoardSink& boards;
    ChatSink& chat;
    SoundSink& sounds;
    ListPaneSink& listPane;
    CommandSender& commands;
    ReplyWindowsSink& replyWindows;
};
