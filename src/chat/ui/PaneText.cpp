#include "chat/ui/PaneText.h"

#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// Room above the first line and below the last.
constexpr int Padding = 2;

} // namespace

PaneText::PaneText(const QPaintDevice* device) : m_device(device) {}

void PaneText::setIndents(qreal first, qreal rest)
{
    if (first == m_firstIndent && rest == m_restIndent)
        return;
    m_firstIndent = first;
    m_restIndent = rest;
    m_laidOut = 0;
}

void PaneText::setFont(const QFont& font)
{
    m_font = font;
    m_laidOut = 0;
}

void PaneText::setWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    m_laidOut = 0;
}

void PaneText::append(const QString& text, const QTextCharFormat& format)
{
    if (m_lines.empty() || m_lines.back().finished)
        m_lines.emplace_back();
    Line& line = m_lines.back();
    const int start = int(line.text.size());
    line.text += text;
    if (format.propertyCount() > 0 && !text.isEmpty()) {
        // Pieces of one format make one run.
        if (!line.formats.isEmpty() && line.formats.last().format == format &&
            line.formats.last().start + line.formats.last().length == start)
            line.formats.last().length += int(text.size());
        else
            line.formats.append({start, int(text.size()), format});
    }
    m_laidOut = std::min(m_laidOut, lineCount() - 1);
}

void PaneText::endLine()
{
    if (m_lines.empty() || m_lines.back().finished)
        m_lines.emplace_back();
    m_lines.back().finished = true;
    m_laidOut = std::min(m_laidOut, lineCount() - 1);
}

int PaneText::removeFirstLines(int count)
{
    count = std::clamp(count, 0, lineCount());
    if (count == 0)
        return 0;
    // A line not laid out yet has no place; what it would take is none.
    const int removed = std::max(0, count < lineCount() ? m_lines[std::size_t(count)].top - Padding
                                                        : height() - 2 * Padding);
    m_lines.erase(m_lines.begin(), m_lines.begin() + count);
    for (Line& line : m_lines)
        line.top -= removed;
    m_laidOut = std::max(0, m_laidOut - count);
    return removed;
}

void PaneText::clear()
{
    m_lines.clear();
    m_laidOut = 0;
}

int PaneText::layOut()
{
    const int first = m_laidOut;
    for (int i = first; i < lineCount(); ++i) {
        const int top = i == 0 ? Padding : m_lines[std::size_t(i - 1)].top + lineHeight(i - 1);
        layOut(m_lines[std::size_t(i)], top);
    }
    m_laidOut = lineCount();
    return first;
}

void PaneText::layOut(Line& line, int top) const
{
    // Most lines are in one format: that one is the layout's font and the pen,
    // which spares a format collection per line and its lookups at every paint.
    const bool oneFormat = line.formats.size() == 1 && line.formats.first().start == 0 &&
                           line.formats.first().length == line.text.size();
    const QTextCharFormat* only = oneFormat ? &line.formats.first().format : nullptr;
    // What the format leaves open comes from the pane's font, as with formats.
    const QFont font = only ? only->font().resolve(m_font) : m_font;
    line.layout = std::make_unique<QTextLayout>(line.text, font, m_device);
    line.pen = only && only->hasProperty(QTextFormat::ForegroundBrush) ? only->foreground().color()
                                                                       : QColor();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Server text is Latin-1 and runs left to right; saying so spares every
    // layout a scan of its text for its direction.
    option.setTextDirection(Qt::LeftToRight);
    line.layout->setTextOption(option);
    if (!only)
        line.layout->setFormats(line.formats);
    // Without its glyphs a line would be shaped again at every paint.
    line.layout->setCacheEnabled(true);
    line.layout->beginLayout();
    qreal y = 0;
    for (QTextLine shown = line.layout->createLine(); shown.isValid();
         shown = line.layout->createLine()) {
        const qreal indent = shown.lineNumber() == 0 ? m_firstIndent : m_restIndent;
        shown.setLineWidth(std::max<qreal>(1, m_width - indent));
        shown.setPosition(QPointF(indent, y));
        y += shown.height();
    }
    line.layout->endLayout();
    line.top = top;
    line.height = int(std::ceil(y));
}

int PaneText::finishedLineCount() const
{
    return !m_lines.empty() && !m_lines.back().finished ? lineCount() - 1 : lineCount();
}

TextPoint PaneText::end() const
{
    if (m_lines.empty())
        return {};
    if (m_lines.back().finished)
        return {lineCount(), 0};
    return {lineCount() - 1, int(m_lines.back().text.size())};
}

TextPoint PaneText::clamped(TextPoint point) const
{
    if (point.line < 0)
        return {};
    if (point.line >= lineCount())
        return end();
    point.column = std::clamp(point.column, 0, int(text(point.line).size()));
    return point;
}

QString PaneText::textBetween(TextPoint from, TextPoint to) const
{
    from = clamped(from);
    to = clamped(to);
    QString out;
    for (TextPoint at = from; at < to; at = {at.line + 1, 0}) {
        const QString& line = text(at.line);
        if (at.line == to.line) {
            out += QStringView(line).mid(at.column, to.column - at.column);
            break;
        }
        out += QStringView(line).mid(at.column);
        out += u'\n';
    }
    return out;
}

QString PaneText::plainText() const
{
    return textBetween({}, end());
}

QTextCharFormat PaneText::formatAt(TextPoint point) const
{
    point = clamped(point);
    if (point.line >= lineCount())
        return {};
    for (const QTextLayout::FormatRange& range : m_lines[std::size_t(point.line)].formats) {
        if (point.column >= range.start && point.column < range.start + range.length)
            return range.format;
    }
    return {};
}

int PaneText::height() const
{
    if (m_lines.empty())
        return 2 * Padding;
    return m_lines.back().top + m_lines.back().height + Padding;
}

int PaneText::top(int line) const
{
    if (line >= lineCount())
        return height() - Padding;
    return m_lines[std::size_t(line)].top;
}

int PaneText::lineAt(int y) const
{
    // The first line whose bottom lies below y.
    const auto found =
        std::upper_bound(m_lines.begin(), m_lines.end(), y,
                         [](int at, const Line& line) { return at < line.top + line.height; });
    return int(found - m_lines.begin());
}

TextPoint PaneText::pointAt(QPointF at) const
{
    if (m_lines.empty())
        return {};
    const int index = std::min(lineAt(int(std::floor(at.y()))), lineCount() - 1);
    const Line& line = m_lines[std::size_t(index)];
    const QTextLayout& layout = *line.layout;
    const qreal y = at.y() - line.top;
    QTextLine shown = layout.lineAt(layout.lineCount() - 1);
    for (int i = 0; i < layout.lineCount(); ++i) {
        if (y < layout.lineAt(i).rect().bottom()) {
            shown = layout.lineAt(i);
            break;
        }
    }
    return {index, shown.xToCursor(at.x())};
}

QRectF PaneText::cursorRect(TextPoint point) const
{
    point = clamped(point);
    if (point.line >= lineCount())
        return QRectF(m_firstIndent, top(point.line), 1, 1);
    const Line& line = m_lines[std::size_t(point.line)];
    const QTextLine shown = line.layout->lineForTextPosition(point.column);
    return QRectF(shown.cursorToX(point.column), line.top + shown.y(), 1, shown.height());
}

PaneText::ShownLine PaneText::shownLineAt(TextPoint point) const
{
    point = clamped(point);
    if (point.line >= lineCount())
        return {QString(), 0, point};
    const Line& line = m_lines[std::size_t(point.line)];
    ShownLine out{line.text, point.column, {point.line, 0}};
    // The pane's line is the displayed one, as wrapped at the pane's width.
    if (line.layout && line.layout->lineCount() > 0) {
        const QTextLine shown = line.layout->lineForTextPosition(point.column);
        if (shown.isValid()) {
            out.text = line.text.mid(shown.textStart(), shown.textLength());
            out.column = point.column - shown.textStart();
            out.start.column = shown.textStart();
        }
    }
    return out;
}

void PaneText::draw(QPainter& painter, int scroll, const QRect& clip, TextPoint selectionStart,
                    TextPoint selectionEnd, const QTextCharFormat& selected) const
{
    const QPen pen = painter.pen();
    QList<QTextLayout::FormatRange> selections;
    for (int i = lineAt(clip.top() + scroll); i < lineCount(); ++i) {
        const Line& line = m_lines[std::size_t(i)];
        if (line.top - scroll > clip.bottom())
            break;
        selections.clear();
        if (selectionStart < selectionEnd && selectionStart.line <= i && i <= selectionEnd.line) {
            const int from = selectionStart.line == i ? selectionStart.column : 0;
            // A line break inside the selection shows as a selected blank.
            const int to = selectionEnd.line == i ? selectionEnd.column : int(line.text.size()) + 1;
            selections.append({from, to - from, selected});
        }
        painter.setPen(line.pen.isValid() ? QPen(line.pen) : pen);
        line.layout->draw(&painter, QPointF(0, line.top - scroll), selections, clip);
    }
    painter.setPen(pen);
}
