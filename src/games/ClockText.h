#pragma once

#include <QString>
#include <QtGlobal>

// Clock texts of a board window.
namespace ClockText {

// A clock as the server last reported it: minutes (any number of digits) and two-digit
// seconds, a "-" in front of a time past zero ("2:05", "-0:30", "-1:05").
QString fromServer(qint64 milliseconds);

// A clock while it runs down: "MM:SS", "H:MM:SS" from an hour on (so 60 minutes never
// reads 00:00), and "- MM:SS" for the time past zero.
QString running(qint64 milliseconds);

} // namespace ClockText
