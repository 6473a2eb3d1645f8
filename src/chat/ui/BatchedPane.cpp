#include "chat/ui/BatchedPane.h"

#include "chat/TerminalText.h"
#include "chat/ui/FontSpecConversion.h"
#include "chat/ui/TerminalScrollBar.h"
#include "widgets/FrameClock.h"

#include <QApplication>
#include <QScrollBar>

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
}

void BatchedPane::giveUpFocus()
{
    if (m_focusTarget && hasFocus() && QApplication::activeWindow())
        m_focusTarget->setFocus();
}

void BatchedPane::queue(TerminalBacklog::Piece piece)
{
    m_backlog.append(std::move(piece));
    // Each update costs a scroll, a repaint and a layout pass however few lines it brings,
    // and a server sends a line or two per chunk: the lines of a turn go in together, on
    // the frames observed boards are drawn on, so new text and new positions reach the
    // screen in one paint pass.
    FrameClock::instance().requestTurn(this, [this] { frameDue(); });
}

bool BatchedPane::keepsView() const
{
    return hasSelection();
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
    const bool keepView = keepsView();
    // Text taken from under the caret would move the focused pane.
    if (batch.cutShown > 0 || (keepView && m_keptViewGivesUpFocus))
        giveUpFocus();
    removeFirstLines(batch.cutShown);
    for (const TerminalBacklog::Piece& piece : batch.pieces)
        insert(piece);
    finishEdit(keepView);
    Q_EMIT linesShown();
}

void BatchedPane::insert(const TerminalBacklog::Piece& piece)
{
    QString text = piece.text;
    text.remove(u'\r');
    text.replace(u'\n', u' ');
    const QTextCharFormat format = charFormat(lineFont(piece));
    const std::optional<TerminalText::Span> link =
        piece.finished ? TerminalText::FindLink(text, linkCharacters()) : std::nullopt;
    if (link) {
        appendText(text.left(link->first), format);
        appendText(text.mid(link->first, link->last - link->first + 1), charFormat(linkFont()));
        appendText(text.mid(link->last + 1), format);
    } else {
        appendText(text, format);
    }
    if (piece.finished)
        endLine();
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
