#pragma once

#include "chat/TMouseActions.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Mouse Actions": edits a copy of the actions; the caller takes the list on OK.
class TfrmMouseActions : public QDialog
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("Mouse Actions");
    static inline const QString PredefinedText = QStringLiteral("Predefined.");

    explicit TfrmMouseActions(const QList<TMouseAction>& entries, QWidget* parent = nullptr);

    const QList<TMouseAction>& entries() const { return m_entries; }

    QListWidget* lstActions;
    QLineEdit* edLabel;
    QLineEdit* edCommand;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void showSelected();
    void labelEdited(const QString& text);
    void commandEdited(const QString& text);
    void add();
    void remove();
    void move(int by);
    void fillList(int selected);
    int selected() const;

    QList<TMouseAction> m_entries;
    bool m_filling = false;
};
