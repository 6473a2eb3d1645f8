#pragma once

#include <QByteArray>

// A game result line: {Game 12 (alice vs. bob) alice resigns} 0-1
struct GameEndLine
{
    bool complete = false; // the brackets and braces were all found
    QByteArray names;      // "alice vs. bob"
    QByteArray reason;     // " alice resigns"
    QByteArray result;     // "1-0", "0-1", "1/2-1/2" or empty

    // The creation or continuation notice of a game, judged by the words that open the
    // reason, so that a player named "Creator" or "Contino" does not hide a result.
    bool announcesStart() const;
    // Whether the line names other players than these: the server reuses game numbers, and
    // a notice of another game under the same number must not end this one.
    bool namesOtherPlayers(const QByteArray& white, const QByteArray& black) const;

    static GameEndLine parse(const QByteArray& line);
};
