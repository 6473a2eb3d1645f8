#pragma once

#include <QDialog>

class ProfileList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The profile choice at start: which profile's settings file this run uses,
// optionally guarded by a password.
class TfrmProfile : public QDialog
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("Tolvaris Profile Selection");

    TfrmProfile(ProfileList& profiles, QWidget* parent = nullptr);

    QComboBox* cmbProfile;
    QLineEdit* txtPassword;
    QCheckBox* chkDoNotShow;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* btnAdd;
    QPushButton* btmRemove;
    QPushButton* btRegister;

private:
    void fillProfiles();
    void okClicked();
    void addClicked();
    void removeClicked();
    void showMessage(const QString& text);

    ProfileList& m_profiles;
};

// The settings file path of the chosen profile, or "" when the user cancelled.
// Writes the profile list to the shared settings file only when a profile was
// chosen; a refused write is shown and the choice still stands.
// A requested profile (from the command line) is taken without the dialog, after
// its password when it has one; an unknown name is reported and the dialog shown.
QString SelectProfile(const QString& programDirectory, QWidget* parent = nullptr,
                      const QString& requestedProfile = QString());
