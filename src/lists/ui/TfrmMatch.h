#pragma once

#include "lists/MatchProfile.h"
#include "settings/SettingsFile.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabBar;

// The match dialog: composes the options of a seek or a challenge from one of
// nine named profiles on tabs along its bottom edge. The profiles are read on
// the first Run and written back by saveProfiles at exit.
class TfrmMatch : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmMatch(QWidget* parent = nullptr);

    void setSettingsFile(const SettingsFile& file) { m_file = file; }

    // Shows the dialog with this caption; the options text, or empty when cancelled.
    QString Run(const QString& caption);
    // Writes the nine profiles when they were read during the run; throws
    // SettingsWriteError when the file refuses.
    void saveProfiles();

    QGroupBox* rgpType;
    std::array<QRadioButton*, 4> typeChoices{};
    QLineEdit* txtWild;
    std::array<QRadioButton*, 2> ratedChoices{};
    QSpinBox* spnTime;
    QSpinBox* spnInc;
    std::array<QRadioButton*, 3> colorChoices{};
    QLineEdit* txtAdditional;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnRename;
    QTabBar* tabMatch;

Q_SIGNALS:
    // A character typed into a time field was refused (the dialog beeps).
    void typingRefused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadProfiles();
    void showProfile(const MatchProfile& profile);
    void storeControls(MatchProfile& profile) const;
    void tabSelected(int index);
    void rename();
    void timeFieldChanged();
    void typeChosen();

    SettingsFile m_file;
    MatchProfiles m_profiles;
    bool m_loaded = false;
    int m_current = 0;
    QButtonGroup* m_type;
    QButtonGroup* m_rated;
    QButtonGroup* m_color;
};
