#include "shell/MainSounds.h"

#include "chat/ui/SoundPlayer.h"
#include "chat/ui/TfrmSounds.h"
#include "settings/SettingsWriteError.h"
#include "shell/MainBoards.h"
#include "shell/MainSession.h"
#include "shell/TfrmMainChess.h"

#include <QAction>

MainSounds::MainSounds(const QString& programDirectory, QObject* parent)
    : QObject(parent), m_player(new SoundPlayer(m_settings, programDirectory, this))
{
}

MainSounds::~MainSounds() = default;

void MainSounds::connectTo(TfrmMainChess& window)
{
    m_player->setLog([&window](const QString& note) {
        SessionLog& log = window.session().sessionLog();
        if (log.isOpen())
            log.write(note.toLatin1() + "\r\n");
    });
    connect(window.menus.mnuSounds, &QAction::triggered, this,
            [this, &window] { openDialog(window); });
    window.menus.mnuSounds->setEnabled(true);
}

void MainSounds::openDialog(TfrmMainChess& window)
{
    TfrmSounds dialog(m_settings, *m_player, &window);
    if (dialog.exec() != QDialog::Accepted) {
        // The dialog changed the settings in place.
        m_settings.load(window.settingsFile());
        return;
    }
    try {
        window.boards().applySoundSwitches();
        SettingsFile file = window.settingsFile();
        m_settings.store(file);
    } catch (const SettingsWriteError& error) {
        window.reportWriteFailure(error);
    }
}
