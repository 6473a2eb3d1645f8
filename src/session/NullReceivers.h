#pragma once

#include "session/BoardSink.h"
#include "session/ChatSink.h"
#include "session/CommandSender.h"
#include "session/ListPaneSink.h"
#include "session/LoginSink.h"
#include "session/ReplyWindowsSink.h"
#include "session/SessionReceivers.h"
#include "session/SoundSink.h"
#include "session/TerminalSink.h"

// Receivers that take everything and do nothing: for measuring the pipeline and
// the dispatcher alone, and for the main window's receivers whose windows do not
// exist yet.
class NullReceivers : public TerminalSink,
                      public LoginSink,
                      public BoardSink,
                      public ChatSink,
                      public SoundSink,
                      public ListPaneSink,
                      public CommandSender,
                      public ReplyWindowsSink
{
public:
    SessionReceivers receivers()
    {
        return SessionReceivers{*this, *this, *this, *this, *this, *this, *this, *this};
    }

    void terminalUpkeep() override {}
    void appendToTerminal(const QByteArray&, TextKind, const QByteArray&) override {}
    LoginState loginState() const override { return LoginState::Ready; }
    void loginLine(const QByteArray&, const QByteArray&, bool) override {}
    void style12Line(const QByteArray&) override {}
    void gameEnded(const QByteArray&, int) override {}
    void gameLeft(int) override {}
    void refreshBoards() override {}
    void setPendingGameInfo(const QByteArray&) override {}
    void setPartnerGame(int) override {}
    void applyHoldings(int, const QByteArray&) override {}
    void clockPaused(int, bool) override {}
    bool includeShouts() const override { return true; }
    bool includeChannelTells() const override { return true; }
    void fanOut(const QByteArray&, const QByteArray&, TextKind, const QByteArray&, bool) override {}
    void direct(const QByteArray&, const QByteArray&, TextKind, const QByteArray&) override {}
    void channel(const QByteArray&, const QByteArray&, const QByteArray&) override {}
    void playSound(const QString&) override {}
    int selectedListTab() const override { return 2; }
    bool paneShows(const QList<QByteArray>&) const override { return false; }
    bool seekGraphView() const override { return false; }
    void deliverToSeekGraph(const QList<QByteArray>&) override {}
    void replacePane(const QList<QByteArray>&, int) override {}
    void stopRefreshCountdown() override {}
    void armRefreshCountdown() override {}
    void sendCommand(const QString&) override {}
    void loadListWindow(ListWindow, const QList<QByteArray>&) override {}
    void showListWindow(ListWindow) override {}
    void appendToCommandsWindow(const QByteArray&) override {}
    void showCommandsWindow() override {}
};
