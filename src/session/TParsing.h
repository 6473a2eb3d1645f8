#pragma once

#include "session/LineClass.h"

#include <QByteArrayView>

// One row of the line-pattern table: a class code and its pattern.
struct TParse
{
    LineClass lineClass;
    QByteArrayView pattern;
};

// Classifies server lines by an ordered table of 40 patterns; the first row
// that matches wins.
//
//   pattern := { "*" | character }
//   "*"  matches one word of any length, including none (up to the next space)
//   " "  matches a space and any further spaces in the line
//   other characters match themselves, without regard to ASCII letter case
//
// A pattern matches a prefix of the line; what follows does not matter.
class TParsing
{
public:
    // line: as received. firstWord: its upper-cased first word.
    static LineClass classify(QByteArrayView line, QByteArrayView firstWord);

    // The table's rule alone, on an already trimmed line.
    static bool matches(QByteArrayView line, QByteArrayView pattern);
    // The same, starting at position at of the line.
    static bool matchesFrom(QByteArrayView line, qsizetype at, QByteArrayView pattern);

    static QByteArrayView trimmed(QByteArrayView line);
};
