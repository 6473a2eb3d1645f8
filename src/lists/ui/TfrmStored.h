#pragma once

#include "lists/ui/TfrmGameList.h"

class QLabel;
class QLineEdit;

// The stored (adjourned) games of a player: the games are named by their two
// players, and the window can resign, offer a draw or an abort, or ask for
// adjudication with a message of the user's.
class TfrmStored : public TfrmGameList
{
    Q_OBJECT

public:
    explicit TfrmStored(CommandSender& commands, QWidget* parent = nullptr);

    QLabel* laAdj;
    QLineEdit* edAdj;

protected:
    void fillExtra(GameListCommands::Extra& extra) const override;
    void rowChosen(int row) override;
};
