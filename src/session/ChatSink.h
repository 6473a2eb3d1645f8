#pragma once

#include "settings/TextKind.h"

#include <QByteArray>

// The chat router as the line dispatcher sees it.
class ChatSink
{
public:
    virtual ~ChatSink() = default;

    // The main chat window's include flags.
    virtual bool includeShouts() const = 0;
    virtual bool includeChannelTells() const = 0;

    // To the main chat window (when includeMain), every board chat pane and every
    // filtered chat window. speaker is the upper-cased first word, other the second
    // word (the other way round for the "--> handle" emote, whose speaker is the
    // second word); both empty for lines passed "with no words".
    virtual void fanOut(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                        const QByteArray& other, bool includeMain) = 0;
    // To the main chat window only (shouts and continuation lines).
    virtual void direct(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                        const QByteArray& other) = 0;
    // Channel tells, to the main chat window and every board chat pane.
    virtual void channel(const QByteArray& line, const QByteArray& speaker,
                         const QByteArray& other) = 0;
};
