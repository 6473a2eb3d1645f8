#include "session/ui/TfrmConnect.h"

#include "settings/SettingsWriteError.h"
#include "widgets/HelpAddresses.h"
#include "widgets/NamedButton.h"
#include "net/ServerProtocol.h"
#include "session/ui/SocksProxyBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QUrl>

namespace {

QLineEdit* namedEdit(QWidget* parent, const QString& name, const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    return edit;
}

} // namespace

TfrmConnect::TfrmConnect(const QString& settingsPath, QRandomGenerator& random, QWidget* parent)
    : QDialog(parent), m_random(random), m_list(SettingsFile(settingsPath), random)
{
    setWindowTitle(QStringLiteral("Connect"));
    setObjectName(QStringLiteral("frmConnect"));
    createEntryFields();
    createButtons();
    grpSocks = new SocksProxyBox(this);
    arrange();

    connect(tabConnections, &QTabBar::currentChanged, this, &TfrmConnect::tabChanged);
    connect(btnGenerate, &QPushButton::clicked, this, &TfrmConnect::generateClicked);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmConnect::addClicked);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmConnect::removeClicked);
    connect(btRegister, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(HelpAddresses::FicsRegistration)); });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // The proxy and the Timeseal relay exclude each other.
    connect(grpSocks->chkSockEnabled, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            chkTimeseal->setChecked(false);
    });

    m_list.load();
    fillTabs();
    grpSocks->setFirewall(m_list.firewall());
    if (txtHandle->text().trimmed().isEmpty())
        generateClicked();
}

void TfrmConnect::createEntryFields()
{
    tabConnections = new QTabBar(this);
    tabConnections->setObjectName(QStringLiteral("tabConnections"));
    txtAddress = namedEdit(this, QStringLiteral("txtAddress"),
                           QStringLiteral("Enter the Internet address of the chess server "
                                          "(like 'freechess.org')."));
    txtPort =
        namedEdit(this, QStringLiteral("txtPort"),
                  QStringLiteral("Enter the port number for the chess server (like '5000')."));
    txtHandle = namedEdit(
        this, QStringLiteral("txtHandle"),
        QStringLiteral("Enter your handle for the server, or 'g' for unregistered ICC usage."));
    txtPassword = namedEdit(this, QStringLiteral("txtPassword"),
                            QStringLiteral("Enter your password for the server if you have one."));
    txtPassword->setEchoMode(QLineEdit::Password);

    chkTimeseal = new QCheckBox(QStringLiteral("Use Time Seal"), this);
    chkTimeseal->setObjectName(QStringLiteral("chkTimeseal"));
    chkTimeseal->setToolTip(
        QStringLiteral("Select to use TMSEAL.EXE (FICS) or TMSTAMP.EXE (ICC).  The file must "
                       "exist in the current directory or global path."));

    rgProtocol = new QGroupBox(QStringLiteral("Protocol"), this);
    rgProtocol->setObjectName(QStringLiteral("rgProtocol"));
    rgProtocol->setToolTip(QStringLiteral("Select the chess server protocol."));
    m_protocols = new QButtonGroup(this);
    auto* protocolRow = new QHBoxLayout(rgProtocol);
    for (const auto& [caption, protocol] :
         {std::pair{QStringLiteral("FICS"), ServerProtocol::Fics},
          std::pair{QStringLiteral("ICC"), ServerProtocol::Icc}}) {
        auto* radio = new QRadioButton(caption, rgProtocol);
        radio->setObjectName(QStringLiteral("rb") + caption);
        m_protocols->addButton(radio, int(protocol));
        protocolRow->addWidget(radio);
    }
}

void TfrmConnect::createButtons()
{
    btnGenerate =
        namedButton(this, QStringLiteral("btnGenerate"), QStringLiteral("Generate"), QString());
    lblMythological = new QLabel(QStringLiteral("(Mythological)"), this);
    lblMythological->setObjectName(QStringLiteral("lblMythological"));
    btnAdd = namedButton(this, QStringLiteral("btnAdd"), QStringLiteral("&Add"),
                         QStringLiteral("Creates a new connection."));
    btnRemove = namedButton(this, QStringLiteral("btnRemove"), QStringLiteral("&Remove"),
                            QStringLiteral("Discards the current connection."));
    btRegister = namedButton(this, QStringLiteral("btRegister"),
                             QStringLiteral("Free Registration at FICS for Playing"), QString());
    OKBtn = namedButton(this, QStringLiteral("OKBtn"), QStringLiteral("OK"),
                        QStringLiteral("Establishes a connection."));
    OKBtn->setDefault(true);
    CancelBtn = namedButton(this, QStringLiteral("CancelBtn"), QStringLiteral("Cancel"),
                            QStringLiteral("Returns without connecting."));
}

void TfrmConnect::arrange()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(tabConnections, 0, 0, 1, 4);
    const auto labelled = [this, grid](int row, const QString& caption, QLineEdit* edit) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
    };
    labelled(1, QStringLiteral("Address"), txtAddress);
    labelled(2, QStringLiteral("Port"), txtPort);
    labelled(3, QStringLiteral("Handle"), txtHandle);
    labelled(4, QStringLiteral("Password"), txtPassword);
    grid->addWidget(btnGenerate, 3, 2);
    grid->addWidget(lblMythological, 3, 3);
    grid->addWidget(btnAdd, 1, 2, 1, 2);
    grid->addWidget(btnRemove, 2, 2, 1, 2);
    grid->addWidget(chkTimeseal, 5, 1);
    grid->addWidget(rgProtocol, 6, 0, 1, 4);
    grid->addWidget(grpSocks, 7, 0, 1, 4);
    grid->addWidget(btRegister, 8, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 9, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmConnect::fillTabs()
{
    {
        const QSignalBlocker blocker(tabConnections);
        for (const TConnection& entry : m_list.entries())
            tabConnections->addTab(entry.Title);
        tabConnections->setCurrentIndex(m_list.lastConnection());
    }
    showEntry(tabConnections->currentIndex());
}

void TfrmConnect::tabChanged(int index)
{
    storeShownEntry();
    showEntry(index);
}

void TfrmConnect::showEntry(int index)
{
    m_shownIndex = index;
    updateOkButton();
    if (index < 0)
        return;
    const TConnection& entry = m_list.entries().at(index);
    txtAddress->setText(entry.Address);
    txtPort->setText(entry.Port);
    txtHandle->setText(entry.Handle);
    txtPassword->setText(entry.Password);
    chkTimeseal->setChecked(entry.Timeseal);
    // A protocol number of neither family checks no radio button and is kept.
    m_protocols->setExclusive(false);
    for (QAbstractButton* radio : m_protocols->buttons())
        radio->setChecked(m_protocols->id(radio) == entry.Protocol);
    m_protocols->setExclusive(true);
}

void TfrmConnect::storeShownEntry()
{
    if (m_shownIndex >= 0)
        m_list.setEntry(m_shownIndex, fieldsEntry());
}

TConnection TfrmConnect::fieldsEntry() const
{
    TConnection entry = m_list.entries().at(m_shownIndex);
    entry.Address = txtAddress->text();
    entry.Port = txtPort->text();
    entry.Handle = txtHandle->text();
    entry.Password = txtPassword->text();
    entry.Timeseal = chkTimeseal->isChecked();
    if (m_protocols->checkedId() >= 0)
        entry.Protocol = m_protocols->checkedId();
    return entry;
}

void TfrmConnect::generateClicked()
{
    txtHandle->setText(ConnectionList::guestHandle(m_random));
    txtPassword->clear();
}

void TfrmConnect::addClicked()
{
    if (m_list.count() >= ConnectionList::MaxEntries) {
        QMessageBox::warning(this, AddCaption, TooManyText);
        return;
    }
    bool accepted = false;
    const QString title = QInputDialog::getText(
        this, AddCaption, TitlePrompt, QLineEdit::Normal,
        QStringLiteral("Server ") + QString::number(m_list.count()), &accepted);
    if (!accepted || m_list.add(title) != ConnectionList::AddResult::Added)
        return;
    tabConnections->addTab(title);
    tabConnections->setCurrentIndex(tabConnections->count() - 1);
}

void TfrmConnect::removeClicked()
{
    if (m_list.count() == 0 ||
        QMessageBox::question(this, RemoveCaption, RemoveQuestion) != QMessageBox::Yes)
        return;
    const int removed = tabConnections->currentIndex();
    m_shownIndex = -1; // the fields of the removed entry are dropped, not stored
    m_list.remove(removed);
    tabConnections->removeTab(removed);
    if (m_shownIndex != tabConnections->currentIndex())
        showEntry(tabConnections->currentIndex());
}

void TfrmConnect::updateOkButton()
{
    // Without an entry there is nothing to connect to.
    OKBtn->setEnabled(m_shownIndex >= 0);
}

std::optional<ConnectionChoice> TfrmConnect::run()
{
    if (const auto& problem = m_list.writeProblem())
        QMessageBox::critical(this, windowTitle(), *problem);
    const bool accepted = exec() == QDialog::Accepted && m_shownIndex >= 0;
    if (accepted)
        storeShownEntry();
    m_list.setLastConnection(tabConnections->currentIndex());
    m_list.setFirewall(grpSocks->firewall());
    saveList();
    if (!accepted)
        return std::nullopt;
    return ConnectionChoice{m_list.entries().at(m_shownIndex), grpSocks->firewall()};
}

void TfrmConnect::saveList()
{
    try {
        m_list.save();
    } catch (const SettingsWriteError& error) {
        QMessageBox::critical(this, windowTitle(), error.userMessage());
    }
}

std::optional<ConnectionChoice> TfrmConnect::choose(QWidget* parent, const QString& settingsPath)
{
    TfrmConnect dialog(settingsPath, *QRandomGenerator::global(), parent);
    return dialog.run();
}
