#pragma once

#include "lists/ui/TfrmGameList.h"

// The journal of a player: saved games named by their slot, which can be
// mailed or deleted from the journal.
class TfrmJournal : public TfrmGameList
{
    Q_OBJECT

public:
    explicit TfrmJournal(CommandSender& commands, QWidget* parent = nullptr);
};
