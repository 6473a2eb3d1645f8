#pragma once

#include "session/CommandSender.h"

// A command sender that can also send a line that must never reach the disk in clear
// text (the answer to a password prompt): it goes out whole, without "^" splitting,
// and the trace shows a mask in its place.
class SecretCommandSender : public CommandSender
{
public:
    virtual void sendSecretLine(const QString& line) = 0;
};
