#pragma once

#include "lists/GameListCommands.h"
#include "lists/GameListState.h"

#include <QWidget>

class CommandSender;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// One game list window: stored games, journal or history, by its kind. A
// report-style list filled from a block reply, the action buttons of its kind,
// the player handle and the request button.
class TfrmGameList : public QWidget
{
    Q_OBJECT

public:
    static inline const QString SelectFirst =
        QStringLiteral("Please select a game before pressing this button.");

    TfrmGameList(GameListKind::Id kind, CommandSender& commands, QWidget* parent = nullptr);

    void Fill(const QList<QByteArray>& lines);
    void showOrRaise();

    const GameListState& state() const { return m_state; }
    // The selected row, or -1.
    int selectedRow() const;
    QPushButton* button(GameListCommands::Button which) const;

    QTreeWidget* list;
    QLineEdit* edPlayer;
    QPushButton* btHistory;
    QLabel* laAdj = nullptr;      // stored window
    QLineEdit* edAdj = nullptr;   // stored window
    QComboBox* cmbSlot = nullptr; // history window

private:
    void addButton(QHBoxLayout* row, GameListCommands::Button which, const QString& name,
                   const QString& caption);
    void showRows();
    void rowClicked();
    void press(GameListCommands::Button which);

    GameListState m_state;
    CommandSender& m_commands;
    QList<QPair<GameListCommands::Button, QPushButton*>> m_buttons;
};
