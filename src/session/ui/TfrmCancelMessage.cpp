#include "session/ui/TfrmCancelMessage.h"

TfrmCancelMessage::TfrmCancelMessage(QWidget* parent) : QDialog(parent) {}

void TfrmCancelMessage::setCancelAction(std::function<void()> action)
{
    m_cancelAction = std::move(action);
}

void TfrmCancelMessage::showMessage(const QString& caption, const QString& message)
{
    setWindowTitle(caption);
    Q_UNUSED(message);
    show();
}

void TfrmCancelMessage::hideMessage()
{
    hide();
}
