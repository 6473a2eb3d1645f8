#pragma once

#include "lists/GameListCommands.h"
#include "lists/GameListState.h"

#include <QWidget>

class CommandSender;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// What the stored, journal and history windows share: a report-style list
// filled from a block reply by the kind's columns, the buttons every kind has
// (examine, position, moves), the player handle and the request button. Each
// window adds its own buttons and the values they need.
class TfrmGameList : public QWidget
{
    Q_OBJECT

public:
    static inline const QString SelectFirst =
        QStringLiteral("Please select a game before pressing this button.");

    void Fill(const QList<QByteArray>& lines);
    void showOrRaise();

    const GameListState& state() const { return m_state; }
    // The selected row, or -1.
    int selectedRow() const;
    QPushButton* button(GameListCommands::Button which) const;

    QTreeWidget* list;
    QLineEdit* edPlayer;
    QPushButton* btHistory;

protected:
    TfrmGameList(GameListKind::Id kind, const QString& listName, CommandSender& commands,
                 QWidget* parent);

    // A button of the window's own, placed after the shared ones.
    void addButton(GameListCommands::Button which, const QString& name, const QString& caption);
    // The row under the list, for a window's own controls.
    QHBoxLayout* extraRow() const { return m_extraRow; }
    void addButton(QHBoxLayout* row, GameListCommands::Button which, const QString& name,
                   const QString& caption);

    // The values a window's own buttons take from its controls.
    virtual void fillExtra(GameListCommands::Extra&) const {}
    // A row was clicked; the player handle already shows its opponent.
    virtual void rowChosen(int) {}

private:
    void showRows();
    void rowClicked();
    void press(GameListCommands::Button which);

    GameListState m_state;
    CommandSender& m_commands;
    QHBoxLayout* m_ownButtons;
    QHBoxLayout* m_extraRow;
    QList<QPair<GameListCommands::Button, QPushButton*>> m_buttons;
};
