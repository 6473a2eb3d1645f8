#include "JsonText.h"

namespace JsonText {

QByteArray quoted(QByteArrayView bytes)
{
    static const char hex[] = "0123456789abcdef";
    QByteArray out;
    out.reserve(bytes.size() + 2);
    out += '"';
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == 0x7f) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else if (c < 0x80) {
            out += ch;
        } else {
            out += char(0xc0 | (c >> 6));
            out += char(0x80 | (c & 0x3f));
        }
    }
    out += '"';
    return out;
}

} // namespace JsonText
