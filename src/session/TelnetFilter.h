#pragma once

#include <QByteArray>

// Removes telnet negotiation from the received stream. The server sends
// IAC WILL ECHO / IAC WONT ECHO around the password prompt; left in, they would
// show as garbage in the terminal and in the login prompt.
//
//   IAC (WILL|WONT|DO|DONT) option   -> removed
//   IAC IAC                          -> one 0xFF data byte
//   IAC other                        -> kept as data, both bytes
//
// A sequence split across chunks is held back until its end arrives.
class TelnetFilter
{
public:
    QByteArray filter(const QByteArray& chunk);
    void reset() { m_state = State::Data; }

private:
    enum class State { Data, AfterIac, AfterCommand };
    State m_state = State::Data;
};
