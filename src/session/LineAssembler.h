#pragma once

#include "settings/TextKind.h"

#include <QByteArrayView>

#include <array>

// Builds server lines from plain text, one character at a time, in fixed buffers
// (nothing is allocated per character), and keeps upper-cased copies of the
// line's first four words for the dispatcher.
//
//   LF            ends the line, unless a backslash follows within two characters:
//                 then it is a wrapped continuation and becomes one space
//   space         ends a word; a first word ending in "%" is the server prompt and
//                 is removed together with the control characters after it
//   33..255       text
//   anything else ignored (CR, TAB, stray block characters)
class LineAssembler
{
public:
    static constexpr qsizetype MaxLineChars = 10022;
    static constexpr qsizetype MaxWordChars = 255;
    static constexpr int WordSlots = 4;

    // Called at each line end, after the kinds moved on (previous := current,
    // current := Normal); the line is reset when it returns.
    class Handler
    {
    public:
        virtual ~Handler() = default;
        virtual void lineFinished() = 0;
    };

    explicit LineAssembler(Handler& handler);
    LineAssembler(const LineAssembler&) = delete;
    LineAssembler& operator=(const LineAssembler&) = delete;

    // Processes text up to its first NUL character.
    void feed(QByteArrayView text);

    QByteArrayView line() const { return {m_line.data(), m_lineLength}; }
    QByteArrayView word(int index) const { return {m_words[index].data(), m_wordLengths[index]}; }
    int wordCount() const { return m_wordCount; }

    bool promptSeen() const { return m_promptSeen; }
    void setPromptSeen(bool seen) { m_promptSeen = seen; }
    TextKind kind() const { return m_kind; }
    void setKind(TextKind kind) { m_kind = kind; }
    TextKind previousKind() const { return m_previousKind; }

    void resetLine();
    // A new connection: empty line, kind Normal, no prompt seen.
    void resetSession();

private:
    void appendToLine(char c);
    void appendRun(QByteArrayView run);
    void appendToWord(QByteArrayView run);
    qsizetype endOfLine(QByteArrayView text, qsizetype lf);
    qsizetype skipWrapJoint(QByteArrayView text, qsizetype from);
    qsizetype endOfWord(QByteArrayView text, qsizetype space);

    Handler& m_handler;
    std::array<char, MaxLineChars + 3> m_line{}; // room for CR, LF and a terminator
    qsizetype m_lineLength = 0;
    std::array<std::array<char, MaxWordChars + 1>, WordSlots> m_words{};
    std::array<qsizetype, WordSlots> m_wordLengths{};
    int m_wordCount = 0;
    bool m_afterSpace = true;
    // A wrap's joint (LF, CR, backslash, spaces) was still being skipped when the
    // text ended; the next text goes on skipping it.
    bool m_inWrapJoint = false;
    bool m_promptSeen = false;
    TextKind m_kind = TextKind::Normal;
    TextKind m_previousKind = TextKind::Normal;
};
