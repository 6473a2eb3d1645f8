#include "games/MoveList.h"

#include "games/BoardTexts.h"

void MoveList::clear()
{
    m_items.clear();
    m_lastPly = 0;
}

void MoveList::record(const Style12Record& position)
{
    const int ply = position.PlyIndex();
    if (m_lastPly >= ply) {
        while (!m_items.isEmpty() && m_items.last().record.PlyIndex() >= ply)
            m_items.removeLast();
    }
    m_lastPly = ply;
    m_items.append({position, BoardTexts::moveListEntry(position)});
}

void MoveList::append(const Style12Record& position)
{
    m_lastPly = position.PlyIndex();
    m_items.append({position, BoardTexts::moveListEntry(position)});
}
