#pragma once

#include "chat/ChatFilter.h"

#include <QStringList>

// What one chat window does with a line offered to it: whether it takes it,
// the handle it adds to its recipient list, and whether it pops up. Keeps the
// window's routing fields; the window shows what this decides.
class ChatWindowRouting
{
public:
    enum class PopUp
    {
        None,
        Tell,
        Say
    };

    struct Outcome
    {
        bool taken = false;
        QString handle;       // the speaker word up to its first "("
        QString channel;      // of a channel tell, for its font
        int recipientAt = -1; // where the handle went into the recipient list, if it was new
        PopUp popUp = PopUp::None;
    };

    // What the window can tell about itself at the moment a line arrives.
    struct WindowState
    {
        bool hidden = false;
        bool boardsViewShown = false;
    };

    explicit ChatWindowRouting(ChatFilter filter = ChatFilter::everything());

    ChatFilter& filter() { return m_filter; }
    const ChatFilter& filter() const { return m_filter; }

    bool includeShouts = true;
    bool includeChannelTells = true;
    bool popUpOnTells = false;
    bool popUpOnSays = false;

    // Sorted, without duplicates and without empty entries.
    const QStringList& recipients() const { return m_recipients; }
    // Where the recipient went into the list, or -1 when it was there already (or empty).
    int addRecipient(const QString& recipient);

    Outcome takeLine(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                     const QByteArray& other, WindowState window);

private:
    ChatFilter m_filter;
    QStringList m_recipients;
    bool m_tookPrevious = false; // a continuation line follows its first part
};
