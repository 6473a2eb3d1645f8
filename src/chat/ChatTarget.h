#pragma once

#include "settings/TextKind.h"

#include <QByteArray>

class ChatWindowRouting;

// A chat window as the chat router sees it: the main chat window, a board's
// chat pane or a filtered window.
class ChatTarget
{
public:
    virtual ~ChatTarget() = default;

    virtual ChatWindowRouting& routing() = 0;
    // Decides with routing() whether to take the line, and shows it when taken.
    virtual void takeLine(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                          const QByteArray& other) = 0;
};
