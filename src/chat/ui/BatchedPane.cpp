#include "chat/ui/BatchedPane.h"

#include "chat/TerminalText.h"
#include "chat/ui/FontSpecConversion.h"
#include "chat/ui/TerminalScrollBar.h"
#include "widgets/FrameClock.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// Distinct fonts a session shows are few; past this the cache starts afresh.
constexpr qsizetype MaxCachedFormats = 64;

} // namespace

BatchedPane::BatchedPane(TerminalBacklog::Limits limits, QWidget* parent)
    : TerminalPane(parent), m_backlog(limits)
{
    setVerticalScrollBar(new TerminalScrollBar(this));
    clearPane();
}

void BatchedPane::clearPane()
{
    FrameClock::instance().cancel(this);
    m_backlog.clear();
    clear();
    QTextCursor cursor(document());
    cursor.setBlockFormat(paragraphFormat());
}

int BatchedPane::lineCount() const
{
    const int blocks = document()->blockCount();
    return document()->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

void BatchedPane::giveUpFocus()
{
    if (m_focusTarget && hasFocus() && QApplication::activeWindow())
        m_focusTarget->setFocus();
}

void BatchedPane::queue(TerminalBacklog::Piece piece)
{
    m_backlog.append(std::move(piece));
    // On the boards' frame clock, so that new text and new positions reach the screen
    // in one paint pass.
    FrameClock::instance().request(this, FramesPerUpdate, [this] { frameDue(); });
}

bool BatchedPane::keepsView() const
{
    return textCursor().hasSelection();
}

void BatchedPane::followNewest()
{
    scrollToEnd();
}

void BatchedPane::scrollToEnd()
{
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

// A hidden pane (another tab, a closed window) keeps its lines waiting, cut as they
// come, and shows them when it is shown again: no layout for text nobody sees.
void BatchedPane::frameDue()
{
    if (isVisible())
        showPendingLines();
    else
        Q_EMIT linesWaiting();
}

void BatchedPane::showPendingLines()
{
    FrameClock::instance().cancel(this);
    if (m_backlog.isEmpty())
        return;
    const TerminalBacklog::Batch batch = m_backlog.take();

    QTextCursor user = textCursor();
    const int selectionStart = user.selectionStart();
    const int selectionEnd = user.selectionEnd();
    const bool keepView = keepsView();
    int scroll = verticalScrollBar()->value();
    // Text taken from under the caret would move the focused pane.
    if (batch.cutShown > 0 || (keepView && m_keptViewGivesUpFocus))
        giveUpFocus();

    int removed = 0;
    if (batch.cutShown > 0) {
        // A kept view goes on showing the same text, which moves up by the height cut.
        const QTextBlock firstKept = document()->findBlockByNumber(batch.cutShown);
        if (firstKept.isValid()) {
            const QAbstractTextDocumentLayout* layout = document()->documentLayout();
            scroll -= qRound(layout->blockBoundingRect(firstKept).top() -
                             layout->blockBoundingRect(document()->firstBlock()).top());
        }
        removed = cutFirstLines(batch.cutShown);
    }

    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    const int firstChanged = end.blockNumber();
    // One edit block: the new lines are laid out once, together.
    end.beginEditBlock();
    for (const TerminalBacklog::Piece& piece : batch.pieces)
        insert(piece, end);
    keepShapedGlyphs(document()->findBlockByNumber(firstChanged));
    end.endEditBlock();

    if (keepView) {
        if (selectionEnd > selectionStart) {
            // The selection keeps its text, as far as that text is left.
            user.setPosition(qMax(0, selectionStart - removed));
            user.setPosition(qMax(0, selectionEnd - removed), QTextCursor::KeepAnchor);
            setTextCursor(user);
        }
        verticalScrollBar()->setValue(qMax(0, scroll));
    } else {
        followNewest();
    }
    Q_EMIT linesShown();
}

void BatchedPane::keepShapedGlyphs(QTextBlock block)
{
    // Without its glyphs a line is shaped again at every paint; the pane keeps
    // at most a thousand lines, so keeping them costs little memory.
    for (; block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}

int BatchedPane::cutFirstLines(int lines)
{
    QTextCursor cut(document());
    const QTextBlock firstKept = document()->findBlockByNumber(lines);
    if (firstKept.isValid())
        cut.setPosition(firstKept.position(), QTextCursor::KeepAnchor);
    else
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    const int removed = cut.selectionEnd();
    cut.removeSelectedText();
    return removed;
}

void BatchedPane::insert(const TerminalBacklog::Piece& piece, QTextCursor& end)
{
    QString text = piece.text;
    text.remove(u'\r');
    text.replace(u'\n', u' ');
    const QTextCharFormat format = charFormat(lineFont(piece));
    const std::optional<TerminalText::Span> link =
        piece.finished ? TerminalText::FindLink(text, linkCharacters()) : std::nullopt;
    if (link) {
        end.insertText(text.left(link->first), format);
        end.insertText(text.mid(link->first, link->last - link->first + 1), charFormat(linkFont()));
        end.insertText(text.mid(link->last + 1), format);
    } else {
        end.insertText(text, format);
    }
    if (piece.finished)
        end.insertBlock(paragraphFormat(), format);
}

// By value (formats are shared, so a copy is cheap): a later lookup may grow
// or empty the cache, which would leave a reference pointing nowhere.
QTextCharFormat BatchedPane::charFormat(const FontSpec& font)
{
    for (const auto& [spec, format] : std::as_const(m_formats)) {
        if (spec == font)
            return format;
    }
    if (m_formats.size() >= MaxCachedFormats)
        m_formats.clear();
    m_formats.append({font, FontSpecConversion::toCharFormat(font)});
    return m_formats.last().second;
}

void BatchedPane::showEvent(QShowEvent* event)
{
    showPendingLines();
    TerminalPane::showEvent(event);
}

void BatchedPane::resizeEvent(QResizeEvent* event)
{
    // A pane that followed the newest line still shows it at its new size:
    // the text wraps anew and the scroll range changes under it.
    const bool follow = !keepsView();
    TerminalPane::resizeEvent(event);
    if (follow)
        scrollToEnd();
}
