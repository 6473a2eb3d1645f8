#pragma once

#include <QByteArrayView>
#include <QString>

// Words taken from server text into commands we send ("Play 12", "examine bob 3").
// The server's text is not trusted: a "^" or a line break in it would make the
// command sender send a second command, so only words made of handle or number
// characters pass; anything else gives an empty word.
namespace CommandWord {

constexpr int MaxHandleLength = 17;
constexpr int MaxNumberLength = 9; // always fits an int

// What a handle is made of: letters, digits, "-" and "_".
bool isHandleCharacter(char c);

// Letters, digits, "-" and "_", 1 to MaxHandleLength of them.
QString handle(QByteArrayView text);
QString handle(const QString& text);
// The handle a picked word begins with, without the titles or rating after it
// ("GuestXKQW(U)" gives "GuestXKQW"); empty when it begins with no handle.
QString leadingHandle(const QString& text);
// Decimal digits only, 1 to MaxNumberLength of them.
QString number(QByteArrayView text);
QString number(const QString& text);
// A game's number or journal slot: a number, or "%" and a number ("%05").
QString gameNumber(const QString& text);

} // namespace CommandWord
