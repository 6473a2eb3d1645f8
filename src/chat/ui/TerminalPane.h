#pragma once

#include "chat/TerminalText.h"

#include <QTextEdit>

// A read-only server text pane: the terminal and the list pane. Shows plain
// lines with a hanging indent, and turns clicks into link openings and word
// picks; what a pick means is up to the window that wires the signals.
class TerminalPane : public QTextEdit
{
    Q_OBJECT

public:
    explicit TerminalPane(QWidget* parent = nullptr);

    void setBackground(const QColor& color);
    void setBaseFont(const QFont& font, const QColor& color);
    // The chat panes end links at "-".
    void setLinkCharacters(TerminalText::LinkCharacters rules) { m_linkRules = rules; }
    // The terminal picks the word under a left click that opens no link; a
    // chat pane leaves picking to the other buttons.
    void setLeftClickPicks(bool picks) { m_leftClickPicks = picks; }

    // On the line that holds the caret (only its first 159 characters count).
    bool OpenLinkAt();
    QString PickWordAt();
    // Selects the word at the caret; beeps and selects nothing when there is none.
    bool SelectWordAt();

    // The hanging indent of every paragraph: the first line 4 points in, its
    // continuation lines 16 points further.
    QTextBlockFormat paragraphFormat() const;

Q_SIGNALS:
    void wordPicked(const QString& word);
    void menuRequested(TerminalPane* pane, const QPoint& globalPos);
    void mouseReleased();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct CaretLine
    {
        QString text;
        int column = 0;
        int start = 0; // document position of the line's first character
    };
    CaretLine caretLine() const;

    bool m_inMouseDown = false;
    bool m_leftClickPicks = true;
    TerminalText::LinkCharacters m_linkRules = TerminalText::LinkCharacters::Terminal;
};
