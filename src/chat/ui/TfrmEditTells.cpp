#include "chat/ui/TfrmEditTells.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

TfrmEditTells::TfrmEditTells(const ChatAliases& aliases, QWidget* parent)
    : QDialog(parent), m_aliases(aliases)
{
    setObjectName(QStringLiteral("frmEditTells"));
    setWindowTitle(QStringLiteral("Edit Tells"));
    tabAlias = new QTabBar(this);
    for (int i = 0; i < ChatAliases::Count; ++i)
        tabAlias->addTab(u'&' + QString::number(i, 16));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMaxLength(ChatAliases::MaxNameLength);
    memText = new QLineEdit(this);
    memText->setObjectName(QStringLiteral("memText"));
    memText->setMaxLength(ChatAliases::MaxTextLength);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name:"), txtName);
    fields->addRow(QStringLiteral("Message"), memText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabAlias);
    column->addLayout(fields);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    txtName->setText(m_aliases.aliases[0].name);
    memText->setText(m_aliases.aliases[0].text);
    connect(tabAlias, &QTabBar::currentChanged, this, &TfrmEditTells::showAlias);
}

void TfrmEditTells::showAlias(int index)
{
    // What is on show belongs to the alias shown so far.
    m_aliases.aliases[std::size_t(m_shown)] = {txtName->text(), memText->text()};
    if (index < 0 || index >= ChatAliases::Count)
        return;
    m_shown = index;
    const ChatAliases::Alias& alias = m_aliases.aliases[std::size_t(index)];
    txtName->setText(alias.name);
    memText->setText(alias.text);
}

ChatAliases TfrmEditTells::aliases() const
{
    ChatAliases edited = m_aliases;
    edited.aliases[std::size_t(m_shown)] = {txtName->text(), memText->text()};
    return edited;
}
