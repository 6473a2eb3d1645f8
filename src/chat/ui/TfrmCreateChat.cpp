#include "chat/ui/TfrmCreateChat.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The check box of each keyword, in ChatFilter::keywords() order.
const std::array<const char*, 6> KeywordCaptions{
    "Everything Chatty", "All Users Tells and Says", "All User and Channels Tells",
    "All Channels Tells", "Shouts", "C-Shouts"};

} // namespace

TfrmCreateChat::TfrmCreateChat(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCreateChat"));
    setWindowTitle(QStringLiteral("Create Filtered Chat Form"));
    auto* fields = new QFormLayout;
    edChatTitle = new QLineEdit(this);
    edChatTitle->setObjectName(QStringLiteral("edChatTitle"));
    fields->addRow(QStringLiteral("Window Title"), edChatTitle);
    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    for (std::size_t i = 0; i < keywordBoxes.size(); ++i) {
        keywordBoxes[i] = new QCheckBox(QString::fromLatin1(KeywordCaptions[i]), this);
        column->addWidget(keywordBoxes[i]);
    }
    auto* lists = new QFormLayout;
    edUserList = new QLineEdit(this);
    edUserList->setObjectName(QStringLiteral("edUserList"));
    lists->addRow(QStringLiteral("User List"), edUserList);
    edChannelList = new QLineEdit(this);
    edChannelList->setObjectName(QStringLiteral("edChannelList"));
    lists->addRow(QStringLiteral("Channel List"), edChannelList);
    column->addLayout(lists);
    auto* buttons = new QHBoxLayout;
    btnCreate = new QPushButton(QStringLiteral("Create Chat Window"), this);
    btnCreate->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(btnCreate);
    buttons->addWidget(btnCancel);
    column->addLayout(buttons);
    connect(btnCreate, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

ChatForms::Choices TfrmCreateChat::choices() const
{
    ChatForms::Choices chosen{edChatTitle->text(), {}, edUserList->text(), edChannelList->text()};
    const QStringList keywords = ChatFilter::keywords();
    for (std::size_t i = 0; i < keywordBoxes.size(); ++i) {
        if (keywordBoxes[i]->isChecked())
            chosen.keywords.append(keywords.at(qsizetype(i)));
    }
    return chosen;
}
