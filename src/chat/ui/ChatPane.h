#pragma once

#include "chat/ui/BatchedPane.h"

// The output pane of a chat window, memOut: lines in their speaker's font with
// the link marked, the oldest cut away in one piece when the pane grows long.
// Unlike the terminal it knows no scroll lock: only a selection keeps the view.
// Lines go in at the pace of the screen, as the terminal's do.
class ChatPane : public BatchedPane
{
    Q_OBJECT

public:
    static constexpr int MaxLines = 1000;
    static constexpr int KeptFromLine = 400; // lines before this one go

    explicit ChatPane(QWidget* parent = nullptr);

    void appendLine(const QString& text, const FontSpec& font, const FontSpec& linkFont);
    // Shown at once, the selection gone: the echo of a sent message.
    void appendEcho(const QString& text, const FontSpec& font);

protected:
    FontSpec lineFont(const TerminalBacklog::Piece& piece) const override;
    FontSpec linkFont() const override { return m_linkFont; }

private:
    FontSpec m_linkFont; // the newest line's
};
