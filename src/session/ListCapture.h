#pragma once

#include <QByteArray>
#include <QList>

class ListPaneSink;

// Collects a list command's output between the "capt%%n" and "capt%%0" marker
// echoes, and hands it to the list pane (or the seek graph) at the end marker.
class ListCapture
{
public:
    static constexpr int SeekListTab = 2;

    explicit ListCapture(ListPaneSink& pane);
    ListCapture(const ListCapture&) = delete;
    ListCapture& operator=(const ListCapture&) = delete;

    // A marker with number n: 0 ends the capture, anything else (re)starts it.
    void marker(int n);
    // A Normal line taken while running; kept only while collecting.
    void take(QByteArray line);

    bool isRunning() const { return m_running; }
    bool isCollecting() const { return m_collecting; }
    int number() const { return m_number; }
    const QList<QByteArray>& lines() const { return m_lines; }

private:
    void clear();

    ListPaneSink& m_pane;
    bool m_running = false;
    bool m_collecting = false;
    int m_number = 0;
    QList<QByteArray> m_lines;
};
