#pragma once

#include <QString>

// A settings key with its section and its built-in default, so that the name
// and the default are spelled once. KeyName alone is for keys whose default is
// the current value of the object they belong to.
struct KeyName
{
    QLatin1String section;
    QLatin1String key;
};

struct BoolKey
{
    QLatin1String section;
    QLatin1String key;
    bool byDefault;
};

struct IntKey
{
    QLatin1String section;
    QLatin1String key;
    qint32 byDefault;
};

struct StringKey
{
    QLatin1String section;
    QLatin1String key;
    QLatin1String byDefault;
};

struct PercentKey
{
    QLatin1String section;
    QLatin1String key;
    qint32 byDefaultPercent;
};
