#pragma once

#include <QString>

// One saved server account of the connection list.
struct TConnection
{
    QString Address;
    QString Port;
    QString Handle;
    QString Password;
    bool Timeseal = false;
    QString Title;
    int Protocol = 0; // ServerProtocol value; other numbers may come from a file

    bool operator==(const TConnection&) const = default;
};
