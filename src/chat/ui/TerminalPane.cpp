#include "chat/ui/TerminalPane.h"

#include "chat/TerminalText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

namespace {

// Room between the text and the scroll bar.
constexpr int RightMargin = 4;

qreal pointsToPixels(const QWidget* widget, qreal points)
{
    return points * widget->logicalDpiX() / 72.0;
}

} // namespace

TerminalPane::TerminalPane(QWidget* parent) : QAbstractScrollArea(parent), m_text(this)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::ArrowCursor);
    viewport()->setMouseTracking(true);
    // The selection stays visible while another control has the focus.
    QPalette colors = palette();
    colors.setColor(QPalette::Inactive, QPalette::Highlight,
                    colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);
    // A paragraph's first line 4 points in, its continuation lines 16 points further.
    m_text.setIndents(pointsToPixels(this, 4), pointsToPixels(this, 4 + 16));
    m_text.setFont(font());
    updateScrollRange();
}

void TerminalPane::setBackground(const QColor& color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
}

void TerminalPane::setBaseFont(const QFont& font, const QColor& color)
{
    setFont(font);
    QPalette colors = palette();
    colors.setColor(QPalette::Text, color);
    setPalette(colors);
}

void TerminalPane::appendText(const QString& text, const QTextCharFormat& format)
{
    m_text.append(text, format);
}

void TerminalPane::endLine()
{
    m_text.endLine();
}

void TerminalPane::removeFirstLines(int count)
{
    if (count <= 0)
        return;
    m_cutHeight += m_text.removeFirstLines(count);
    // The selection keeps its text, as far as that text is left.
    const auto moved = [count](TextPoint point) {
        point.line -= count;
        return point.line < 0 ? TextPoint{} : point;
    };
    m_anchor = moved(m_anchor);
    m_caret = moved(m_caret);
}

void TerminalPane::clear()
{
    m_text.clear();
    m_anchor = m_caret = {};
    m_cutHeight = 0;
    updateScrollRange();
    viewport()->update();
}

void TerminalPane::finishEdit(bool keepView)
{
    QScrollBar* bar = verticalScrollBar();
    // Where the text that was shown stands now that lines above it went.
    const int shownTop = bar->value() - std::exchange(m_cutHeight, 0);
    const int firstChanged = m_text.layOut();
    m_editScrolls = true;
    updateScrollRange();
    bar->setValue(keepView ? shownTop : bar->maximum());
    m_editScrolls = false;

    const int top = bar->value();
    const int moved = top - shownTop;
    const int height = viewport()->height();
    if (shownTop < 0 || std::abs(moved) >= height) {
        viewport()->update();
        return;
    }
    // The old pixels move up; what is new is drawn, nothing else.
    if (moved != 0)
        viewport()->scroll(0, -moved);
    const int changedAt = std::max(0, m_text.top(firstChanged) - top);
    if (changedAt < height)
        viewport()->update(0, changedAt, viewport()->width(), height - changedAt);
}

QString TerminalPane::lineText(int line) const
{
    return line >= 0 && line < m_text.lineCount() ? m_text.text(line) : QString();
}

QString TerminalPane::selectedText() const
{
    return m_text.textBetween(selectionStart(), std::max(m_anchor, m_caret));
}

void TerminalPane::select(TextPoint anchor, TextPoint caret)
{
    if (anchor == m_anchor && caret == m_caret)
        return;
    const bool repaint = hasSelection() || anchor != caret;
    m_anchor = anchor;
    m_caret = caret;
    if (repaint)
        viewport()->update();
}

QString TerminalPane::copySelectionOrWord()
{
    if (!hasSelection())
        SelectWordAt();
    if (!hasSelection())
        return QString();
    const QString text = selectedText();
    QApplication::clipboard()->setText(text);
    clearSelection();
    return text;
}

TextPoint TerminalPane::pointAt(const QPoint& viewportPos)
{
    m_text.layOut();
    return m_text.pointAt(QPointF(viewportPos) + QPointF(0, verticalScrollBar()->value()));
}

QRect TerminalPane::pointRect(TextPoint point)
{
    m_text.layOut();
    return m_text.cursorRect(point).translated(0, -verticalScrollBar()->value()).toAlignedRect();
}

void TerminalPane::scrollToEnd()
{
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TerminalPane::updateScrollRange()
{
    QScrollBar* bar = verticalScrollBar();
    const int height = viewport()->height();
    bar->setRange(0, std::max(0, m_text.height() - height));
    bar->setPageStep(height);
    bar->setSingleStep(fontMetrics().lineSpacing());
}

void TerminalPane::layOutAll()
{
    m_text.setWidth(viewport()->width() - RightMargin);
    m_text.layOut();
    updateScrollRange();
    viewport()->update();
}

std::optional<std::pair<TextPoint, TextPoint>> TerminalPane::wordAround(TextPoint point) const
{
    const PaneText::ShownLine line = m_text.shownLineAt(point);
    const TerminalText::WordRange range = TerminalText::wordAt(line.text, line.column);
    if (range.length == 0)
        return std::nullopt;
    const TextPoint start{line.start.line, line.start.column + range.start};
    return std::pair{start, TextPoint{start.line, start.column + range.length}};
}

bool TerminalPane::OpenLinkAt()
{
    const PaneText::ShownLine line = m_text.shownLineAt(selectionStart());
    const std::optional<QString> address =
        TerminalText::linkAddressAt(line.text, line.column, m_linkRules);
    if (!address)
        return false;
    if (TerminalText::isOpenableAddress(*address))
        QDesktopServices::openUrl(QUrl(*address));
    return true;
}

QString TerminalPane::PickWordAt()
{
    const auto word = wordAround(selectionStart());
    if (!word)
        return QString();
    const QString picked = m_text.textBetween(word->first, word->second);
    Q_EMIT wordPicked(picked);
    return picked;
}

bool TerminalPane::SelectWordAt()
{
    const auto word = wordAround(selectionStart());
    if (!word) {
        QApplication::beep();
        return false;
    }
    select(word->first, word->second);
    return true;
}

void TerminalPane::paintEvent(QPaintEvent* event)
{
    m_text.layOut();
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    QTextCharFormat selected;
    selected.setBackground(palette().brush(QPalette::Highlight));
    selected.setForeground(palette().brush(QPalette::HighlightedText));
    m_text.draw(painter, verticalScrollBar()->value(), event->rect(), selectionStart(),
                std::max(m_anchor, m_caret), selected);
}

void TerminalPane::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    layOutAll();
}

void TerminalPane::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_text.setFont(font());
        layOutAll();
    }
}

void TerminalPane::scrollContentsBy(int dx, int dy)
{
    if (!m_editScrolls)
        viewport()->scroll(dx, dy);
}

void TerminalPane::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (hasSelection())
            QApplication::clipboard()->setText(selectedText());
    } else if (event->matches(QKeySequence::SelectAll)) {
        select({}, endPoint());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TerminalPane::mousePressEvent(QMouseEvent* event)
{
    const bool hadSelection = hasSelection();
    const TextPoint point = pointAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        if (event->modifiers() & Qt::ShiftModifier)
            select(m_anchor, point);
        else
            setCaret(point);
        m_selecting = true;
        if (!hadSelection && !OpenLinkAt() && m_leftClickPicks)
            PickWordAt();
    } else {
        if (!hadSelection)
            setCaret(point);
        PickWordAt();
        Q_EMIT menuRequested(this, event->globalPosition().toPoint());
    }
}

void TerminalPane::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_selecting = false;
        // As every X application does: what is selected can be pasted with
        // the middle button.
        QClipboard* clipboard = QApplication::clipboard();
        if (hasSelection() && clipboard->supportsSelection())
            clipboard->setText(selectedText(), QClipboard::Selection);
    }
    Q_EMIT mouseReleased();
}

void TerminalPane::mouseMoveEvent(QMouseEvent* event)
{
    if (m_selecting && (event->buttons() & Qt::LeftButton)) {
        const QPoint at = event->position().toPoint();
        // Dragging past an edge pulls the text along.
        QScrollBar* bar = verticalScrollBar();
        if (at.y() < 0)
            bar->setValue(bar->value() - bar->singleStep());
        else if (at.y() > viewport()->height())
            bar->setValue(bar->value() + bar->singleStep());
        select(m_anchor, pointAt(at));
    }
    Q_EMIT mouseMoved();
}

void TerminalPane::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto word = wordAround(pointAt(event->position().toPoint())))
        select(word->first, word->second);
}

void TerminalPane::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // the pane's own menu opens on the button press
}
