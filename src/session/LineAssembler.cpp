#include "session/LineAssembler.h"

#include "session/ServerText.h"

#include <cstring>

namespace {
constexpr char Lf = 10;
constexpr char Backslash = '\\';
constexpr char Space = ' ';
} // namespace

LineAssembler::LineAssembler(Handler& handler) : m_handler(handler) {}

void LineAssembler::resetLine()
{
    m_inWrapJoint = false;
    m_lineLength = 0;
    m_wordLengths.fill(0);
    m_wordCount = 0;
    m_afterSpace = true;
}

void LineAssembler::resetSession()
{
    resetLine();
    m_kind = TextKind::Normal;
    m_previousKind = TextKind::Normal;
    m_promptSeen = false;
}

void LineAssembler::appendToLine(char c)
{
    if (m_lineLength < MaxLineChars)
        m_line[m_lineLength++] = c;
}

void LineAssembler::appendRun(QByteArrayView run)
{
    const qsizetype n = qMin(run.size(), MaxLineChars - m_lineLength);
    std::memcpy(m_line.data() + m_lineLength, run.data(), size_t(n));
    m_lineLength += n;
}

void LineAssembler::appendToWord(QByteArrayView run)
{
    qsizetype& length = m_wordLengths[m_wordCount];
    char* word = m_words[m_wordCount].data();
    const qsizetype n = qMin(run.size(), MaxWordChars - length);
    for (qsizetype k = 0; k < n; ++k)
        word[length + k] = ServerText::upperAscii(run[k]);
    length += n;
}

void LineAssembler::feed(QByteArrayView text)
{
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);

    const qsizetype size = text.size();
    const char* data = text.data();
    qsizetype i = m_inWrapJoint ? skipWrapJoint(text, 0) + 1 : 0;
    while (i < size) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c > 32) {
            // A run of text goes to the line at once; within the first four words
            // it also goes, upper-cased, to the current word.
            qsizetype end = i + 1;
            const bool inWords = m_wordCount < WordSlots;
            while (end < size
                   && (static_cast<unsigned char>(data[end]) > 32 || (!inWords && data[end] == Space)))
                ++end;
            const QByteArrayView run(data + i, end - i);
            if (inWords) {
                m_afterSpace = false;
                appendToWord(run);
            }
            appendRun(run);
            i = end;
        } else if (c == Space) {
            if (m_afterSpace || m_wordCount >= WordSlots) {
                appendToLine(Space);
                ++i;
            } else {
                i = endOfWord(text, i) + 1;
            }
        } else if (c == Lf) {
            i = endOfLine(text, i) + 1;
        } else {
            ++i;
        }
    }
}

// Returns the index of the last character consumed.
qsizetype LineAssembler::endOfLine(QByteArrayView text, qsizetype lf)
{
    const qsizetype size = text.size();
    const bool wrapped = (lf + 1 < size && text[lf + 1] == Backslash)
                         || (lf + 2 < size && text[lf + 2] == Backslash);
    if (!wrapped) {
        m_previousKind = m_kind;
        m_kind = TextKind::Normal;
        m_handler.lineFinished();
        resetLine();
        return lf;
    }
    if (m_lineLength > 0 && m_line[m_lineLength - 1] != Space)
        appendToLine(Space);
    return skipWrapJoint(text, lf + 1);
}

// Returns the index of the last character of the joint.
qsizetype LineAssembler::skipWrapJoint(QByteArrayView text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size()
           && (text[i] == Lf || text[i] == '\r' || text[i] == Backslash || text[i] == Space))
        ++i;
    m_inWrapJoint = i == text.size();
    return i - 1;
}

// A space that ends one of the first four words. Returns the index of the last
// character consumed.
qsizetype LineAssembler::endOfWord(QByteArrayView text, qsizetype space)
{
    appendToLine(Space);
    const qsizetype length = m_wordLengths[0];
    if (m_wordCount == 0 && length > 0 && m_words[0][length - 1] == '%') {
        qsizetype i = space + 1;
        while (i < text.size() && static_cast<unsigned char>(text[i]) < 32)
            ++i;
        resetLine();
        m_promptSeen = true;
        m_kind = TextKind::Normal;
        return i - 1;
    }
    ++m_wordCount;
    m_afterSpace = true;
    return space;
}
