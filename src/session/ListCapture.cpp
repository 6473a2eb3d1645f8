#include "session/ListCapture.h"

#include "session/ListPaneSink.h"

ListCapture::ListCapture(ListPaneSink& pane) : m_pane(pane) {}

void ListCapture::clear()
{
    m_running = false;
    m_collecting = false;
    m_lines.clear();
}

void ListCapture::marker(int n)
{
    if (n != 0) {
        clear();
        m_running = true;
        m_number = n;
        m_collecting = n == m_pane.selectedListTab();
        m_pane.stopRefreshCountdown();
        return;
    }
    if (m_running && !m_pane.paneShows(m_lines)) {
        const int tab = m_pane.selectedListTab();
        if (tab == SeekListTab && m_pane.seekGraphView())
            m_pane.deliverToSeekGraph(m_lines);
        else
            m_pane.replacePane(m_lines, tab);
    }
    clear();
    m_pane.armRefreshCountdown();
}

void ListCapture::take(QByteArray line)
{
    if (m_collecting)
        m_lines.append(std::move(line));
}
