#pragma once

#include <QByteArray>
#include <QList>

// What the referee needs of the server around it: to hand lines to a logged-in user
// (as unrequested output) and to read a user's settings. The server's sessions
// implement it; the referee's tests record the lines instead.
class GameAudience
{
public:
    virtual ~GameAudience() = default;
    virtual void deliver(const QByteArray& handle, const QList<QByteArray>& lines) = 0;
    // Bytes written as they are, after the user's last prompt ("<b1> ... <- BP").
    virtual void deliverRaw(const QByteArray& handle, const QByteArray& line) = 0;
    virtual QByteArray variable(const QByteArray& handle, const QByteArray& name) const = 0;
    virtual QList<QByteArray> loggedInHandles() const = 0;
    virtual bool isRegistered(const QByteArray& handle) const = 0;
};
