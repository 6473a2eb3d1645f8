// The general options dialog as the main window opens it and takes its answer.
#include "shell/TfrmMainChess.h"

#include "chat/GeneralOptions.h"
#include "chat/ui/TfrmOptions.h"
#include "chat/ui/TfrmChat.h"
#include "settings/SettingsWriteError.h"
#include "session/LoginSteps.h"
#include "shell/MainBoards.h"
#include "shell/MainChat.h"
#include "shell/MainToggles.h"

void TfrmMainChess::openOptions()
{
    TfrmChat* chat = m_chat->frmChat();
    GeneralOptions options;
    options.backColor = m_record.backColor;
    options.ignoreThanks = m_record.ignoreThanks;
    options.hideGameMessages = m_record.hideGameMessages;
    options.popUpTells = chat->routing().popUpOnTells;
    options.popUpSays = chat->routing().popUpOnSays;
    options.includeShouts = chat->routing().includeShouts;
    options.includeChannelTells = chat->routing().includeChannelTells;
    options.echo = chat->echo();
    options.desktopNotifications = m_chat->notificationsOn();
    options.hello = m_record.hello;
    options.goodGame = m_record.goodGame;
    options.shoutType = m_record.shout;
    options.silenceSet = m_toggles->state().silenceSet;
    QStringList sectionLines;
    LoadSection(m_settingsFile, LoginSteps::AutoExecSection, sectionLines);
    options.autoExecCommands = LoginSteps::autoExecCommands(sectionLines);

    const auto storeCustomFonts = [this] {
        try {
            SettingsFile shared = SharedSettingsFile(m_programDirectory);
            m_customFonts.store(shared);
        } catch (const SettingsWriteError& error) {
            reportWriteFailure(error);
        }
    };
    TfrmOptions dialog(options, m_kindFonts, m_customFonts, storeCustomFonts, this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    const GeneralOptions chosen = dialog.options();
    m_record.ignoreThanks = chosen.ignoreThanks;
    m_record.hideGameMessages = chosen.hideGameMessages;
    m_boards->setHideGameMessages(chosen.hideGameMessages);
    m_toggles->setSilenceSet(chosen.silenceSet);
    m_record.shout = chosen.shoutType;
    m_record.backColor = chosen.backColor;
    applyPaneFonts();
    m_chat->applyOptions(chosen);
    m_record.hello = chosen.hello;
    m_record.goodGame = chosen.goodGame;
    QStringList lines;
    for (qsizetype i = 0; i < chosen.autoExecCommands.size(); ++i)
        lines.append(QString::number(i) + u'=' + chosen.autoExecCommands.at(i));
    try {
        StoreSection(m_settingsFile, LoginSteps::AutoExecSection, lines);
    } catch (const SettingsWriteError& error) {
        reportWriteFailure(error);
    }
}
