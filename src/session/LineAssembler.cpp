#include "session/LineAssembler.h"

#include "session/ServerText.h"

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

void LineAssembler::appendToWord(char c)
{
    qsizetype& length = m_wordLengths[m_wordCount];
    if (length < MaxWordChars)
        m_words[m_wordCount][length++] = ServerText::upperAscii(c);
}

void LineAssembler::feed(QByteArrayView text)
{
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);

    const qsizetype size = text.size();
    qsizetype start = 0;
    if (m_inWrapJoint)
        start = skipWrapJoint(text, 0) + 1;
    for (qsizetype i = start; i < size; ++i) {
        const char c = text[i];
        const auto code = static_cast<unsigned char>(c);
        if (code > 32) {
            if (m_wordCount < WordSlots) {
                m_afterSpace = false;
                appendToWord(c);
            }
            appendToLine(c);
        } else if (c == Space) {
            i = endOfWord(text, i);
        } else if (c == Lf) {
            i = endOfLine(text, i);
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

// Returns the index of the last character consumed.
qsizetype LineAssembler::endOfWord(QByteArrayView text, qsizetype space)
{
    appendToLine(Space);
    if (m_afterSpace || m_wordCount >= WordSlots)
        return space;

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
