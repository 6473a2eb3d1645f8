#include "session/InterfaceToggles.h"

QStringList InterfaceToggles::silenceCommands(ServerProtocol protocol) const
{
    const int hear = silencePressed ? 0 : 1;
    const bool icc = protocol == ServerProtocol::Icc;
    QStringList commands;
    if (silenceSet & CShouts)
        commands
            << (icc ? QStringLiteral("Set SShout %1") : QStringLiteral("Set CShout %1")).arg(hear);
    if (silenceSet & Seeks)
        commands << QStringLiteral("Set Seek %1").arg(hear);
    if (silenceSet & Shouts)
        commands << QStringLiteral("Set Shout %1").arg(hear);
    if (silenceSet & Channels) {
        commands << (icc ? QStringLiteral("Set CTell %1").arg(hear)
                         : QStringLiteral("Set Chanoff %1").arg(1 - hear));
    }
    return commands;
}

QString InterfaceToggles::openCommand() const
{
    return QStringLiteral("Set Open %1").arg(openPressed ? 0 : 1);
}
