#include "lists/ui/TfrmCmds.h"

#include "widgets/FixedPitchFont.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

TfrmCmds::TfrmCmds(QWidget* parent) : QWidget(parent, Qt::Window), reCmds(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmCmds"));
    setWindowTitle(QStringLiteral("Commands"));
    resize(696, 480);
    reCmds->setObjectName(QStringLiteral("reCmds"));
    reCmds->setReadOnly(true);
    reCmds->setLineWrapMode(QPlainTextEdit::NoWrap);
    reCmds->setFont(FixedPitchFont::named(FontFamily));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(reCmds);
}

void TfrmCmds::Clear()
{
    reCmds->clear();
}

void TfrmCmds::Append(const QByteArray& text)
{
    QTextDocument* document = reCmds->document();
    if (document->blockCount() > MaxLines) {
        QTextCursor oldest(document);
        oldest.movePosition(QTextCursor::Start);
        oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, LinesDropped);
        oldest.removeSelectedText();
    }
    // A reply's lines end in LF CR, as the server sends them; the pane takes
    // one line per block.
    QByteArray lines = text;
    lines.replace("\n", "").replace('\r', '\n');
    if (lines.endsWith('\n'))
        lines.chop(1);
    reCmds->appendPlainText(QString::fromLatin1(lines));
}

void TfrmCmds::showOrRaise()
{
    show();
    raise();
    activateWindow();
}
