#pragma once

#include <QByteArray>
#include <QList>

// The list pane, its tab row and the seek graph, as a list capture needs them.
class ListPaneSink
{
public:
    virtual ~ListPaneSink() = default;

    virtual int selectedListTab() const = 0;
    // True when the pane already shows exactly these lines.
    virtual bool paneShows(const QList<QByteArray>& lines) const = 0;
    // True when the seek list is set to its graph view.
    virtual bool seekGraphView() const = 0;
    virtual void deliverToSeekGraph(const QList<QByteArray>& lines) = 0;
    // Replaces the pane's text (moving input focus away from the pane first when
    // it has it) and remembers tab as the one last shown.
    virtual void replacePane(const QList<QByteArray>& lines, int tab) = 0;
    virtual void stopRefreshCountdown() = 0;
    virtual void armRefreshCountdown() = 0;
};
