#include "chat/ui/TerminalView.h"

#include "chat/KindFonts.h"
#include "chat/ScrollLock.h"

TerminalView::TerminalView(const KindFonts& fonts, const ScrollLock& scrollLock, QWidget* parent)
    : BatchedPane({}, parent), m_fonts(fonts), m_scrollLock(scrollLock)
{
    setObjectName(QStringLiteral("memTerminal"));
    setKeptViewGivesUpFocus(true);
}

void TerminalView::terminalUpkeep()
{
    // Nothing left to do before a chunk: the scroll-lock button and menu item
    // follow the shared state by signal, and the backlog cuts as lines arrive.
}

void TerminalView::appendToTerminal(const QByteArray& text, TextKind kind, const QByteArray& key)
{
    const bool finished = text.endsWith('\n');
    QByteArray line = text;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    queue({QString::fromLatin1(line), kind, QString::fromLatin1(key), finished, std::nullopt});
}

void TerminalView::appendLine(const QString& line, TextKind kind)
{
    // The user's own echo shows at once, after whatever server text waits; a hidden
    // terminal keeps it waiting with that text.
    queue({line, kind, QString(), true, std::nullopt});
    if (isVisible())
        showPendingLines();
}

bool TerminalView::keepsView() const
{
    return m_scrollLock.isOn() || BatchedPane::keepsView();
}

FontSpec TerminalView::lineFont(const TerminalBacklog::Piece& piece) const
{
    // A partial line before login gets its kind's font only.
    return piece.finished ? m_fonts.lineFont(piece.kind, piece.key) : m_fonts[piece.kind];
}

FontSpec TerminalView::linkFont() const
{
    return m_fonts[TextKind::Links];
}
