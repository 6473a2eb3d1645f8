#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// A small stay-on-top progress window with one centred message and a Cancel
// button whose action the caller provides. Showing and hiding are separate
// calls, so that the caller hides it when the awaited event arrives.
class TfrmCancelMessage : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCancelMessage(QWidget* parent = nullptr);

    void setCancelAction(std::function<void()> action);
    // Sets caption and message and places the window an eighth into the free
    // screen area (the screen's size less the window's) from the left and the top.
    void showMessage(const QString& caption, const QString& message);
    void hideMessage();

    // Cancel, the Escape key and the window's close button all run the action.
    void reject() override;

    QLabel* lblMessage;
    QPushButton* btnCancel;

private:
    std::function<void()> m_cancelAction;
};
