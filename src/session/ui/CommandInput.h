#pragma once

#include "session/CommandHistory.h"

#include <QComboBox>

class QCompleter;

// The command line of the main window: what the user types is what is sent. While
// typing, the preset commands that begin with the typed text (in any letter case)
// drop down in a list; the arrow keys or a click pick one into the input, where the
// user completes it. Without that list, Up and Down recall this run's commands.
class CommandInput : public QComboBox
{
    Q_OBJECT

public:
    explicit CommandInput(QWidget* parent = nullptr);

    QCompleter* presetList() const { return m_presetList; }
    const CommandHistory& history() const { return m_history; }

Q_SIGNALS:
    // Enter: the text exactly as it stands in the input.
    void commandEntered(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool presetListKey(int key);
    void offerPresets(const QString& typed);
    void showRecalled(const std::optional<QString>& text);

    QCompleter* m_presetList;
    CommandHistory m_history;
};
