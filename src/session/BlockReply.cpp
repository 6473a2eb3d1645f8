#include "session/BlockReply.h"

#include "session/ServerText.h"

#include <array>

namespace {

constexpr char Cr = '\r';
const QByteArray ShortHeader("\x15\x16\x16");

constexpr std::array<const char*, 9> ErrorMessages{
    "Command not found.",
    "Error: Bad Command Parameters.",
    "Error: Ambiguous Command.",
    "Error: Insufficient Rights.",
    "Error: Obsolete Command.",
    "Error: Removed.",
    "Error: You Are Not Playing A Game.",
    "Error: No Sequence.",
    "Error: Invalid Block Length.",
};
constexpr int FirstErrorCode = 512;

// At most three digits starting at from.
qsizetype digitRun(const QByteArray& text, qsizetype from)
{
    qsizetype n = 0;
    while (n < 3 && from + n < text.size() && text[from + n] >= '0' && text[from + n] <= '9')
        ++n;
    return n;
}

} // namespace

QByteArray BlockReply::errorMessage(int code)
{
    if (code < FirstErrorCode || code >= FirstErrorCode + int(ErrorMessages.size()))
        return {};
    return QByteArray(ErrorMessages[code - FirstErrorCode]) + "\r\n";
}

BlockReply BlockReply::parse(const QByteArray& raw)
{
    BlockReply reply;
    QByteArray text = raw;
    if (!text.isEmpty())
        text[text.size() - 1] = ' ';
    // Most replies hold no prompt: the search alone is much cheaper than a replace.
    if (ServerText::find(text, "fics%") >= 0) {
        text.replace("fics% ", "");
        text.replace("fics%", "");
    }

    const qsizetype cr = text.indexOf(Cr);
    const qsizetype headerEnd = cr < 0 ? text.size() : qMin(cr + 2, text.size());
    const qsizetype shortHeader = text.first(headerEnd).indexOf(ShortHeader);

    qsizetype removeFrom = 0;
    qsizetype removeLength = 0;
    if (shortHeader >= 0) {
        const qsizetype idAt = shortHeader + ShortHeader.size();
        reply.identifier = text.mid(idAt, 3);
        const qsizetype codeAt = idAt + reply.identifier.size();
        reply.commandCode = text.mid(codeAt, digitRun(text, codeAt));
        removeFrom = shortHeader;
        removeLength = codeAt + reply.commandCode.size() - shortHeader;
    } else {
        reply.identifier = text.mid(1, 3);
        const qsizetype codeAt = 5;
        reply.commandCode = text.mid(codeAt, digitRun(text, codeAt));
        removeLength = qMin(codeAt + reply.commandCode.size() + 1, text.size());
    }

    text.append(errorMessage(reply.commandCode.toInt()));
    text.remove(removeFrom, removeLength);
    reply.text = std::move(text);
    return reply;
}

QList<QByteArray> BlockReply::lines() const
{
    QByteArray flat = text;
    flat.replace('\n', QByteArray());
    QList<QByteArray> result = flat.split(Cr);
    if (!result.isEmpty() && flat.endsWith(Cr))
        result.removeLast();
    return result;
}
