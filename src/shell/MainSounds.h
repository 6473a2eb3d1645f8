#pragma once

#include "chat/SoundSettings.h"

#include <QObject>

class SettingsFile;
class SoundPlayer;
class TfrmMainChess;

// The sounds of the run: their settings, the player the dispatcher hands
// events to, and the "&Sounds" dialog.
class MainSounds : public QObject
{
    Q_OBJECT

public:
    MainSounds(const QString& programDirectory, QObject* parent);
    ~MainSounds() override;

    SoundPlayer& player() { return *m_player; }
    SoundSettings& settings() { return m_settings; }

    // The dialog and the session log's notes.
    void connectTo(TfrmMainChess& window);
    void openDialog(TfrmMainChess& window);

private:
    SoundSettings m_settings;
    SoundPlayer* m_player;
};
