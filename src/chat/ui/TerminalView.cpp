#include "chat/ui/TerminalView.h"

#include "chat/KindFonts.h"
#include "chat/ScrollLock.h"
#include "chat/TerminalText.h"
#include "chat/ui/FontSpecConversion.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>

TerminalView::TerminalView(const KindFonts& fonts, const ScrollLock& scrollLock, QWidget* parent)
    : TerminalPane(parent), m_fonts(fonts), m_scrollLock(scrollLock)
{
    setObjectName(QStringLiteral("memTerminal"));
    clearTerminal();
}

void TerminalView::clearTerminal()
{
    clear();
    QTextCursor cursor(document());
    cursor.setBlockFormat(paragraphFormat());
}

int TerminalView::lineCount() const
{
    const int blocks = document()->blockCount();
    return document()->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

void TerminalView::giveUpFocus()
{
    if (m_focusTarget && hasFocus() && QApplication::activeWindow())
        m_focusTarget->setFocus();
}

void TerminalView::terminalUpkeep()
{
    // The scroll-lock button and menu item follow the shared state by signal.
    if (lineCount() <= MaxLines)
        return;
    QTextCursor user = textCursor();
    const int selectionStart = user.selectionStart();
    const int selectionEnd = user.selectionEnd();
    giveUpFocus();
    const int scroll = verticalScrollBar()->value();

    QTextCursor cut(document());
    cut.setPosition(document()->findBlockByNumber(CutLines).position(), QTextCursor::KeepAnchor);
    const int removed = cut.selectionEnd();
    cut.removeSelectedText();

    // The selection keeps its text, not its old offsets, as far as that text is left.
    if (selectionEnd > selectionStart) {
        user.setPosition(qMax(0, selectionStart - removed));
        user.setPosition(qMax(0, selectionEnd - removed), QTextCursor::KeepAnchor);
        setTextCursor(user);
        verticalScrollBar()->setValue(scroll);
    }
    viewport()->update();
}

void TerminalView::appendToTerminal(const QByteArray& text, TextKind kind, const QByteArray& key)
{
    const bool finished = text.endsWith('\n');
    QByteArray line = text;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    append(QString::fromLatin1(line), kind, QString::fromLatin1(key), finished);
}

void TerminalView::appendLine(const QString& line, TextKind kind)
{
    append(line, kind, QString(), true);
}

void TerminalView::append(const QString& rawText, TextKind kind, const QString& key,
                          bool finished)
{
    QString text = rawText;
    text.remove(u'\r');
    text.replace(u'\n', u' ');

    QTextCursor user = textCursor();
    const int selectionStart = user.selectionStart();
    const int selectionEnd = user.selectionEnd();
    const bool hasSelection = selectionEnd > selectionStart;
    const bool keepView = finished && (m_scrollLock.isOn() || hasSelection);
    const int scroll = verticalScrollBar()->value();
    if (keepView)
        giveUpFocus();

    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    // One edit block: the document is laid out once per line, not once per piece.
    end.beginEditBlock();
    // A partial line before login gets its kind's font only.
    const FontSpec& font = finished ? m_fonts.lineFont(kind, key) : m_fonts[kind];
    const QTextCharFormat format = FontSpecConversion::toCharFormat(font);
    const std::optional<TerminalText::Span> link =
        finished ? TerminalText::FindLink(text) : std::nullopt;
    if (link) {
        end.insertText(text.left(link->first), format);
        end.insertText(text.mid(link->first, link->last - link->first + 1),
                       FontSpecConversion::toCharFormat(m_fonts[TextKind::Links]));
        end.insertText(text.mid(link->last + 1), format);
    } else {
        end.insertText(text, format);
    }
    if (finished)
        end.insertBlock(paragraphFormat(), format);
    end.endEditBlock();

    if (keepView) {
        if (hasSelection) {
            user.setPosition(selectionStart);
            user.setPosition(selectionEnd, QTextCursor::KeepAnchor);
            setTextCursor(user);
        }
        verticalScrollBar()->setValue(scroll);
    } else {
        setTextCursor(end);
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}
