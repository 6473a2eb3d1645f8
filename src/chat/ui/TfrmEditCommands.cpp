#include "chat/ui/TfrmEditCommands.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TfrmEditCommands::TfrmEditCommands(const QStringList& presets, QWidget* parent)
    : QDialog(parent), memCommands(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("frmEditCommands"));
    setWindowTitle(QStringLiteral("Edit Commands"));
    memCommands->setObjectName(QStringLiteral("memCommands"));
    memCommands->setPlainText(presets.join(u'\n'));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(memCommands);
    column->addWidget(buttons);
    resize(320, 400);
}

QStringList TfrmEditCommands::presets() const
{
    QStringList lines = memCommands->toPlainText().split(u'\n');
    lines.removeAll(QString());
    return lines;
}
