#include "games/BoardGame.h"

BoardGame::Shown BoardGame::showRecord(const Style12Record& record, bool redisplay)
{
    Shown shown;
    // A redisplay comes from the move list, whose items are this board's game even when a
    // loaded file names different games in them.
    const bool sameGame = redisplay || record.GameNumber.value() == m_gameNumber;
    if (!(m_reviewMode && !redisplay && sameGame)) {
        shown.displayed = true;
        m_current = record;
        if (sameGame) {
            m_current.Flip = quint8(record.Flip ^ quint8(m_userFlip));
        } else {
            shown.newGame = true;
            m_holdingsMode = false;
            m_closeWhenEnded = false;
            m_reviewMode = false;
            m_userFlip = false;
            m_premove.clear();
            ClearMoveList();
            shown.listChanged = true;
        }
        m_gameNumber = record.GameNumber.value();
        if (!m_reviewMode)
            m_inUse = record.Relation.value() != -3;
        if (m_soundsEnabled)
            shown.sound = soundFor(record);
        m_previous = record;
    }
    if (!redisplay) {
        const int relation = record.Relation.value();
        if (relation == 1 && !m_premove.isEmpty()) {
            shown.premoveToSend = m_premove;
            m_premove.clear();
        } else if (relation != -1) {
            m_premove.clear();
        }
    }
    if (record.Relation.value() == -3)
        return shown;
    if (!redisplay) {
        m_moves.record(record);
        shown.listChanged = true;
    }
    if (!m_reviewMode)
        m_selected = m_moves.size() - 1;
    return shown;
}

QString BoardGame::soundFor(const Style12Record& record) const
{
    const bool check = record.PrettyMove.value().contains('+');
    const bool sameGame = record.GameNumber.value() == m_previous.GameNumber.value();
    const int move = record.MoveNumber.value();
    const int before = m_previous.MoveNumber.value();
    const bool forward = move > before ||
                         (move == before && m_previous.WhitesMove && !record.WhitesMove);
    return QString::fromLatin1(check && sameGame && forward ? "Check" : "Moved");
}

void BoardGame::startNewGame()
{
    m_pausedPly = -1;
    m_gameNumber = NoGame;
    m_gameResult.clear();
    m_inUse = false;
    m_reviewMode = false;
    m_premove.clear();
    ClearMoveList();
}

BoardGame::Shown BoardGame::loadRecords(const QList<Style12Record>& records)
{
    startNewGame();
    m_holdingsMode = false;
    m_closeWhenEnded = false;
    m_userFlip = false;
    for (const Style12Record& record : records)
        m_moves.append(record);
    Shown shown;
    shown.listChanged = true;
    if (records.isEmpty())
        return shown;
    m_gameNumber = records.last().GameNumber.value();
    m_reviewMode = true;
    m_selected = 0;
    m_current = records.first();
    m_previous = m_current;
    shown.displayed = true;
    return shown;
}

void BoardGame::setClockPaused(bool paused)
{
    m_pausedPly = paused ? m_current.PlyIndex() : -1;
}

bool BoardGame::clockPaused() const
{
    return m_pausedPly >= 0 && m_pausedPly == m_current.PlyIndex();
}

void BoardGame::leaveGame()
{
    m_current.Relation = -3;
    m_current.LiveGame = 0;
    m_inUse = false;
    m_premove.clear();
}

bool BoardGame::setUserFlip(bool value)
{
    if (value == m_userFlip)
        return false;
    m_userFlip = value;
    m_current.Flip = quint8(!m_current.Flip);
    return true;
}

void BoardGame::ClearMoveList()
{
    m_moves.clear();
    m_selected = -1;
}

BoardGame::Shown BoardGame::selectItem(int index)
{
    if (index < 0 || index >= m_moves.size())
        return {};
    if (index == m_moves.size() - 1) {
        m_reviewMode = true; // so that revert has something to leave
        return revert();
    }
    m_reviewMode = true;
    m_selected = index;
    return showRecord(m_moves.at(index).record, true);
}

BoardGame::Shown BoardGame::back()
{
    if (m_selected <= 0)
        return {};
    return selectItem(m_selected - 1);
}

BoardGame::Shown BoardGame::forward()
{
    if (!m_reviewMode || m_moves.isEmpty())
        return {};
    return selectItem(std::min(m_selected + 1, m_moves.size() - 1));
}

BoardGame::Shown BoardGame::revert()
{
    if (!m_reviewMode || m_moves.isEmpty())
        return {};
    m_selected = m_moves.size() - 1;
    Shown shown = showRecord(m_moves.at(m_selected).record, true);
    if (m_inUse)
        m_reviewMode = false;
    return shown;
}

BoardGame::MoveAction BoardGame::moveAction(bool premoveEnabled) const
{
    if (!m_inUse)
        return MoveAction::KeepLocal;
    if (m_reviewMode && playing())
        return MoveAction::ReturnToLatest;
    if (relation() == -1 && premoveEnabled)
        return MoveAction::KeepAsPremove;
    return MoveAction::Send;
}
