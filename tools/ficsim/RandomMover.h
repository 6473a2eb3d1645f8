#pragma once

#include "ficsim/MoveChooser.h"

// Randy's way of playing: any legal move, after a short pause so that a person can follow.
class RandomMover : public MoveChooser
{
    Q_OBJECT

public:
    explicit RandomMover(int pauseMs = 400, QObject* parent = nullptr);
    void choose(const ChessPosition& position, qint64 remainingMs) override;

private:
    int m_pauseMs;
};
