#pragma once

#include "chat/SoundSettings.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SoundPlayer;

// "Sounds": how each event sounds and the two switches. It edits the live
// settings in place; the caller stores them on OK and reloads them on Cancel.
class TfrmSounds : public QDialog
{
    Q_OBJECT

public:
    TfrmSounds(SoundSettings& settings, SoundPlayer& player, QWidget* parent = nullptr);

    QCheckBox* chkNoSoundCard = nullptr;
    QCheckBox* chkFirstOnly = nullptr;
    QComboBox* cmbEvents = nullptr;
    std::array<QRadioButton*, 3> rbType{}; // None, Beep, Wave File
    QLineEdit* edFile = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnTest = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // The file dialog's answer; tests put their own in place.
    std::function<QString(const QString& start)> chooseFile;

private:
    void showSound(int index);
    SoundSettings::Sound& selected();

    SoundSettings& m_settings;
    SoundPlayer& m_player;
};
