#pragma once

#include <QString>
#include <QStringList>

// The values of the general options dialog other than the fonts, which it
// changes in place. The dialog works on a copy; OK hands it back.
struct GeneralOptions
{
    enum ShoutType { Shout = 0, CShout = 1, It = 2 };

    qint32 backColor = 0;
    bool ignoreThanks = false;
    bool hideGameMessages = false;
    bool popUpTells = true;
    bool popUpSays = true;
    bool includeShouts = true;
    bool includeChannelTells = true;
    bool echo = true;
    bool desktopNotifications = true;
    QString hello;
    QString goodGame;
    int shoutType = Shout;
    int silenceSet = 15;
    QStringList autoExecCommands;
};
