#pragma once

#include "session/BoardSink.h"
#include "session/ChatSink.h"
#include "session/ListPaneSink.h"
#include "session/ReplyWindowsSink.h"
#include "session/SoundSink.h"

// Stands in for the receivers of server lines whose windows are not part of
// the main window yet (boards, chat windows, sounds, list pane, list windows).
// Each drops what it is given.
class UnwiredReceivers : public BoardSink,
                         public ChatSink,
                         public ListPaneSink,
                         public ReplyWindowsSink,
                         public SoundSink
{
public:
    void style12Line(const QByteArray&) override {}
    void gameEnded(const QByteArray&, int) override {}
    void gameLeft(int) override {}
    void refreshBoards() override {}
    void setPendingGameInfo(const QByteArray&) override {}
    void setPartnerGame(int) override {}
    void applyHoldings(int, const QByteArray&) override {}

    bool includeShouts() const override { return true; }
    bool includeChannelTells() const override { return true; }
    void fanOut(const QByteArray&, const QByteArray&, TextKind, const QByteArray&, bool) override
    {
    }
    void direct(const QByteArray&, const QByteArray&, TextKind, const QByteArray&) override {}
    void channel(const QByteArray&, const QByteArray&) override {}

    int selectedListTab() const override { return 0; }
    bool paneShows(const QList<QByteArray>&) const override { return false; }
    bool seekGraphView() const override { return false; }
    void deliverToSeekGraph(const QList<QByteArray>&) override {}
    void replacePane(const QList<QByteArray>&, int) override {}
    void stopRefreshCountdown() override {}
    void armRefreshCountdown() override {}

    void loadListWindow(ListWindow, const QList<QByteArray>&) override {}
    void showListWindow(ListWindow) override {}
    void appendToCommandsWindow(const QByteArray&) override {}
    void showCommandsWindow() override {}

    void playSound(const QString&) override {}
};
