#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// A small stay-on-top progress window with one message and a Cancel button
// whose action the caller provides.
class TfrmCancelMessage : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCancelMessage(QWidget* parent = nullptr);

    void setCancelAction(std::function<void()> action);
    // Sets caption and message and places the window an eighth into the free screen area.
    void showMessage(const QString& caption, const QString& message);
    void hideMessage();

private:
    QLabel* m_message = nullptr;
    QPushButton* m_cancel = nullptr;
    std::function<void()> m_cancelAction;
};
