#include "chat/ui/TfrmMessage.h"
#include "widgets/ScreenCentre.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmMessage::TfrmMessage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setModal(false);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setWordWrap(true);
    lblMessage->setMinimumWidth(260);
    chkHideGameMessages = new QCheckBox(HideCaption, this);
    chkHideGameMessages->setObjectName(QStringLiteral("chkHideGameMessages"));
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setAutoDefault(true);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(btnOK);
    buttonRow->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblMessage, 1);
    column->addWidget(chkHideGameMessages);
    column->addLayout(buttonRow);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(this, &QDialog::accepted, this, &TfrmMessage::takeChoice);
}

void TfrmMessage::setHideGameMessages(bool hide)
{
    m_hideGameMessages = hide;
    chkHideGameMessages->setChecked(hide);
}

void TfrmMessage::showNotice(const QString& text, const QString& caption)
{
    setWindowTitle(caption);
    lblMessage->setText(text.trimmed());
    chkHideGameMessages->setChecked(m_hideGameMessages);
    adjustSize();
    show();
    // Placed once shown, when its size is final.
    ScreenCentre::place(*this);
    raise();
    btnOK->setFocus();
}

void TfrmMessage::takeChoice()
{
    const bool hide = chkHideGameMessages->isChecked();
    if (hide == m_hideGameMessages)
        return;
    m_hideGameMessages = hide;
    Q_EMIT hideGameMessagesChosen(hide);
}
