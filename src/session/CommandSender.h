#pragma once

#include <QString>

// The one way commands leave for the server. "^" separates several commands in
// one string; each goes out as its own line ending in LF. Nothing is sent while
// disconnected, and the caller learns nothing about the outcome.
class CommandSender
{
public:
    virtual ~CommandSender() = default;

    virtual void sendCommand(const QString& commands) = 0;
};
