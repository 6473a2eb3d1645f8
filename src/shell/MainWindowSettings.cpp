// The main window's settings: the early reads at creation, LoadMainSettings at
// the first showing and SaveMainSettings at exit. The values live in
// m_record; applySettings and collectSettings copy them into and out of the
// objects that exist.
#include "shell/TfrmMainChess.h"

#include "shell/MainChat.h"
#include "shell/MainSounds.h"
#include "shell/MainToggles.h"

#include "chat/CommandPresets.h"
#include "chat/ui/FontSpecConversion.h"
#include "chat/ui/TerminalView.h"
#include "settings/SettingsValue.h"
#include "shell/MouseActionsController.h"
#include "settings/SettingsWriteError.h"
#include "session/ui/CommandInput.h"
#include "shell/ApplicationTitle.h"
#include "shell/MainLists.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTabBar>
#include <QToolButton>

void TfrmMainChess::readEarlySettings()
{
    m_record.useGraph = m_settingsFile.read(MainSettings::UseGraph);
    m_record.ratingsMin = m_settingsFile.read(MainSettings::RatingsMin);
    m_record.ratingsMax = m_settingsFile.read(MainSettings::RatingsMax);
    m_record.boardsSeperated = m_settingsFile.read(MainSettings::BoardsSeperated);
}

void TfrmMainChess::LoadMainSettings()
{
    const QRect bounds = geometry();
    m_record.left = bounds.left();
    m_record.top = bounds.top();
    m_record.width = bounds.width();
    m_record.height = bounds.height();
    m_record.load(m_settingsFile, m_kindFonts[TextKind::Normal]);
    m_lists.Load(m_settingsFile);
    m_chat->loadAliases(SharedSettingsFile(m_programDirectory));
    m_sounds->settings().load(m_settingsFile);
    m_chat->loadNotificationSetting(m_settingsFile);
    m_mouseActions->load();
    applySettings();
    m_listsWiring->applySettings();
    loadCommandPresets();
}

void TfrmMainChess::applySettings()
{
    menus.mnuAutoSaveQL->setChecked(m_record.qlFormat);
    menus.mnuAutoSavePGN->setChecked(m_record.pgnFormat);
    menus.mnuHideGameBar->setChecked(!m_record.gameBar);
    menus.mnuHideToolBar->setChecked(!m_record.toolBar);
    // With the flag on, each bar keeps the visibility its stored position gave it.
    if (!m_record.toolBar)
        toolBars.setShown(false);
    menus.mnuAutoflag->setChecked(m_record.autoFlag);
    menus.mnuBoardsSeparate->setChecked(m_record.boardsSeperated);

    for (int kind = 0; kind < TextKindCount; ++kind)
        m_kindFonts[TextKind(kind)] = m_record.fonts[kind];
    applyPaneFonts();
    m_chat->applySettings(m_record);

    toolBars.spdOpen->setChecked(m_record.open);
    menus.mnuOpen->setChecked(!m_record.open);
    toolBars.spdSilence->setChecked(m_record.silenced);
    menus.mnuSilence->setChecked(m_record.silenced);
    m_toggles->applySettings(m_record);

    const QSignalBlocker blocker(tabSplitters);
    while (tabSplitters->count() > 0)
        tabSplitters->removeTab(0);
    for (const QString& label : m_lists.labels())
        tabSplitters->addTab(label);
    tabSplitters->setCurrentIndex(m_selectedTab);

    setWindowState(m_record.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
    if (!m_record.maximized)
        setGeometry(m_record.left, m_record.top, m_record.width, m_record.height);
}

int TfrmMainChess::silenceSet() const
{
    // The Silence button's menu and the options change it during the run.
    return m_toggles->state().silenceSet;
}

void TfrmMainChess::applyPaneFonts()
{
    const FontSpec& normal = m_kindFonts[TextKind::Normal];
    const QColor background = FontSpecConversion::toColor(m_record.backColor);
    for (TerminalPane* pane : {static_cast<TerminalPane*>(memTerminal), memOutPut}) {
        pane->setBaseFont(FontSpecConversion::toFont(normal),
                          FontSpecConversion::toColor(normal.color));
        pane->setBackground(background);
    }
    cmbInput->setFont(FontSpecConversion::toFont(normal));
    m_chat->setChatFont(FontSpecConversion::toFont(normal), background);
}

void TfrmMainChess::loadCommandPresets()
{
    QStringList presets = CommandPresets::builtIn();
    // A missing file is every first run: the built-in entries, silently.
    if (CommandPresets::read(CommandPresets::FileName, presets) ==
        CommandPresets::ReadResult::Failed)
        QMessageBox::warning(this, ApplicationTitle,
                             QStringLiteral("Unable to read %1").arg(CommandPresets::FileName));
    presets.sort(Qt::CaseInsensitive);
    cmbInput->clear();
    cmbInput->addItems(presets);
    cmbInput->setCurrentIndex(-1);
}

void TfrmMainChess::collectSettings()
{
    m_record.boardsShare[std::clamp(m_boardsOpen, 1, 4) - 1] = tabShare(TLists::BoardsTab);
    m_record.qlFormat = menus.mnuAutoSaveQL->isChecked();
    m_record.pgnFormat = menus.mnuAutoSavePGN->isChecked();
    m_record.autoFlag = menus.mnuAutoflag->isChecked();
    m_record.open = toolBars.spdOpen->isChecked();
    m_record.silenced = toolBars.spdSilence->isChecked();
    m_record.maximized = isMaximized();
    const QRect bounds = m_record.maximized ? normalGeometry() : geometry();
    m_record.left = bounds.left();
    m_record.top = bounds.top();
    m_record.width = bounds.width();
    m_record.height = bounds.height();
    for (int kind = 0; kind < TextKindCount; ++kind)
        m_record.fonts[kind] = m_kindFonts[TextKind(kind)];
    m_chat->collectSettings(m_record);
    m_toggles->collectSettings(m_record);
}

void TfrmMainChess::SaveMainSettings()
{
    collectSettings();
    try {
        m_record.save(m_settingsFile);
        m_lists.Store(m_settingsFile);
        m_listsWiring->saveSettings();
        SettingsFile shared = SharedSettingsFile(m_programDirectory);
        m_chat->storeAliases(shared);
        m_sounds->settings().store(m_settingsFile);
        m_chat->storeNotificationSetting(m_settingsFile);
    } catch (const SettingsWriteError& error) {
        reportWriteFailure(error);
        return;
    }
    saveCommandPresets();
}

void TfrmMainChess::saveCommandPresets()
{
    QStringList presets;
    for (int i = 0; i < cmbInput->count(); ++i)
        presets.append(cmbInput->itemText(i));
    if (!CommandPresets::write(CommandPresets::FileName, presets))
        reportWriteFailure(SettingsWriteError(CommandPresets::FileName));
}
