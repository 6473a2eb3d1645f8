#include "session/ui/TfrmCancelMessage.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfrmCancelMessage::TfrmCancelMessage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmCancelMessage"));
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setWordWrap(true);
    lblMessage->setMinimumWidth(240);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addWidget(btnCancel, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnCancel, &QPushButton::clicked, this, &TfrmCancelMessage::reject);
}

void TfrmCancelMessage::setCancelAction(std::function<void()> action)
{
    m_cancelAction = std::move(action);
}

void TfrmCancelMessage::showMessage(const QString& caption, const QString& message)
{
    setWindowTitle(caption);
    lblMessage->setText(message);
    adjustSize();
    const QScreen* target = parentWidget() ? parentWidget()->screen() : screen();
    const QRect area = target->geometry();
    move(area.left() + (area.width() - width()) / 8, area.top() + (area.height() - height()) / 8);
    show();
    raise();
}

void TfrmCancelMessage::hideMessage()
{
    hide();
}

void TfrmCancelMessage::reject()
{
    // The action may hide this window itself; hiding twice does no harm.
    if (m_cancelAction)
        m_cancelAction();
    QDialog::reject();
}
