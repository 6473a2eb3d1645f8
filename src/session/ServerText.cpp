#include "session/ServerText.h"

#include <cstring>
#include <limits>

namespace ServerText {

int readInteger(QByteArrayView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return 0;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return 0;
    return int(value);
}

qsizetype find(QByteArrayView haystack, QByteArrayView needle)
{
    if (needle.isEmpty())
        return 0;
    // An empty view may have no data pointer at all, which memmem must not see.
    if (haystack.size() < needle.size())
        return -1;
    const void* at = memmem(haystack.data(), size_t(haystack.size()), needle.data(),
                            size_t(needle.size()));
    return at ? static_cast<const char*>(at) - haystack.data() : -1;
}

int leadingDigits(QByteArrayView text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9')
        ++n;
    return readInteger(text.first(n));
}

int numberAfter(QByteArrayView line, QByteArrayView marker)
{
    const qsizetype at = line.indexOf(marker);
    if (at < 0)
        return -1;
    return leadingDigits(line.sliced(at + marker.size()));
}

} // namespace ServerText
