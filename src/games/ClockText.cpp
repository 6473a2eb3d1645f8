#include "games/ClockText.h"

namespace ClockText {

QString fromServer(qint64 milliseconds)
{
    const qint64 minutes = milliseconds / 60000;
    qint64 seconds = (milliseconds % 60000) / 1000;
    QString sign;
    if (seconds < 0) {
        seconds = -seconds;
        if (minutes >= 0)
            sign = QStringLiteral("-");
    }
    return sign + QString::number(minutes) + u':' + QString::asprintf("%02lld", seconds);
}

QString running(qint64 milliseconds)
{
    const bool pastZero = milliseconds < 0;
    const qint64 total = (pastZero ? -milliseconds : milliseconds) / 1000;
    const qint64 hours = total / 3600;
    const qint64 minutes = (total / 60) % 60;
    const qint64 seconds = total % 60;
    const QString text = hours > 0
                             ? QString::asprintf("%lld:%02lld:%02lld", hours, minutes, seconds)
                             : QString::asprintf("%02lld:%02lld", minutes, seconds);
    return pastZero ? QStringLiteral("- ") + text : text;
}

} // namespace ClockText
