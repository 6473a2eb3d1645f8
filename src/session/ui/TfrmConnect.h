#pragma once

#include "session/ConnectionChoice.h"
#include "session/ConnectionList.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRandomGenerator;
class QTabBar;
class SocksProxyBox;

// The list of saved server accounts, one tab per entry, with the SOCKS proxy
// settings. Reads its sections of the profile's settings file when created and
// writes them when closed, by OK or by Cancel.
class TfrmConnect : public QDialog
{
    Q_OBJECT

public:
    static inline const QString AddCaption = QStringLiteral("New Connection");
    static inline const QString TooManyText = QStringLiteral("Too many connection");
    static inline const QString TitlePrompt = QStringLiteral("Connection Title");
    static inline const QString RemoveCaption = QStringLiteral("Remove Connection");
    static inline const QString RemoveQuestion = QStringLiteral("Really remove connection?");

    TfrmConnect(const QString& settingsPath, QRandomGenerator& random, QWidget* parent = nullptr);

    // Shows the dialog modally and saves the list either way; nothing when cancelled.
    std::optional<ConnectionChoice> run();
    static std::optional<ConnectionChoice> choose(QWidget* parent, const QString& settingsPath);

    QTabBar* tabConnections;
    QLineEdit* txtAddress;
    QLineEdit* txtPort;
    QLineEdit* txtHandle;
    QLineEdit* txtPassword;
    QCheckBox* chkTimeseal;
    QGroupBox* rgProtocol;
    QPushButton* btnGenerate;
    QLabel* lblMythological;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QPushButton* btRegister;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    SocksProxyBox* grpSocks;

private:
    void createEntryFields();
    void createButtons();
    void arrange();
    void fillTabs();

    void tabChanged(int index);
    void showEntry(int index);
    void storeShownEntry();
    TConnection fieldsEntry() const;

    void generateClicked();
    void addClicked();
    void removeClicked();
    void updateOkButton();
    void saveList();

    QRandomGenerator& m_random;
    ConnectionList m_list;
    QButtonGroup* m_protocols;
    int m_shownIndex = -1; // the entry whose values the fields hold
};
