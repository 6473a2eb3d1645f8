#include "chat/ui/ChatPane.h"

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
    clearSelection(); // the selection gives way to the echo
    showPendingLines();
}

FontSpec ChatPane::lineFont(const TerminalBacklog::Piece& piece) const
{
    return piece.font.value_or(FontSpec());
}
