#include "chat/ui/TfrmSounds.h"

#include "chat/ui/SoundPlayer.h"
#include "widgets/ScreenCentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmSounds::TfrmSounds(SoundSettings& settings, SoundPlayer& player, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_player(player)
{
    setObjectName(QStringLiteral("frmSounds"));
    setWindowTitle(QStringLiteral("Sounds"));
    chooseFile = [this](const QString& start) {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Select Wave File"), start,
                                            QStringLiteral("Wave files (*.WAV *.wav)"));
    };

    chkNoSoundCard = new QCheckBox(QStringLiteral("No Soundcard: Use internal speaker"), this);
    chkNoSoundCard->setChecked(settings.noSoundCard);
    chkFirstOnly = new QCheckBox(QStringLiteral("Sounds on first board only."), this);
    chkFirstOnly->setChecked(settings.firstOnly);
    cmbEvents = new QComboBox(this);
    for (const SoundSettings::Event& event : SoundSettings::Events)
        cmbEvents->addItem(QLatin1String(event.name));
    auto* typeBox = new QGroupBox(this);
    auto* typeRow = new QHBoxLayout(typeBox);
    const std::array<QString, 3> captions{QStringLiteral("None"), QStringLiteral("Beep"),
                                          QStringLiteral("Wave File")};
    for (std::size_t i = 0; i < rbType.size(); ++i) {
        rbType[i] = new QRadioButton(captions[i], typeBox);
        typeRow->addWidget(rbType[i]);
        connect(rbType[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                selected().type = SoundSettings::Type(int(i));
        });
    }
    edFile = new QLineEdit(this);
    btnBrowse = new QPushButton(QStringLiteral("..."), this);
    btnTest = new QPushButton(QStringLiteral("&Test"), this);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(chkNoSoundCard);
    column->addWidget(chkFirstOnly);
    column->addWidget(new QLabel(QStringLiteral("Events"), this));
    column->addWidget(cmbEvents);
    column->addWidget(typeBox);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edFile, 1);
    fileRow->addWidget(btnBrowse);
    column->addLayout(fileRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnTest);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    column->addLayout(buttons);

    connect(chkNoSoundCard, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.noSoundCard = on; });
    connect(chkFirstOnly, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.firstOnly = on; });
    connect(cmbEvents, &QComboBox::currentIndexChanged, this, &TfrmSounds::showSound);
    connect(edFile, &QLineEdit::textEdited, this,
            [this](const QString& text) { selected().file = text; });
    connect(btnBrowse, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFile(selected().file);
        if (chosen.isEmpty())
            return;
        edFile->setText(chosen);
        selected().file = chosen;
    });
    connect(btnTest, &QPushButton::clicked, this,
            [this] { m_player.play(cmbEvents->currentIndex(), true); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    showSound(0);
    adjustSize();
    ScreenCentre::place(*this);
}

SoundSettings::Sound& TfrmSounds::selected()
{
    return m_settings.sounds[std::size_t(std::clamp(cmbEvents->currentIndex(), 0,
                                                    SoundSettings::EventCount - 1))];
}

void TfrmSounds::showSound(int index)
{
    if (index < 0 || index >= SoundSettings::EventCount)
        return;
    const SoundSettings::Sound& sound = m_settings.sounds[std::size_t(index)];
    rbType[std::size_t(sound.type)]->setChecked(true);
    edFile->setText(sound.file);
}
