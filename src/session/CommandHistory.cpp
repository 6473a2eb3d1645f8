#include "session/CommandHistory.h"

void CommandHistory::add(const QString& command)
{
    if (!command.isEmpty() && (m_entries.isEmpty() || m_entries.last() != command))
        m_entries.append(command);
    m_position = m_entries.size();
    m_draft.clear();
}

std::optional<QString> CommandHistory::older(const QString& current)
{
    if (m_position == 0)
        return std::nullopt;
    if (m_position == m_entries.size())
        m_draft = current;
    return m_entries.at(--m_position);
}

std::optional<QString> CommandHistory::newer()
{
    if (m_position >= m_entries.size())
        return std::nullopt;
    ++m_position;
    return m_position == m_entries.size() ? m_draft : m_entries.at(m_position);
}
