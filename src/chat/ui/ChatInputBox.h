#pragma once

#include <QTextEdit>

class QMenu;

// The chat window's input box, memIn: one line of text that wraps at the box's
// width and asks for the height its text needs. Enter sends; line breaks never
// get in, pasted ones turn into spaces. Its own edit menu, mnuStandardPop,
// acts on the box and leaves it the focus.
class ChatInputBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit ChatInputBox(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    // Plain text, never read as markup; line breaks become spaces.
    void setText(const QString& text);
    // Replaces the selection, as a paste does.
    void insertText(const QString& text);
    // The height, frame included, that shows every line of the text.
    int wantedHeight() const;

    QMenu* mnuStandardPop = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuSelectAll = nullptr;

Q_SIGNALS:
    void returnPressed();
    // The text now needs another height than the box has.
    void heightWanted(int height);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenu();
    void renewMenu();
    void askForHeight();

    int m_askedHeight = -1;
};
