#pragma once

#include <QByteArrayView>

// One row of the line-pattern table: a class code and its pattern.
struct TParse
{
    int lineClass;
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
    static constexpr int NoClass = 0;
    // Given by a test made before the table: a first word ending in "):".
    static constexpr int ChannelTellClass = 18;

    // line: as received. firstWord: its upper-cased first word.
    static int classify(QByteArrayView line, QByteArrayView firstWord);

    // The table's rule alone, on an already trimmed line.
    static bool matches(QByteArrayView line, QByteArrayView pattern);
    // The same, starting at position at of the line.
    static bool matchesFrom(QByteArrayView line, qsizetype at, QByteArrayView pattern);

    static QByteArrayView trimmed(QByteArrayView line);
};
