#pragma once

#include "session/BoardSink.h"

// Stands in for the board manager while it does not exist yet: the session pipeline is
// made before the boards, which need the session's command sender.
class BoardSinkRelay : public BoardSink
{
public:
    void setTarget(BoardSink* target) { m_target = target; }

    void style12Line(const QByteArray& line) override
    {
        if (m_target)
            m_target->style12Line(line);
    }
    void gameEnded(const QByteArray& line, int game) override
    {
        if (m_target)
            m_target->gameEnded(line, game);
    }
    void gameLeft(int game) override
    {
        if (m_target)
            m_target->gameLeft(game);
    }
    void refreshBoards() override
    {
        if (m_target)
            m_target->refreshBoards();
    }
    void setPendingGameInfo(const QByteArray& line) override
    {
        if (m_target)
            m_target->setPendingGameInfo(line);
    }
    void setPartnerGame(int game) override
    {
        if (m_target)
            m_target->setPartnerGame(game);
    }
    void applyHoldings(int game, const QByteArray& line) override
    {
        if (m_target)
            m_target->applyHoldings(game, line);
    }
    void clockPaused(int game, bool paused) override
    {
        if (m_target)
            m_target->clockPaused(game, paused);
    }

private:
    BoardSink* m_target = nullptr;
};
