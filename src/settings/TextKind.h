#pragma once

// The class of a shown line; picks the terminal font. The custom-font settings
// ("Font0".."Font12") index the kinds the same way, so the values are fixed.
enum class TextKind {
    Normal = 0,
    Say = 1,
    Tell = 2,
    Shout = 3,
    CShout = 4,
    ChannelTell = 5,
    PTell = 6,
    Kibitz = 7,
    Links = 8,
    Commands = 9,
    Requests = 10,
    GameInfo = 11,
    Notifications = 12,
};

constexpr int TextKindCount = 13;
