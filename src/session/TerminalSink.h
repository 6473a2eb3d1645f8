#pragma once

#include "settings/TextKind.h"

#include <QByteArray>

// Where the session pipeline shows server text: the terminal pane.
class TerminalSink
{
public:
    virtual ~TerminalSink() = default;

    // Runs before each fed text: mirror the Scroll Lock state, cut the oldest
    // lines when the terminal has grown past its limit.
    virtual void terminalUpkeep() = 0;

    // text is server bytes (Latin-1); a finished line ends in CR LF, a partial
    // line flushed before login does not. key selects a per-speaker custom font
    // ("" when the kind has none).
    virtual void appendToTerminal(const QByteArray& text, TextKind kind,
                                  const QByteArray& key) = 0;
};
