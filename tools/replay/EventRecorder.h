#pragma once

#include "session/BoardSink.h"
#include "session/BlockReplyRouter.h"
#include "session/ChatSink.h"
#include "session/ListPaneSink.h"
#include "session/LoginSink.h"
#include "session/ReplyWindowsSink.h"
#include "session/SecretCommandSender.h"
#include "session/SessionReceivers.h"
#include "session/SoundSink.h"
#include "session/TerminalSink.h"

#include <QByteArray>
#include <QList>

#include <functional>

class SessionPipeline;

// Stands in for every receiver of the session pipeline and reports each hand-off
// as one JSON object, in the order they happen. Used by the replay tool and by
// the tests that compare a capture's events.
class EventRecorder : public TerminalSink,
                      public LoginSink,
                      public BoardSink,
                      public ChatSink,
                      public SoundSink,
                      public ListPaneSink,
                      public SecretCommandSender,
                      public ReplyWindowsSink
{
public:
    using Output = std::function<void(const QByteArray& json)>;

    EventRecorder(LoginState loginState, int listTab, Output output);

    SessionReceivers receivers();
    // Reports the pipeline's own events: suppressed and captured lines, routed replies.
    void watch(SessionPipeline& pipeline);

    void terminalUpkeep() override {}
    void appendToTerminal(const QByteArray& text, TextKind kind, const QByteArray& key) override;

    LoginState loginState() const override { return m_loginState; }
    void loginLine(const QByteArray&, const QByteArray&, bool) override {}

    void style12Line(const QByteArray& line) override;
    void gameEnded(const QByteArray& line, int game) override;
    void gameLeft(int game) override;
    void refreshBoards() override;
    void setPendingGameInfo(const QByteArray& line) override;
    void setPartnerGame(int game) override;
    void applyHoldings(int game, const QByteArray& line) override;
    void clockPaused(int game, bool paused) override;

    bool includeShouts() const override { return true; }
    bool includeChannelTells() const override { return true; }
    void fanOut(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                const QByteArray& other, bool includeMain) override;
    void direct(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                const QByteArray& other) override;
    void channel(const QByteArray& line, const QByteArray& speaker,
                 const QByteArray& other) override;

    void playSound(const QString& name) override;

    int selectedListTab() const override { return m_listTab; }
    bool paneShows(const QList<QByteArray>& lines) const override { return m_pane == lines; }
    bool seekGraphView() const override { return false; }
    void deliverToSeekGraph(const QList<QByteArray>& lines) override;
    void replacePane(const QList<QByteArray>& lines, int tab) override;
    void stopRefreshCountdown() override {}
    void armRefreshCountdown() override {}

    void sendCommand(const QString& commands) override;
    // Shown masked, as the trace shows it.
    void sendSecretLine(const QString& line) override;

    void loadListWindow(ListWindow, const QList<QByteArray>&) override {}
    void showListWindow(ListWindow) override {}
    void appendToCommandsWindow(const QByteArray&) override {}
    void showCommandsWindow() override {}

private:
    void board(const char* call, int game, const QByteArray* text);
    void chat(const char* route, const QByteArray& line, const QByteArray& speaker, TextKind kind,
              const QByteArray& other, const bool* includeMain);
    void reply(const BlockReplyRouter::Routed& routed);

    LoginState m_loginState;
    int m_listTab;
    Output m_output;
    QList<QByteArray> m_pane;
};
