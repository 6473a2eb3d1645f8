#pragma once

#include <QDialog>

// The features window: what the program offers, in a few paragraphs.
class TfrmWhatsMore : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmWhatsMore(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front when it is already shown.
    void showOrRaise();
};
