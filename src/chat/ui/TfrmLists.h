#pragma once

#include "chat/TLists.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Edit Lists": labels, commands and automatic updates of the command lists.
// Works on a copy; the caller takes lists() when the dialog is accepted.
class TfrmLists : public QDialog
{
    Q_OBJECT

public:
    TfrmLists(const TLists& lists, ServerProtocol protocol, QWidget* parent = nullptr);

    const TLists& lists() const { return m_lists; }

    QListWidget* lstLists;
    QLineEdit* txtLabel;
    QLineEdit* txtCommand;
    QComboBox* cmbUpdate;
    QPushButton* btAdd;
    QPushButton* btRemove;
    QPushButton* btUp;
    QPushButton* btDown;

private:
    void showLabels(int selected);
    void selectionChanged(int position);

    TLists m_lists;
    bool m_showing = false;
};
