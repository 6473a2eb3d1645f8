#pragma once

#include "ficsim/chess/ChessMove.h"

#include <QObject>

class ChessPosition;

// Picks a move for a bot. The answer may come later (an engine thinks), as the signal.
class MoveChooser : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // `remainingMs` is the bot's clock, so that a bounded think time can follow it.
    virtual void choose(const ChessPosition& position, qint64 remainingMs) = 0;

Q_SIGNALS:
    void chosen(const ChessMove& move);
    // The chooser cannot play (the engine would not start or stopped).
    void failed(const QString& why);
};
