#include "games/ui/BoardChatPane.h"

BoardChatPane::BoardChatPane(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("BoardChat"));
    setWindowTitle(Title);
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setMaximumBlockCount(1000);
}

void BoardChatPane::showLine(const QByteArray& line)
{
    appendPlainText(QString::fromLatin1(line));
}
