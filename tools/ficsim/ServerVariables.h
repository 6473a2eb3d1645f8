#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// The variables a user of the practice server has, with their values at login, in the
// order the "variables" table shows them (column by column). Names are lower case
// except "Lang", as the server writes it.
namespace ServerVariables {

inline const QList<QPair<QByteArray, QByteArray>> Defaults{
    {"time", "2"},        {"inc", "12"},       {"rated", "1"},      {"open", "1"},
    {"bugopen", "0"},     {"tourney", "0"},    {"provshow", "0"},   {"autoflag", "0"},
    {"minmovetime", "0"}, {"private", "0"},    {"jprivate", "0"},   {"kibitz", "1"},
    {"automail", "0"},    {"pgn", "0"},        {"mailmess", "0"},   {"messreply", "0"},
    {"unobserve", "0"},   {"notakeback", "0"}, {"shout", "1"},      {"cshout", "1"},
    {"kiblevel", "0"},    {"tell", "1"},       {"ctell", "1"},      {"chanoff", "0"},
    {"silence", "0"},     {"echo", "1"},       {"tolerance", "1"},  {"pin", "0"},
    {"notifiedby", "0"},  {"availinfo", "0"},  {"availmin", "0"},   {"availmax", "0"},
    {"gin", "0"},         {"seek", "1"},       {"showownseek", "0"}, {"examine", "0"},
    {"noescape", "1"},    {"style", "1"},      {"flip", "0"},       {"highlight", "0"},
    {"bell", "1"},        {"width", "79"},     {"height", "24"},    {"ptime", "0"},
    {"tzone", "SERVER"},  {"Lang", "English"},
};

// Set with "set" but not shown in the table.
inline const QList<QByteArray> Hidden{"interface", "prompt", "sshout", "gameinfo"};

} // namespace ServerVariables
