#include "chat/DesktopNotice.h"

namespace {

// The text after the speaker's colon, or the whole line.
QString messageOf(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    return QString::fromLatin1(colon < 0 ? line : line.mid(colon + 1)).trimmed();
}

} // namespace

std::optional<DesktopNotice> DesktopNotice::forLine(const QByteArray& line,
                                                    const QByteArray& speaker, TextKind kind,
                                                    const QByteArray& other)
{
    const QString handle = QString::fromLatin1(line.left(speaker.size())).section(u'(', 0, 0);
    if (kind == TextKind::PTell || (kind == TextKind::Tell && other.startsWith("(YOUR")))
        return DesktopNotice{QStringLiteral("Partner tell from ") + handle, messageOf(line)};
    if (kind == TextKind::Tell && other.startsWith("TELLS"))
        return DesktopNotice{QStringLiteral("Tell from ") + handle, messageOf(line)};
    if (kind == TextKind::Requests && line.startsWith("Challenge:"))
        return DesktopNotice{QStringLiteral("Challenge"), messageOf(line)};
    return std::nullopt;
}
