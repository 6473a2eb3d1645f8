#include "session/BlockReplyRouter.h"

#include "session/TraceLog.h"

#include <optional>

namespace {

using ListWindow = ReplyWindowsSink::ListWindow;
using Destination = BlockReplyRouter::Destination;

std::optional<ListWindow> listWindowFor(const QByteArray& code)
{
    if (code == "51")
        return ListWindow::History;
    if (code == "127")
        return ListWindow::Stored;
    if (code == "60")
        return ListWindow::Journal;
    if (code == "143")
        return ListWindow::Vars;
    return std::nullopt;
}

Destination destinationOf(ListWindow window)
{
    switch (window) {
    case ListWindow::History:
        return Destination::History;
    case ListWindow::Stored:
        return Destination::Stored;
    case ListWindow::Journal:
        return Destination::Journal;
    case ListWindow::Vars:
        return Destination::Vars;
    }
    return Destination::Commands;
}

} // namespace

BlockReplyRouter::BlockReplyRouter(ReplyWindowsSink& windows, const TraceLog& trace)
    : m_windows(windows), m_trace(trace)
{
}

const char* BlockReplyRouter::destinationName(Destination destination)
{
    switch (destination) {
    case Destination::History:
        return "history";
    case Destination::Stored:
        return "stored";
    case Destination::Journal:
        return "journal";
    case Destination::Vars:
        return "vars";
    case Destination::Commands:
        return "commands";
    }
    return "";
}

BlockReplyRouter::Routed BlockReplyRouter::route(const QByteArray& raw)
{
    m_trace.write(TraceLog::TraceFile, {">>>PROCESSPACKET DATAIN>>>", raw, "<<<<"}, true);
    Routed routed{BlockReply::parse(raw), {}};
    const BlockReply& reply = routed.reply;
    const QList<QByteArray> lines = reply.lines();
    m_trace.write(TraceLog::ScopeFile,
                  {">>>Processed Packet >>>>", reply.text, "<<<< Cmd:", reply.identifier, " Code:",
                   reply.commandCode, "<<<<"},
                  true);

    bool toCommands = true;
    if (const std::optional<ListWindow> window = listWindowFor(reply.commandCode)) {
        // The variables window is shown before it is filled; the others after.
        if (*window == ListWindow::Vars)
            m_windows.showListWindow(*window);
        m_windows.loadListWindow(*window, lines);
        if (*window != ListWindow::Vars)
            m_windows.showListWindow(*window);
        routed.destinations.append(destinationOf(*window));
        toCommands = reply.identifier == SharedIdentifier;
    }
    if (toCommands) {
        m_windows.appendToCommandsWindow(reply.text);
        m_showCommands = true;
        routed.destinations.append(Destination::Commands);
    }
    return routed;
}

void BlockReplyRouter::finishEvent()
{
    if (std::exchange(m_showCommands, false))
        m_windows.showCommandsWindow();
}
