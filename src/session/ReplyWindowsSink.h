#pragma once

#include <QByteArray>
#include <QList>

// The windows that block-mode replies are routed to.
class ReplyWindowsSink
{
public:
    enum class ListWindow { History, Stored, Journal, Vars };

    virtual ~ReplyWindowsSink() = default;

    virtual void loadListWindow(ListWindow window, const QList<QByteArray>& lines) = 0;
    // Shows the window, or brings it to the front when it is already shown.
    virtual void showListWindow(ListWindow window) = 0;

    virtual void appendToCommandsWindow(const QByteArray& text) = 0;
    virtual void showCommandsWindow() = 0;
};
