#pragma once

#include "chat/ChatForms.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Create Filtered Chat Form": the title, the keyword check boxes and the user
// and channel lists of a new filtered chat window. Created once per run; it
// keeps what was typed between uses.
class TfrmCreateChat : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCreateChat(QWidget* parent = nullptr);

    QLineEdit* edChatTitle = nullptr;
    std::array<QCheckBox*, 6> keywordBoxes{}; // in ChatFilter::keywords() order
    QLineEdit* edUserList = nullptr;
    QLineEdit* edChannelList = nullptr;
    QPushButton* btnCreate = nullptr;
    QPushButton* btnCancel = nullptr;

    ChatForms::Choices choices() const;
};
