#pragma once

#include "session/ChatSink.h"

#include <QList>

#include <array>
#include <functional>

class ChatTarget;

// Hands the dispatcher's chat lines to the chat windows: the main chat window,
// the chat panes of the four board slots and the filtered windows in their
// creation order. Only the main chat window's include flags steer routing.
class ChatRouter : public ChatSink
{
public:
    static constexpr int BoardSlots = 4;

    explicit ChatRouter(ChatTarget& mainWindow);
    ChatRouter(const ChatRouter&) = delete;
    ChatRouter& operator=(const ChatRouter&) = delete;

    // slot 0 to 3; nullptr when that board has no window.
    void setBoardPane(int slot, ChatTarget* pane);
    void addFiltered(ChatTarget* window);
    void removeFiltered(ChatTarget* window);
    const QList<ChatTarget*>& filtered() const { return m_filtered; }

    // Sees every line of the fan-out before the windows do (desktop notices).
    using LineObserver = std::function<void(const QByteArray& line, const QByteArray& speaker,
                                            TextKind kind, const QByteArray& other)>;
    void setLineObserver(LineObserver observer) { m_observer = std::move(observer); }

    bool includeShouts() const override;
    bool includeChannelTells() const override;
    void fanOut(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                const QByteArray& other, bool includeMain) override;
    void direct(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                const QByteArray& other) override;
    void channel(const QByteArray& line, const QByteArray& speaker,
                 const QByteArray& other) override;

private:
    ChatTarget& m_main;
    std::array<ChatTarget*, BoardSlots> m_boardPanes{};
    QList<ChatTarget*> m_filtered;
    LineObserver m_observer;
};
