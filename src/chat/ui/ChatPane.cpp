#include "chat/ui/ChatPane.h"

#include <QTextCursor>

namespace {

// The pane is cut once it holds more than MaxLines lines, down to the lines
// from KeptFromLine on, before the next line goes in.
constexpr TerminalBacklog::Limits ChatLimits{ChatPane::MaxLines + 1, ChatPane::KeptFromLine};

} // namespace

ChatPane::ChatPane(QWidget* parent) : BatchedPane(ChatLimits, parent)
{
    setObjectName(QStringLiteral("memOut"));
    setLinkCharacters(TerminalText::LinkCharacters::Chat);
    setLeftClickPicks(false);
}

void ChatPane::appendLine(const QString& text, const FontSpec& font, const FontSpec& linkFont)
{
    m_linkFont = linkFont;
    queue({text, TextKind::Normal, QString(), true, font});
}

void ChatPane::appendEcho(const QString& text, const FontSpec& font)
{
    queue({text, TextKind::Commands, QString(), true, font});
    setTextCursor(QTextCursor(document())); // the selection gives way to the echo
    showPendingLines();
}

void ChatPane::followNewest()
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    scrollToEnd();
}

FontSpec ChatPane::lineFont(const TerminalBacklog::Piece& piece) const
{
    return piece.font.value_or(FontSpec());
}
