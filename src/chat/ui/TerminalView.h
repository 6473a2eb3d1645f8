#pragma once

#include "chat/ui/TerminalPane.h"
#include "session/TerminalSink.h"

class KindFonts;
class ScrollLock;

// The terminal, memTerminal: where every shown server line lands, in the font
// of its kind or its speaker, with its link marked, without disturbing the
// user's selection or a locked view.
class TerminalView : public TerminalPane, public TerminalSink
{
    Q_OBJECT

public:
    static constexpr int MaxLines = 1000;
    static constexpr int CutLines = 300;

    TerminalView(const KindFonts& fonts, const ScrollLock& scrollLock, QWidget* parent = nullptr);

    // Where the input focus goes when the terminal must give it up.
    void setFocusTarget(QWidget* target) { m_focusTarget = target; }

    void terminalUpkeep() override;
    void appendToTerminal(const QByteArray& text, TextKind kind, const QByteArray& key) override;

    // Text of our own (the command echo), shown as server text of that kind is.
    void appendLine(const QString& line, TextKind kind);

    // Empties the terminal.
    void clearTerminal();

    // Finished lines held (the empty paragraph after the last line break is none).
    int lineCount() const;

private:
    void append(const QString& text, TextKind kind, const QString& key, bool finished);
    void giveUpFocus();

    const KindFonts& m_fonts;
    const ScrollLock& m_scrollLock;
    QWidget* m_focusTarget = nullptr;
};
