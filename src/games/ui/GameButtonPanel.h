#pragma once

#include "games/ManagedBoard.h"

#include <QWidget>

class QBoxLayout;
class QPushButton;

// One column (board window) or row (main window's game bar) of tagged game buttons for
// playing, examining or observing. A click reports the button's tag.
class GameButtonPanel : public QWidget
{
    Q_OBJECT

public:
    GameButtonPanel(ButtonPanel kind, Qt::Orientation orientation, QWidget* parent = nullptr);

    ButtonPanel kind() const { return m_kind; }
    QPushButton* buttonWithTag(int tag) const;
    // The layout, for callers that add their own controls after the buttons.
    QBoxLayout* boxLayout() const { return m_layout; }

Q_SIGNALS:
    void tagClicked(int tag);

private:
    ButtonPanel m_kind;
    QBoxLayout* m_layout = nullptr;
};
