#include "lists/ui/TfrmJournal.h"

TfrmJournal::TfrmJournal(CommandSender& commands, QWidget* parent)
    : TfrmGameList(GameListKind::Journal, QStringLiteral("lstJourn"), commands, parent)
{
    using Button = GameListCommands::Button;
    setObjectName(QStringLiteral("frmJournal"));
    resize(760, 480);
    addButton(Button::MailStored, QStringLiteral("btMailStored"), QStringLiteral("Mail Stored"));
    addButton(Button::DeleteFromJournal, QStringLiteral("btJournal"),
              QStringLiteral("Del From Journ"));
}
