#pragma once

#include "settings/FontSpec.h"
#include "chat/TerminalBacklog.h"
#include "chat/ui/TerminalPane.h"
#include "session/TerminalSink.h"

#include <QTextCharFormat>
#include <QTimer>

class KindFonts;
class QTextBlock;
class ScrollLock;

// The terminal, memTerminal: where every shown server line lands, in the font
// of its kind or its speaker, with its link marked, without disturbing the
// user's selection or a locked view.
//
// Arriving lines wait in a backlog and go into the document together every few
// screen frames, so a burst costs one layout of the new lines and one repaint
// of what moved, not one per line or per chunk.
class TerminalView : public TerminalPane, public TerminalSink
{
    Q_OBJECT

public:
    TerminalView(const KindFonts& fonts, const ScrollLock& scrollLock, QWidget* parent = nullptr);

    // Where the input focus goes when the terminal must give it up.
    void setFocusTarget(QWidget* target) { m_focusTarget = target; }

    void terminalUpkeep() override;
    void appendToTerminal(const QByteArray& text, TextKind kind, const QByteArray& key) override;

    // Text of our own (the command echo), shown at once as server text of that kind is.
    void appendLine(const QString& line, TextKind kind);

    // Empties the terminal, with the lines still waiting for the next update.
    void clearTerminal();

    // Puts the waiting lines into the document now instead of at the next update.
    void showPendingLines();

    // Finished lines in the document (the empty paragraph after the last line
    // break is none); lines waiting for the next update are not counted yet.
    int lineCount() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void queue(TerminalBacklog::Piece piece);
    int cutFirstLines(int lines);
    static void keepShapedGlyphs(QTextBlock block);
    void insert(const TerminalBacklog::Piece& piece, QTextCursor& end);
    const QTextCharFormat& charFormat(const FontSpec& font);
    bool keepsView() const;
    void scrollToEnd();
    void giveUpFocus();

    const KindFonts& m_fonts;
    const ScrollLock& m_scrollLock;
    QWidget* m_focusTarget = nullptr;
    TerminalBacklog m_backlog;
    QTimer m_frame; // the next update; runs only while lines wait
    // Formats made from the fonts lines were shown in, so that a line does not
    // build its QFont again.
    QList<std::pair<FontSpec, QTextCharFormat>> m_formats;
};
