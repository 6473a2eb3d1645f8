#pragma once

#include "settings/FontSpec.h"
#include "settings/TextKind.h"

#include <QList>
#include <QString>

#include <optional>

// The lines on their way to a text pane between two screen frames. The pane
// keeps at most maxLines lines; past that its oldest cutLines go. The cut is
// counted here as each line arrives, so a flood that brings many thousand
// lines in one frame never builds more text than the pane will keep: lines
// cut before they were shown are simply dropped.
class TerminalBacklog
{
public:
    // The terminal's limits.
    static constexpr int MaxLines = 1000;
    static constexpr int CutLines = 300;

    struct Limits
    {
        int maxLines = MaxLines;
        int cutLines = CutLines;
    };

    struct Piece
    {
        QString text; // without its line end
        TextKind kind = TextKind::Normal;
        QString key;          // custom-font lookup key, or empty
        bool finished = true; // false: a partial line that the next piece continues
        std::optional<FontSpec> font; // chosen by the sender; otherwise by kind and key
    };

    TerminalBacklog() = default;
    explicit TerminalBacklog(Limits limits) : m_limits(limits) {}

    // What the next frame does to the pane: remove its first cutShown lines
    // (counting an unfinished last line as one), then add the pieces.
    struct Batch
    {
        int cutShown = 0;
        QList<Piece> pieces;
    };

    void append(Piece piece);

    // Hands over the waiting work; afterwards the pane is taken to hold it.
    Batch take();

    // The pane was emptied: nothing is shown and nothing waits.
    void clear();

    bool isEmpty() const { return m_pending.isEmpty() && m_cutShown == 0 && !m_cutOpen; }

    // Finished lines in the pane once the waiting work is done.
    int lineCount() const { return m_shown - m_cutShown + m_pendingLines; }

private:
    void cut(int lines);

    Limits m_limits;

    int m_shown = 0;          // finished lines in the pane
    bool m_shownOpen = false; // the pane ends in an unfinished line
    int m_cutShown = 0;       // finished lines to remove from the pane's top
    bool m_cutOpen = false;   // its unfinished last line goes too
    QList<Piece> m_pending;
    int m_pendingLines = 0; // finished pieces among m_pending
};
