#pragma once

#include <QByteArray>
#include <QPlainTextEdit>

// The chat pane under a board: the lines of the board's game as the chat routing hands
// them over. A plain read-only pane; a full chat window can take its place through the
// same two operations.
class BoardChatPane : public QPlainTextEdit
{
    Q_OBJECT

public:
    static inline const QString Title = QStringLiteral("__Board_Chat__");

    explicit BoardChatPane(QWidget* parent = nullptr);

    void showLine(const QByteArray& line);
};
