#pragma once

#include "chat/TerminalText.h"
#include "chat/ui/PaneText.h"

#include <QAbstractScrollArea>

#include <optional>
#include <utility>

// A read-only server text pane: the terminal, the chat panes and the list pane.
// Shows lines with a hanging indent, painted from their own layouts: new lines
// at the bottom move the old pixels up and draw only themselves. Turns clicks
// into link openings and word picks; what a pick means is up to the window
// that wires the signals.
class TerminalPane : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TerminalPane(QWidget* parent = nullptr);

    void setBackground(const QColor& color);
    void setBaseFont(const QFont& font, const QColor& color);
    // The chat panes end links at "-".
    void setLinkCharacters(TerminalText::LinkCharacters rules) { m_linkRules = rules; }
    TerminalText::LinkCharacters linkCharacters() const { return m_linkRules; }
    // The terminal picks the word under a left click that opens no link; a
    // chat pane leaves picking to the other buttons.
    void setLeftClickPicks(bool picks) { m_leftClickPicks = picks; }

    // The text. Edits show once finishEdit() says how the view follows them.
    void appendText(const QString& text, const QTextCharFormat& format = {});
    void endLine();
    void removeFirstLines(int count);
    void clear();
    // Lays out what changed and repaints only that: the view either stays on
    // the text it showed (which moves up by what was cut) or goes to the end.
    void finishEdit(bool keepView);

    // Finished lines; an open last line (a prompt) is not counted.
    int lineCount() const { return m_text.finishedLineCount(); }
    QString lineText(int line) const;
    // Lines joined by line breaks, a finished last line with its own.
    QString toPlainText() const { return m_text.plainText(); }
    QTextCharFormat formatAt(TextPoint point) const { return m_text.formatAt(point); }
    TextPoint endPoint() const { return m_text.end(); }

    // The caret is where the last click fell; with a selection, its start
    // stands for it.
    bool hasSelection() const { return m_anchor != m_caret; }
    QString selectedText() const;
    TextPoint selectionStart() const { return std::min(m_anchor, m_caret); }
    void select(TextPoint anchor, TextPoint caret);
    void setCaret(TextPoint caret) { select(caret, caret); }
    void clearSelection() { setCaret(m_caret); }
    // What the copy items take: the selection, or the word at the caret, to the
    // clipboard. The selection goes; empty when there was nothing (after a beep).
    QString copySelectionOrWord();

    TextPoint pointAt(const QPoint& viewportPos);
    QRect pointRect(TextPoint point);
    void scrollToEnd();

    // On the shown line that holds the caret (only its first 159 characters count).
    bool OpenLinkAt();
    QString PickWordAt();
    // Selects the word at the caret; beeps and selects nothing when there is none.
    bool SelectWordAt();

Q_SIGNALS:
    void wordPicked(const QString& word);
    void menuRequested(TerminalPane* pane, const QPoint& globalPos);
    void mouseReleased();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void layOutAll();
    void updateScrollRange();
    std::optional<std::pair<TextPoint, TextPoint>> wordAround(TextPoint point) const;

    PaneText m_text;
    TextPoint m_anchor;
    TextPoint m_caret;
    bool m_selecting = false;
    int m_cutHeight = 0; // cut since the last finishEdit()
    // The scroll bar moves under an edit whose repaint finishEdit works out.
    bool m_editScrolls = false;
    bool m_leftClickPicks = true;
    TerminalText::LinkCharacters m_linkRules = TerminalText::LinkCharacters::Terminal;
};
