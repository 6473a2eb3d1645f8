#include "lists/ui/TfrmProfile.h"

#include "settings/ProfileList.h"
#include "settings/SettingsWriteError.h"
#include "widgets/AppPictures.h"
#include "widgets/HelpAddresses.h"
#include "widgets/NamedButton.h"
#include "widgets/ScreenCentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

// A profile without a password takes the first one typed. When that cannot be written,
// the user is told and the profile is taken all the same, as with other refused writes.
ProfileList::PasswordResult checkPassword(ProfileList& profiles, const QString& typed,
                                          QWidget* parent)
{
    try {
        return profiles.checkPassword(typed);
    } catch (const SettingsWriteError& error) {
        QMessageBox::critical(parent, TfrmProfile::Caption, error.userMessage());
        return ProfileList::PasswordResult::Accepted;
    }
}

} // namespace

TfrmProfile::TfrmProfile(ProfileList& profiles, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_profiles(profiles)
{
    setWindowTitle(Caption);
    setObjectName(QStringLiteral("frmProfile"));

    auto* picture = new QLabel(this);
    picture->setPixmap(AppPictures::profilePicture());

    cmbProfile = new QComboBox(this);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setEditable(false);
    cmbProfile->setToolTip(QStringLiteral("Profile name."));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    chkDoNotShow = new QCheckBox(QStringLiteral("Do not show this window again."), this);
    chkDoNotShow->setObjectName(QStringLiteral("chkDoNotShow"));

    OKBtn = namedButton(this, QStringLiteral("OKBtn"), QStringLiteral("&OK"),
                   QStringLiteral("Establishes a connection."));
    OKBtn->setDefault(true);
    CancelBtn = namedButton(this, QStringLiteral("CancelBtn"), QStringLiteral("&Cancel"),
                       QStringLiteral("Returns without connecting."));
    btnAdd = namedButton(this, QStringLiteral("btnAdd"), QStringLiteral("&Add"),
                    QStringLiteral("Creates a new profile."));
    btmRemove = namedButton(this, QStringLiteral("btmRemove"), QStringLiteral("&Remove"),
                       QStringLiteral("Discards the current profile."));
    btRegister = namedButton(this, QStringLiteral("btRegister"),
                        QStringLiteral("Free Registration at FICS for Playing"), QString());

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 7, 1);
    grid->addWidget(new QLabel(QStringLiteral("User Profile"), this), 0, 1, 1, 2);
    grid->addWidget(cmbProfile, 1, 1);
    grid->addWidget(btnAdd, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Profile Password (Optional)"), this), 2, 1, 1, 2);
    grid->addWidget(txtPassword, 3, 1);
    grid->addWidget(btmRemove, 3, 2);
    grid->addWidget(chkDoNotShow, 4, 1, 1, 2);
    grid->addWidget(btRegister, 5, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 6, 1, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    chkDoNotShow->setChecked(m_profiles.doNotShow());
    fillProfiles();
    // Shown before the main window, so not over it.
    adjustSize();
    ScreenCentre::place(*this);

    connect(OKBtn, &QPushButton::clicked, this, &TfrmProfile::okClicked);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmProfile::addClicked);
    connect(btmRemove, &QPushButton::clicked, this, &TfrmProfile::removeClicked);
    connect(btRegister, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(HelpAddresses::FicsRegistration)); });
    connect(cmbProfile, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { m_profiles.select(name); });
    connect(chkDoNotShow, &QCheckBox::toggled, this,
            [this](bool checked) { m_profiles.setDoNotShow(checked); });
}

void TfrmProfile::fillProfiles()
{
    const QSignalBlocker blocker(cmbProfile);
    cmbProfile->clear();
    cmbProfile->addItems(m_profiles.names());
    cmbProfile->setCurrentText(m_profiles.selected());
}

void TfrmProfile::showMessage(const QString& text)
{
    QMessageBox::information(this, windowTitle(), text, QMessageBox::Ok);
}

void TfrmProfile::okClicked()
{
    if (checkPassword(m_profiles, txtPassword->text(), this) ==
        ProfileList::PasswordResult::Invalid) {
        showMessage(QStringLiteral("Invalid password."));
        return;
    }
    accept();
}

void TfrmProfile::addClicked()
{
    bool accepted = false;
    const QString name =
        QInputDialog::getText(this, QStringLiteral("New Profile"), QStringLiteral("Profile Name"),
                              QLineEdit::Normal, QString(), &accepted);
    if (!accepted)
        return;
    if (m_profiles.add(name) == ProfileList::AddResult::AlreadyExists) {
        showMessage(QStringLiteral("Profile already exists."));
        return;
    }
    fillProfiles();
}

void TfrmProfile::removeClicked()
{
    if (!m_profiles.removeSelected()) {
        showMessage(QStringLiteral("Can not remove the last profile"));
        return;
    }
    fillProfiles();
}

namespace {

// Asks until the password fits or the user gives up (false).
bool askProfilePassword(ProfileList& profiles, QWidget* parent)
{
    for (;;) {
        bool accepted = false;
        const QString typed = QInputDialog::getText(
            parent, TfrmProfile::Caption,
            QStringLiteral("Password of profile %1:").arg(profiles.selected()),
            QLineEdit::Password, QString(), &accepted);
        if (!accepted)
            return false;
        if (checkPassword(profiles, typed, parent) == ProfileList::PasswordResult::Accepted)
            return true;
        QMessageBox::warning(parent, TfrmProfile::Caption, QStringLiteral("Invalid password."));
    }
}

// True when the requested profile was taken; false when the dialog must decide.
bool takeRequestedProfile(ProfileList& profiles, const QString& requested, QWidget* parent)
{
    const QString known = profiles.find(requested);
    if (known.isEmpty()) {
        QMessageBox::warning(parent, TfrmProfile::Caption,
                             QStringLiteral("There is no profile named %1.").arg(requested));
        return false;
    }
    profiles.select(known);
    return true;
}

} // namespace

QString SelectProfile(const QString& programDirectory, QWidget* parent,
                      const QString& requestedProfile)
{
    ProfileList profiles(SharedSettingsFile(programDirectory));
    profiles.load();
    if (!requestedProfile.isEmpty() && takeRequestedProfile(profiles, requestedProfile, parent)) {
        if (profiles.selectedHasPassword() && !askProfilePassword(profiles, parent))
            return QString();
    } else if (!profiles.doNotShow() || !requestedProfile.isEmpty()) {
        TfrmProfile dialog(profiles, parent);
        if (dialog.exec() != QDialog::Accepted)
            return QString();
    }
    try {
        profiles.save();
    } catch (const SettingsWriteError& error) {
        // The list could not be kept; this run still uses the chosen profile.
        QMessageBox::critical(parent, TfrmProfile::Caption, error.userMessage());
    }
    return ProfileSettingsFile(programDirectory, profiles.selected()).path();
}
