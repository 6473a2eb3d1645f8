#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The notice of a game's result: a small window centred on the screen, above
// the others, that never blocks the session. It shows the latest notice; OK
// hides it, as Escape does. Its check box hides the notices to come, as the options' "Do not
// display game over messages." does.
class TfrmMessage : public QDialog
{
    Q_OBJECT

public:
    static inline const QString HideCaption = QStringLiteral("Do not display game over messages.");

    explicit TfrmMessage(QWidget* parent = nullptr);

    void showNotice(const QString& text, const QString& caption);
    // The check box shows the current choice each time the notice comes up.
    void setHideGameMessages(bool hide);

    QLabel* lblMessage = nullptr;
    QCheckBox* chkHideGameMessages = nullptr;
    QPushButton* btnOK = nullptr;

Q_SIGNALS:
    // OK was pressed with the check box changed.
    void hideGameMessagesChosen(bool hide);

private:
    void takeChoice();

    bool m_hideGameMessages = false;
};
