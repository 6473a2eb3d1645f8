#include "session/CommandWord.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

template<typename Accept>
QString wordOf(QByteArrayView text, int maxLength, Accept accept)
{
    if (text.isEmpty() || text.size() > maxLength)
        return {};
    for (char c : text)
        if (!accept(c))
            return {};
    return QString::fromLatin1(text);
}

} // namespace

namespace CommandWord {

bool isHandleCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '_';
}

QString handle(QByteArrayView text)
{
    return wordOf(text, MaxHandleLength, isHandleCharacter);
}

QString handle(const QString& text)
{
    return handle(QByteArrayView(text.toLatin1()));
}

QString leadingHandle(const QString& text)
{
    qsizetype end = 0;
    while (end < text.size() && text.at(end).unicode() < 128 &&
           isHandleCharacter(char(text.at(end).unicode())))
        ++end;
    return handle(text.left(end));
}

QString number(QByteArrayView text)
{
    return wordOf(text, MaxNumberLength, isDigit);
}

QString number(const QString& text)
{
    return number(QByteArrayView(text.toLatin1()));
}

QString gameNumber(const QString& text)
{
    if (text.startsWith(u'%'))
        return number(text.mid(1)).isEmpty() ? QString() : text;
    return number(text);
}

} // namespace CommandWord
