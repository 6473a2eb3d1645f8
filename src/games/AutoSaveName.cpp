#include "games/AutoSaveName.h"

#include "session/CommandWord.h"

namespace AutoSaveName {

QString safeHandle(const QByteArray& handle)
{
    QString safe;
    safe.reserve(handle.size());
    for (const char c : handle) {
        safe += CommandWord::isHandleCharacter(c) ? QLatin1Char(c) : QLatin1Char('_');
    }
    return safe;
}

QString ownFormat(const QDateTime& when, const QByteArray& white, const QByteArray& black)
{
    return when.toString(QStringLiteral("yyyy-MM-dd_hh:mm:ss")) + u'_' + safeHandle(white) +
           u'_' + safeHandle(black) + QStringLiteral(".ql");
}

} // namespace AutoSaveName
