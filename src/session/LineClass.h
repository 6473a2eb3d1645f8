#pragma once

// What a server line is, by the first row of the pattern table it matches. The numbers are
// the table's class codes: traces and older notes name classes by them.
enum class LineClass {
    None = 0,
    Holdings = 1,         // "<b1> game N white [..] black [..]"
    Style12 = 2,          // "<12> ..."
    GameCreated = 3,      // "Creating: ..."
    IllegalMove = 4,      // "Illegal move (...)."
    NoAds = 5,            // the server's own advertisement switch
    GameLeft = 6,         // "Removing game N ...", no longer examining/observing
    PartnerIs = 7,        // "Your partner is playing game N ..."
    KibitzTarget = 8,     // "Your kibitzes and whispers will now go to ..."
    Continuation = 9,     // a backslash: the previous line goes on
    Shout = 10,           // "x shouts: ...", "--> x ..."
    CShout = 11,          // "x c-shouts: ...", "x s-shouts: ..."
    Thanks = 12,          // says and tells that begin with "thank"/"thx"
    Say = 13,
    Tell = 14,
    Kibitz = 15,
    PartnerTell = 16,     // "x ptells: ...", "x (your partner) tells you: ..."
    Whisper = 17,
    ChannelTell = 18,     // a first word ending in "):", tested before the table
    DrawOffer = 19,
    AbortRequest = 20,
    AdjournRequest = 21,
    TakebackRequest = 22,
    PauseRequest = 23,
    TimeAdded = 24,
    Arrival = 25,         // "Notification: x has arrived."
    Challenge = 26,
    GameResult = 27,      // "{Game N (A vs. B) ...} result"
    GameInfo = 28,        // "<g1> ..."
};
