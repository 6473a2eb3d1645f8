#pragma once

#include "lists/ui/TfrmGameList.h"

class QComboBox;

// The last games of a player, named by their number, which can be mailed or
// copied into a slot of the user's journal.
class TfrmHistory : public TfrmGameList
{
    Q_OBJECT

public:
    explicit TfrmHistory(CommandSender& commands, QWidget* parent = nullptr);

    QComboBox* cmbSlot;

protected:
    void fillExtra(GameListCommands::Extra& extra) const override;
};
