#pragma once

#include "chat/ui/BatchedPane.h"
#include "session/TerminalSink.h"

class KindFonts;
class ScrollLock;

// The terminal, memTerminal: where every shown server line lands, in the font
// of its kind or its speaker, with its link marked, without disturbing the
// user's selection or a locked view. Lines go in at the pace of the screen.
class TerminalView : public BatchedPane, public TerminalSink
{
    Q_OBJECT

public:
    TerminalView(const KindFonts& fonts, const ScrollLock& scrollLock, QWidget* parent = nullptr);

    void terminalUpkeep() override;
    void appendToTerminal(const QByteArray& text, TextKind kind, const QByteArray& key) override;

    // Text of our own (the command echo), shown at once as server text of that kind is.
    void appendLine(const QString& line, TextKind kind);

    // Empties the terminal, with the lines still waiting for the next update.
    void clearTerminal() { clearPane(); }

protected:
    bool keepsView() const override;
    FontSpec lineFont(const TerminalBacklog::Piece& piece) const override;
    FontSpec linkFont() const override;

private:
    const KindFonts& m_fonts;
    const ScrollLock& m_scrollLock;
};
