#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextLayout>

#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;

// A place in a pane's text: a line (a paragraph, as the server sent it) and a
// character in it.
struct TextPoint
{
    int line = 0;
    int column = 0;

    friend auto operator<=>(const TextPoint&, const TextPoint&) = default;
};

// The lines of a server text pane, each laid out once for the pane's width
// with a hanging indent, and drawn from that layout. Lines come at the end
// and go from the front, so a line keeps its layout until the width or the
// font changes; nothing here knows the pane's scroll position.
class PaneText
{
public:
    // What a pick at a place works on: the shown (wrapped) line that holds it.
    struct ShownLine
    {
        QString text;
        int column = 0;
        TextPoint start; // where the shown line begins
    };

    explicit PaneText(const QPaintDevice* device);

    // The indent of a paragraph's first shown line and of its continuation lines.
    void setIndents(qreal first, qreal rest);
    void setFont(const QFont& font);
    void setWidth(int width);

    // To the open last line, or a new line when the last one is finished.
    void append(const QString& text, const QTextCharFormat& format = {});
    void endLine();
    // The height they took.
    int removeFirstLines(int count);
    void clear();

    // Lines that changed since the last call are laid out; returns the first of
    // them (lineCount() when none changed).
    int layOut();

    int lineCount() const { return int(m_lines.size()); }
    // Lines ended by a line break; an open last line (a prompt) is not counted.
    int finishedLineCount() const;
    const QString& text(int line) const { return m_lines[std::size_t(line)].text; }
    QString textBetween(TextPoint from, TextPoint to) const;
    QString plainText() const;
    QTextCharFormat formatAt(TextPoint point) const;
    TextPoint end() const;

    // Geometry, valid after layOut().
    int height() const;
    int top(int line) const;
    int lineHeight(int line) const { return m_lines[std::size_t(line)].height; }
    int lineAt(int y) const;
    TextPoint pointAt(QPointF at) const;
    QRectF cursorRect(TextPoint point) const;
    ShownLine shownLineAt(TextPoint point) const;

    // Lines crossing [clip] drawn with their top at top(line) - scroll; the
    // selection in the highlight colours.
    void draw(QPainter& painter, int scroll, const QRect& clip, TextPoint selectionStart,
              TextPoint selectionEnd, const QTextCharFormat& selected) const;

private:
    struct Line
    {
        QString text;
        QList<QTextLayout::FormatRange> formats;
        std::unique_ptr<QTextLayout> layout;
        QColor pen; // of a line in one format; otherwise the painter's
        int top = 0;
        int height = 0;
        bool finished = false;
    };
    void layOut(Line& line, int top) const;
    TextPoint clamped(TextPoint point) const;

    const QPaintDevice* m_device;
    QFont m_font;
    qreal m_firstIndent = 0;
    qreal m_restIndent = 0;
    int m_width = 0;
    std::vector<Line> m_lines;
    int m_laidOut = 0; // lines before this one have a current layout
};
