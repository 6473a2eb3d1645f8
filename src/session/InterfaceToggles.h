#pragma once

#include "net/ServerProtocol.h"

#include <QStringList>

// The Silence and Open toggles of the tool bar and the server settings their states
// stand for. The built-in state silences nothing and leaves the user open for games.
struct InterfaceToggles
{
    enum SilenceMember
    {
        CShouts = 1,
        Seeks = 2,
        Shouts = 4,
        Channels = 8
    };

    int silenceSet = CShouts | Seeks | Shouts | Channels;
    bool silencePressed = false;
    bool openPressed = false; // pressed means not open for games

    // "Set CShout 1", "Set Seek 1", ... for each member of the silence set, in that order.
    QStringList silenceCommands(ServerProtocol protocol) const;
    QString openCommand() const;
};
