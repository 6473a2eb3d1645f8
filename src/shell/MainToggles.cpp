#include "shell/MainToggles.h"

#include "settings/MainSettingsRecord.h"
#include "session/CommandSender.h"
#include "shell/TfrmMainChess.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {

struct SilenceItem
{
    const char* caption;
    InterfaceToggles::SilenceMember member;
};

constexpr std::array<SilenceItem, 4> SilenceItems{{{"Channels", InterfaceToggles::Channels},
                                                   {"CShouts", InterfaceToggles::CShouts},
                                                   {"Seeks", InterfaceToggles::Seeks},
                                                   {"Shouts", InterfaceToggles::Shouts}}};

} // namespace

MainToggles::MainToggles(TfrmMainChess& window, CommandSender& commands)
    : QObject(&window), m_window(window), m_commands(commands),
      m_silenceMenu(new QMenu(&window))
{
    MainMenus& menus = window.menus;
    MainToolBars& bars = window.toolBars;
    connect(bars.spdSilence, &QToolButton::clicked, this, &MainToggles::silenceAction);
    connect(menus.mnuSilence, &QAction::triggered, this, [this] {
        m_window.toolBars.spdSilence->toggle();
        silenceAction();
    });
    connect(bars.spdOpen, &QToolButton::clicked, this, &MainToggles::openAction);
    connect(menus.mnuOpen, &QAction::triggered, this, [this] {
        m_window.toolBars.spdOpen->toggle();
        openAction();
    });
    connect(menus.mnuClearMessages, &QAction::triggered, this,
            [this] { m_commands.sendCommand(QStringLiteral("Clearmessages *")); });

    for (const SilenceItem& item : SilenceItems) {
        QAction* action = m_silenceMenu->addAction(QString::fromLatin1(item.caption));
        action->setCheckable(true);
        action->setData(int(item.member));
        connect(action, &QAction::triggered, this,
                [this, member = item.member] { m_state.silenceSet ^= member; });
    }
    bars.spdSilence->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bars.spdSilence, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                showSilenceMenu(m_window.toolBars.spdSilence->mapToGlobal(at));
            });
    for (QAction* item : {menus.mnuSilence, menus.mnuOpen, menus.mnuClearMessages})
        item->setEnabled(true);
    bars.spdSilence->setEnabled(true);
    bars.spdOpen->setEnabled(true);
}

void MainToggles::showSilenceMenu(const QPoint& globalPos)
{
    for (QAction* item : m_silenceMenu->actions())
        item->setChecked(m_state.silenceSet & item->data().toInt());
    m_silenceMenu->popup(globalPos);
}

void MainToggles::applySettings(const MainSettingsRecord& record)
{
    m_state.silenceSet = record.silence;
    m_state.silencePressed = record.silenced;
    m_state.openPressed = record.open;
}

void MainToggles::collectSettings(MainSettingsRecord& record) const
{
    record.silence = m_state.silenceSet;
}

void MainToggles::silenceAction()
{
    m_state.silencePressed = m_window.toolBars.spdSilence->isChecked();
    m_window.menus.mnuSilence->setChecked(m_state.silencePressed);
    for (const QString& command : m_state.silenceCommands(m_protocol))
        m_commands.sendCommand(command);
}

void MainToggles::openAction()
{
    m_state.openPressed = m_window.toolBars.spdOpen->isChecked();
    m_window.menus.mnuOpen->setChecked(!m_state.openPressed);
    m_commands.sendCommand(m_state.openCommand());
}
