#include "chat/ui/TerminalPane.h"

#include "chat/TerminalText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QUrl>

namespace {

qreal pointsToPixels(const QWidget* widget, qreal points)
{
    return points * widget->logicalDpiX() / 72.0;
}

} // namespace

TerminalPane::TerminalPane(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    viewport()->setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    // The selection stays visible while another control has the focus.
    QPalette colors = palette();
    colors.setColor(QPalette::Inactive, QPalette::Highlight,
                    colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);
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

QTextBlockFormat TerminalPane::paragraphFormat() const
{
    QTextBlockFormat format;
    format.setLeftMargin(pointsToPixels(this, 4 + 16));
    format.setTextIndent(-pointsToPixels(this, 16));
    // Server text is Latin-1 and runs left to right; saying so spares every
    // layout and every paint of a line a scan of its text for its direction.
    format.setLayoutDirection(Qt::LeftToRight);
    return format;
}

TerminalPane::CaretLine TerminalPane::caretLine() const
{
    // With a selection, its start stands for the caret.
    const QTextCursor cursor = textCursor();
    const int position = cursor.hasSelection() ? cursor.selectionStart() : cursor.position();
    const QTextBlock block = document()->findBlock(position);
    const int inBlock = position - block.position();
    CaretLine line{block.text(), inBlock, block.position()};
    // The pane's line is the displayed one, as wrapped at the pane's width.
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine shown = layout->lineForTextPosition(inBlock);
        if (shown.isValid()) {
            line.text = block.text().mid(shown.textStart(), shown.textLength());
            line.column = inBlock - shown.textStart();
            line.start = block.position() + shown.textStart();
        }
    }
    return line;
}

bool TerminalPane::OpenLinkAt()
{
    const CaretLine line = caretLine();
    const std::optional<QString> address = TerminalText::linkAddressAt(line.text, line.column,
                                                                             m_linkRules);
    if (!address)
        return false;
    if (TerminalText::isOpenableAddress(*address))
        QDesktopServices::openUrl(QUrl(*address));
    return true;
}

QString TerminalPane::PickWordAt()
{
    const CaretLine line = caretLine();
    const TerminalText::WordRange range = TerminalText::wordAt(line.text, line.column);
    if (range.length == 0)
        return QString();
    const QString word = line.text.mid(range.start, range.length);
    Q_EMIT wordPicked(word);
    return word;
}

bool TerminalPane::SelectWordAt()
{
    const CaretLine line = caretLine();
    const TerminalText::WordRange range = TerminalText::wordAt(line.text, line.column);
    if (range.length == 0) {
        QApplication::beep();
        return false;
    }
    QTextCursor cursor = textCursor();
    cursor.setPosition(line.start + range.start);
    cursor.setPosition(line.start + range.start + range.length, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    return true;
}

void TerminalPane::mousePressEvent(QMouseEvent* event)
{
    // The caret moves below re-enter through the text control; a press that
    // arrives meanwhile is dropped.
    if (m_inMouseDown)
        return;
    m_inMouseDown = true;
    const bool hadSelection = textCursor().hasSelection();
    if (event->button() == Qt::LeftButton) {
        QTextEdit::mousePressEvent(event);
        if (!hadSelection && !OpenLinkAt() && m_leftClickPicks)
            PickWordAt();
    } else {
        if (!hadSelection)
            setTextCursor(cursorForPosition(event->position().toPoint()));
        PickWordAt();
        Q_EMIT menuRequested(this, event->globalPosition().toPoint());
    }
    m_inMouseDown = false;
}

void TerminalPane::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    Q_EMIT mouseReleased();
}

void TerminalPane::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

void TerminalPane::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // the pane's own menu opens on the button press
}
