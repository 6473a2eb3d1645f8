#include "lists/ui/TfrmHistory.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int JournalSlots = 26;

} // namespace

TfrmHistory::TfrmHistory(CommandSender& commands, QWidget* parent)
    : TfrmGameList(GameListKind::History, QStringLiteral("lstHist"), commands, parent),
      cmbSlot(new QComboBox)
{
    using Button = GameListCommands::Button;
    setObjectName(QStringLiteral("frmHistory"));
    resize(760, 320);
    addButton(Button::MailStored, QStringLiteral("btMailStored"), QStringLiteral("Mail Stored"));
    addButton(Button::AddToJournal, QStringLiteral("btJournal"), QStringLiteral("Add To Journal"));
    cmbSlot->setObjectName(QStringLiteral("cmbSlot"));
    cmbSlot->setEditable(true);
    for (int slot = 1; slot <= JournalSlots; ++slot)
        cmbSlot->addItem(QStringLiteral("%%1").arg(slot, 2, 10, QLatin1Char('0')));
    cmbSlot->addItem(QString());
    cmbSlot->setCurrentIndex(0);
    extraRow()->addWidget(new QLabel(QStringLiteral("Journal Slot")));
    extraRow()->addWidget(cmbSlot);
    extraRow()->addStretch();
}

void TfrmHistory::fillExtra(GameListCommands::Extra& extra) const
{
    extra.slot = cmbSlot->currentText();
}
