#include "chat/TerminalBacklog.h"

#include <algorithm>

void TerminalBacklog::append(Piece piece)
{
    const bool finished = piece.finished;
    m_pending.append(std::move(piece));
    if (!finished)
        return;
    ++m_pendingLines;
    if (lineCount() > m_limits.maxLines)
        cut(m_limits.cutLines);
}

void TerminalBacklog::cut(int lines)
{
    const int fromPane = std::min(lines, m_shown - m_cutShown);
    m_cutShown += fromPane;
    lines -= fromPane;
    if (lines == 0)
        return;
    // The pane's unfinished line is the start of the first waiting line.
    if (m_shownOpen)
        m_cutOpen = true;
    qsizetype dropped = 0;
    while (lines > 0 && dropped < m_pending.size()) {
        if (m_pending.at(dropped++).finished) {
            --lines;
            --m_pendingLines;
        }
    }
    m_pending.remove(0, dropped);
}

TerminalBacklog::Batch TerminalBacklog::take()
{
    Batch batch{m_cutShown + (m_cutOpen ? 1 : 0), std::move(m_pending)};
    m_shown = lineCount();
    m_shownOpen = batch.pieces.isEmpty() ? m_shownOpen && !m_cutOpen : !batch.pieces.last().finished;
    m_cutShown = 0;
    m_cutOpen = false;
    m_pending.clear();
    m_pendingLines = 0;
    return batch;
}

void TerminalBacklog::clear()
{
    *this = TerminalBacklog(m_limits);
}
