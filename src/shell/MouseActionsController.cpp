#include "shell/MouseActionsController.h"

#include "chat/ui/TfrmMouseActions.h"
#include "session/CommandSender.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsWriteError.h"
#include "shell/TfrmMainChess.h"

#include <QAction>
#include <QMenu>

MouseActionsController::MouseActionsController(TfrmMainChess& window, CommandSender& commands)
    : QObject(&window), m_window(window), m_commands(commands)
{
}

void MouseActionsController::load()
{
    m_actions.load(m_window.settingsFile());
}

void MouseActionsController::serveMenu(QMenu* menu, const QList<QAction*>& items,
                                       std::function<QString()> pickedHandle)
{
    connect(menu, &QMenu::aboutToShow, this,
            [this, menu, items, pickedHandle] { fill(menu, items, pickedHandle()); });
    for (qsizetype i = 0; i < items.size(); ++i) {
        connect(items.at(i), &QAction::triggered, this, [this, i, pickedHandle] {
            run(m_actions.choose(int(i), pickedHandle()));
        });
    }
}

void MouseActionsController::fill(QMenu* menu, const QList<QAction*>& items,
                                  const QString& handle)
{
    const QList<TMouseAction>& entries = m_actions.entries();
    for (qsizetype i = 0; i < items.size(); ++i) {
        QAction* item = items.at(i);
        const bool used = i < entries.size();
        item->setVisible(used);
        if (!used)
            continue;
        item->setText(m_actions.caption(int(i), handle));
        item->setCheckable(true);
        item->setChecked(i == m_actions.current());
        if (i == m_actions.current())
            menu->setDefaultAction(item);
    }
}

void MouseActionsController::runCurrent(const QString& handle)
{
    run(m_actions.runCurrent(handle));
}

void MouseActionsController::run(const TMouseActions::Run& run)
{
    switch (run.kind) {
    case TMouseActions::Run::Kind::Nothing:
        return;
    case TMouseActions::Run::Kind::Send:
        m_commands.sendCommand(run.command);
        m_window.focusCommandInput();
        return;
    case TMouseActions::Run::Kind::AskMatch: {
        if (!m_matchOptions)
            return;
        const QString options = m_matchOptions(run.command);
        if (!options.isEmpty())
            m_commands.sendCommand(run.command + u' ' + options);
        m_window.focusCommandInput();
        return;
    }
    }
}

void MouseActionsController::edit()
{
    TfrmMouseActions dialog(m_actions.entries(), &m_window);
    if (dialog.exec() != QDialog::Accepted) {
        load();
        return;
    }
    m_actions.setEntries(dialog.entries());
    SettingsFile settings(m_window.settingsFile());
    try {
        m_actions.store(settings);
    } catch (const SettingsWriteError& error) {
        m_window.reportWriteFailure(error);
    }
}
