#include "session/ui/LoginInputBox.h"

#include <QInputDialog>
#include <QLineEdit>

LoginQuestions::Answer LoginInputBox::ask(const QString& caption, const QString& prompt,
                                          const QString& initialText, bool masked)
{
    QInputDialog box(m_parent);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(initialText);
    // A password typed at the prompt stays off the screen.
    box.setTextEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    const bool accepted = box.exec() == QDialog::Accepted;
    return {box.textValue(), accepted};
}
