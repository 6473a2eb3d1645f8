#include "chat/ui/ChatInputBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextDocument>

#include <cmath>

namespace {

// A CR LF pair counts as two characters, so each becomes a space.
QString withoutLineBreaks(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    text.replace(QChar::ParagraphSeparator, u' ');
    text.replace(QChar::LineSeparator, u' ');
    return text;
}

} // namespace

ChatInputBox::ChatInputBox(QWidget* parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("memIn"));
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    document()->setDocumentMargin(1);
    buildMenu();
    connect(document(), &QTextDocument::contentsChanged, this, &ChatInputBox::askForHeight);
}

void ChatInputBox::buildMenu()
{
    mnuStandardPop = new QMenu(this);
    mnuStandardPop->setObjectName(QStringLiteral("mnuStandardPop"));
    mnuCut = mnuStandardPop->addAction(QStringLiteral("Cu&t"), this, &QTextEdit::cut);
    mnuCopy = mnuStandardPop->addAction(QStringLiteral("&Copy"), this, &QTextEdit::copy);
    mnuPaste = mnuStandardPop->addAction(QStringLiteral("&Paste"), this, &QTextEdit::paste);
    mnuDelete = mnuStandardPop->addAction(QStringLiteral("&Delete"), this,
                                          [this] { textCursor().removeSelectedText(); });
    mnuStandardPop->addSeparator();
    mnuSelectAll =
        mnuStandardPop->addAction(QStringLiteral("Select &All"), this, &QTextEdit::selectAll);
    connect(mnuStandardPop, &QMenu::aboutToShow, this, &ChatInputBox::renewMenu);
}

void ChatInputBox::renewMenu()
{
    const bool selected = textCursor().hasSelection();
    mnuCut->setEnabled(selected);
    mnuCopy->setEnabled(selected);
    mnuDelete->setEnabled(selected);
    mnuPaste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    mnuSelectAll->setEnabled(!document()->isEmpty());
}

void ChatInputBox::setText(const QString& text)
{
    setPlainText(withoutLineBreaks(text));
    moveCursor(QTextCursor::End);
}

void ChatInputBox::insertText(const QString& text)
{
    insertPlainText(withoutLineBreaks(text));
}

int ChatInputBox::wantedHeight() const
{
    const QMargins margins = contentsMargins();
    return int(std::ceil(document()->size().height())) + margins.top() + margins.bottom() +
           viewportMargins().top() + viewportMargins().bottom();
}

void ChatInputBox::askForHeight()
{
    const int wanted = wantedHeight();
    if (wanted == m_askedHeight)
        return;
    m_askedHeight = wanted;
    Q_EMIT heightWanted(wanted);
}

void ChatInputBox::resizeEvent(QResizeEvent* event)
{
    QTextEdit::resizeEvent(event);
    // A new width wraps the text anew.
    askForHeight();
}

void ChatInputBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT returnPressed();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void ChatInputBox::contextMenuEvent(QContextMenuEvent* event)
{
    mnuStandardPop->popup(event->globalPos());
    event->accept();
}

bool ChatInputBox::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

void ChatInputBox::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText())
        insertText(source->text());
}
