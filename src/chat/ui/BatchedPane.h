#pragma once

#include "chat/TerminalBacklog.h"
#include "chat/ui/TerminalPane.h"
#include "settings/FontSpec.h"

#include <QTextCharFormat>

// A server text pane that shows what arrives at the pace of the screen: the
// terminal and the chat panes. Arriving lines wait in a backlog and go into the
// pane together every few screen frames, so a burst costs one layout of
// the new lines and one repaint of what moved, not one per line; the scroll
// bar repaints only when its handle moves, and nothing runs while no line waits;
// a hidden pane lays out nothing until it is shown.
class BatchedPane : public TerminalPane
{
    Q_OBJECT

public:
    explicit BatchedPane(TerminalBacklog::Limits limits, QWidget* parent = nullptr);

    // Where the input focus goes when the pane must give it up.
    void setFocusTarget(QWidget* target) { m_focusTarget = target; }

    // Empties the pane, with the lines still waiting for the next update.
    void clearPane();

    // Puts the waiting lines into the pane now instead of at the next update;
    // lines waiting for the next update are not counted by lineCount() yet.
    void showPendingLines();

Q_SIGNALS:
    // Waiting lines went into the pane.
    void linesShown();
    // Lines came to the hidden pane; they wait until it is shown.
    void linesWaiting();

protected:
    void queue(TerminalBacklog::Piece piece);
    // A selection always keeps the user's view; a pane may know more reasons.
    virtual bool keepsView() const;
    virtual FontSpec lineFont(const TerminalBacklog::Piece& piece) const = 0;
    virtual FontSpec linkFont() const = 0;
    // The terminal hands the focus on whenever lines arrive under a kept view,
    // cut or not; a chat pane only when the cut takes text from it.
    void setKeptViewGivesUpFocus(bool givesUp) { m_keptViewGivesUpFocus = givesUp; }
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void frameDue();
    void insert(const TerminalBacklog::Piece& piece);
    QTextCharFormat charFormat(const FontSpec& font);
    void giveUpFocus();

    QWidget* m_focusTarget = nullptr;
    bool m_keptViewGivesUpFocus = false;
    TerminalBacklog m_backlog;
    // Formats made from the fonts lines were shown in, so that a line does not
    // build its QFont again.
    QList<std::pair<FontSpec, QTextCharFormat>> m_formats;
};
