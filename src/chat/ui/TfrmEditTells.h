#pragma once

#include "chat/ChatAliases.h"

#include <QDialog>

class QLineEdit;
class QTabBar;

// "Edit Tells": the sixteen aliases of a chat window, edited on a copy that
// OK hands back.
class TfrmEditTells : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmEditTells(const ChatAliases& aliases, QWidget* parent = nullptr);

    QTabBar* tabAlias = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* memText = nullptr;

    // The edited copy, with the alias on show taken over.
    ChatAliases aliases() const;

private:
    void showAlias(int index);

    ChatAliases m_aliases;
    int m_shown = 0;
};
