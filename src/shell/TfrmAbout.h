#pragma once

#include <QDialog>

// "&About": the program's picture with the credits over it and "Close".
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
