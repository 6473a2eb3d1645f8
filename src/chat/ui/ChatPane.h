#pragma once

#include "chat/ui/TerminalPane.h"

// The output pane of a chat window, memOut: lines in their speaker's font with
// the link marked, the oldest cut away in one piece when the pane grows long.
// Unlike the terminal it knows no scroll lock: only a selection keeps the view.
class ChatPane : public TerminalPane
{
    Q_OBJECT

public:
    static constexpr int MaxLines = 1000;
    static constexpr int KeptFromLine = 400; // lines before this one go

    explicit ChatPane(QWidget* parent = nullptr);

    // Where the focus goes when the cut takes it from the pane.
    void setFocusTarget(QWidget* target) { m_focusTarget = target; }

    void appendLine(const QString& text, const QTextCharFormat& format,
                    const QTextCharFormat& linkFormat);
    // Caret to the end, selection shown again: the echo of a sent message.
    void appendEcho(const QString& text, const QTextCharFormat& format);

    int lineCount() const;

private:
    void cutOldLines();

    QWidget* m_focusTarget = nullptr;
};
