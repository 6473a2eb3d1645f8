#pragma once

#include "session/LoginState.h"

#include <QByteArray>

// The login steps, run on every line until the login is complete.
class LoginSink
{
public:
    virtual ~LoginSink() = default;

    virtual LoginState loginState() const = 0;

    // firstWord is upper-cased; promptSeen tells that the server prompt was just removed.
    virtual void loginLine(const QByteArray& line, const QByteArray& firstWord,
                           bool promptSeen) = 0;
};
