#include "lists/GameListKind.h"

namespace {

GameListKind stored()
{
    GameListKind kind{GameListKind::Stored};
    kind.builtInCaption = QStringLiteral("Stored");
    kind.requestCommand = QStringLiteral("Stored ");
    kind.requestCaption = QStringLiteral("Show Stored");
    kind.titleMarker = QStringLiteral("Stored games for");
    kind.ownerWord = 3;
    kind.captionPrefix = QStringLiteral("Stored games for ");
    kind.alignOneDigit = true;
    kind.columns = {{"No", 30, 1, 2},         {"Color", 40, 5, 5},   {"Opponent", 140, 7, 21},
                    {"Online", 70, 23, 23},   {"Type", 70, 25, 36},  {"Strength", 60, 38, 42},
                    {"Move", -1, 44, 46},     {"ECO", 35, 49, 51},   {"Date", 200, 53, 78}};
    kind.opponentColumn = 2;
    return kind;
}

GameListKind journal()
{
    GameListKind kind{GameListKind::Journal};
    kind.builtInCaption = QStringLiteral("Journal");
    kind.requestCommand = QStringLiteral("journal ");
    kind.requestCaption = QStringLiteral("Show Journal");
    kind.titleMarker = QStringLiteral("Journal for ");
    kind.ownerWord = 2;
    kind.captionPrefix = QStringLiteral("Journal for  ");
    kind.minimumLength = 70;
    kind.needsPercent = true;
    kind.columns = {{"No", 30, 1, 3},       {"White", 100, 6, 19}, {"Rating", -1, 20, 23},
                    {"Black", 100, 28, 41}, {"Rating", -1, 42, 45}, {"Type", 80, 50, 61},
                    {"ECO", 35, 63, 65},    {"End", 60, 67, 69},   {"Result", 45, 71, 80}};
    kind.opponentColumn = 1;
    kind.blackColumn = 3;
    return kind;
}

GameListKind history()
{
    GameListKind kind{GameListKind::History};
    kind.builtInCaption = QStringLiteral("History");
    kind.requestCommand = QStringLiteral("History ");
    kind.requestCaption = QStringLiteral("Show History");
    kind.titleMarker = QStringLiteral("History for");
    kind.ownerWord = 2;
    kind.captionPrefix = QStringLiteral("History of ");
    kind.alignOneDigit = true;
    kind.rowCount = 10;
    kind.fixedRows = true;
    kind.columns = {{"No", 30, 1, 2},          {"Win", 35, 5, 5},      {"Rating", -1, 7, 10},
                    {"Color", 40, 12, 12},     {"Opp Rating", 70, 14, 17},
                    {"Opponent", 140, 19, 32}, {"Type", 70, 33, 44},   {"ECO", 35, 46, 48},
                    {"Result", 45, 50, 52},    {"Date", 200, 54, 79}};
    kind.opponentColumn = 5;
    return kind;
}

} // namespace

const GameListKind& GameListKind::of(Id id)
{
    static const GameListKind kinds[] = {stored(), journal(), history()};
    return kinds[id];
}
