#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Small readers for numbers and words in server text.
namespace ServerText {

// An optional sign and decimal digits that fit in 32 bits; anything else is 0.
int readInteger(QByteArrayView text);

// The leading decimal digits of text as a number (0 when there are none or too many).
int leadingDigits(QByteArrayView text);

// The number that follows the first occurrence of marker in line, or -1 when
// the marker is missing.
int numberAfter(QByteArrayView line, QByteArrayView marker);

// Where needle first occurs in haystack, or -1; a fast scan for the hot paths.
qsizetype find(QByteArrayView haystack, QByteArrayView needle);

inline char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

} // namespace ServerText
