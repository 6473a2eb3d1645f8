#pragma once

#include <QList>
#include <QString>

// The parameters of the three game list windows: stored (adjourned) games, the
// journal and the history. One design, three sets of numbers.
struct GameListKind
{
    enum Id { Stored, Journal, History };

    struct Column
    {
        QString caption;
        int width = -1; // -1: the list's default width
        int first = 1;  // 1-based inclusive character positions in a game line
        int last = 1;
    };

    Id id;
    QString builtInCaption;      // before the first reply
    QString requestCommand;      // "Stored " ...: the request button's command word
    QString requestCaption;      // "Show Stored" ...
    QString titleMarker;         // matched with letter case
    int ownerWord = 3;           // 0-based position of the owner in the title line
    QString captionPrefix;       // caption set from a title, before the handle
    int minimumLength = 55;      // a game line's trimmed length
    bool needsPercent = false;   // a game line begins with "%"
    bool alignOneDigit = false;  // a blank before a line whose 2nd character is ":"
    int rowCount = 100;
    bool fixedRows = false;      // the rows stay; only their texts change
    QList<Column> columns;       // the first is the row caption
    int opponentColumn = 2;      // the "Opponent" (journal: "White") column
    int blackColumn = -1;        // journal: the "Black" column

    static const GameListKind& of(Id id);
};
