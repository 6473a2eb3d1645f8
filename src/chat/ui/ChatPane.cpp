#include "chat/ui/ChatPane.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>

ChatPane::ChatPane(QWidget* parent) : TerminalPane(parent)
{
    setObjectName(QStringLiteral("memOut"));
    setLinkCharacters(TerminalText::LinkCharacters::Chat);
    setLeftClickPicks(false);
    QTextCursor(document()).setBlockFormat(paragraphFormat());
}

int ChatPane::lineCount() const
{
    const int blocks = document()->blockCount();
    return document()->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

void ChatPane::cutOldLines()
{
    if (lineCount() <= MaxLines)
        return;
    if (m_focusTarget && hasFocus() && QApplication::activeWindow())
        m_focusTarget->setFocus();
    QTextCursor cut(document());
    cut.setPosition(document()->findBlockByNumber(KeptFromLine).position(),
                    QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

void ChatPane::appendLine(const QString& rawText, const QTextCharFormat& format,
                          const QTextCharFormat& linkFormat)
{
    cutOldLines();
    QString text = rawText;
    text.remove(u'\r');
    text.replace(u'\n', u' ');

    const QTextCursor user = textCursor();
    const bool keepView = user.hasSelection();
    const int scroll = verticalScrollBar()->value();

    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    const std::optional<TerminalText::Span> link =
        TerminalText::FindLink(text, TerminalText::LinkCharacters::Chat);
    if (link) {
        end.insertText(text.left(link->first), format);
        end.insertText(text.mid(link->first, link->last - link->first + 1), linkFormat);
        end.insertText(text.mid(link->last + 1), format);
    } else {
        end.insertText(text, format);
    }
    end.insertBlock(paragraphFormat(), format);
    end.endEditBlock();

    if (keepView) {
        verticalScrollBar()->setValue(scroll);
    } else {
        setTextCursor(end);
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}

void ChatPane::appendEcho(const QString& text, const QTextCharFormat& format)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    end.insertText(text, format);
    end.insertBlock(paragraphFormat(), format);
    end.endEditBlock();
    setTextCursor(end);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
