#include "shell/ConnectionController.h"

#include "shell/MainChat.h"
#include "shell/MainToggles.h"

#include "chat/ui/TerminalView.h"
#include "settings/SettingsFile.h"
#include "session/ConnectFlow.h"
#include "session/ConnectionList.h"
#include "session/LoginSteps.h"
#include "session/PracticeServer.h"
#include "session/ui/CommandInput.h"
#include "session/ui/TfrmCancelMessage.h"
#include "session/ui/TfrmConnect.h"
#include "shell/MainLists.h"
#include "shell/MainSession.h"
#include "shell/SessionLogMenu.h"
#include "shell/TfrmMainChess.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTabBar>
#include <QToolButton>

ConnectionController::ConnectionController(TfrmMainChess& window, const QString& programDirectory)
    : QObject(&window), m_window(window), m_programDirectory(programDirectory),
      m_progress(std::make_unique<TfrmCancelMessage>()), m_practice(new PracticeServer(this))
{
    MainSession& session = window.session();
    session.loginQuestions().setParentWidget(&window);
    m_flow =
        std::make_unique<ConnectFlow>(session.socket(), session.commands(), session.login(), *this);
    m_flow->setProgramFolder(programDirectory);
    session.login().setToggleStates([this] { return toggleStates(); });
    session.login().setTargetLabelHook(
        [this](const QString& handle) { m_window.toolBars.laTarget->setText(handle); });
    m_progress->setCancelAction([this] { m_flow->cancelConnecting(); });

    connect(window.toolBars.spdConnect, &QToolButton::clicked, this, [this] {
        prepareLogin();
        m_flow->connectButton();
    });
    connect(window.menus.mnuConnect, &QAction::triggered, this, [this] {
        prepareLogin();
        m_flow->connectMenu();
    });
    connect(window.menus.mnuDisconnect, &QAction::triggered, m_flow.get(),
            &ConnectFlow::disconnectMenu);
    connect(window.menus.mnuPracticeOffline, &QAction::triggered, this,
            &ConnectionController::practiceOffline);
    connect(m_practice, &PracticeServer::ready, this, &ConnectionController::connectToPractice);
    connect(m_practice, &PracticeServer::failed, this, [this](const QString& message) {
        m_window.menus.mnuPracticeOffline->setEnabled(true);
        showError(message);
    });
    window.menus.mnuPracticeOffline->setStatusTip(
        QStringLiteral("Plays offline against the bots of the practice server."));
    new SessionLogMenu(window.menus.mnuLogging, session.sessionLog(), programDirectory, &window);
    window.toolBars.spdConnect->setEnabled(true);
    window.menus.mnuConnect->setStatusTip(QStringLiteral("Connects to server."));
    showConnectedControls(false);
}

ConnectionController::~ConnectionController() = default;

void ConnectionController::connectAtStart()
{
    m_skipDialogOnce = true;
    prepareLogin();
    m_flow->connectButton();
}

// The auto-exec commands and the autoflag option as they stand now.
void ConnectionController::prepareLogin()
{
    QStringList lines;
    LoadSection(m_window.settingsFile(), LoginSteps::AutoExecSection, lines);
    LoginSteps& login = m_window.session().login();
    login.setAutoExecCommands(LoginSteps::autoExecCommands(lines));
    login.setAutoflag(m_window.menus.mnuAutoflag->isChecked());
}

void ConnectionController::practiceOffline()
{
    m_window.menus.mnuPracticeOffline->setEnabled(false);
    m_practice->start(PracticeServer::serverProgram(QApplication::applicationDirPath()),
                      PracticeServer::installedEngine());
}

// The practice server is reached like any server: through the connect flow, as a guest.
void ConnectionController::connectToPractice(quint16 port)
{
    ConnectionChoice choice;
    choice.connection.Address = QStringLiteral("127.0.0.1");
    choice.connection.Port = QString::number(port);
    choice.connection.Handle = ConnectionList::guestHandle(*QRandomGenerator::global());
    choice.connection.Title = QStringLiteral("Practice Offline");
    m_practiceChoice = choice;
    prepareLogin();
    m_flow->connectMenu();
}

InterfaceToggles ConnectionController::toggleStates() const
{
    InterfaceToggles toggles;
    toggles.silenceSet = m_window.silenceSet();
    toggles.silencePressed = m_window.toolBars.spdSilence->isChecked();
    toggles.openPressed = m_window.toolBars.spdOpen->isChecked();
    return toggles;
}

std::optional<ConnectionChoice> ConnectionController::chooseConnection()
{
    if (auto practice = std::exchange(m_practiceChoice, std::nullopt))
        return practice;
    if (std::exchange(m_skipDialogOnce, false))
        return lastUsedEntry();
    return TfrmConnect::choose(&m_window, m_window.settingsFile().path());
}

std::optional<ConnectionChoice> ConnectionController::lastUsedEntry() const
{
    ConnectionList list(m_window.settingsFile(), *QRandomGenerator::global());
    list.load();
    auto choice = list.lastUsedChoice();
    // As the dialog does: an entry without a handle logs in under a made-up guest name.
    if (choice && choice->connection.Handle.trimmed().isEmpty())
        choice->connection.Handle = ConnectionList::guestHandle(*QRandomGenerator::global());
    return choice;
}

void ConnectionController::showProgress(const QString& caption, const QString& message)
{
    m_progress->showMessage(caption, message);
}

void ConnectionController::hideProgress()
{
    m_progress->hideMessage();
}

bool ConnectionController::progressShown() const
{
    return m_progress->isVisible();
}

void ConnectionController::setMainWindowEnabled(bool enabled)
{
    m_window.setEnabled(enabled);
}

void ConnectionController::setWindowTitle(const QString& title)
{
    m_window.setWindowTitle(title);
}

// The task bar shows a window's icon text.
void ConnectionController::setApplicationTitle(const QString& title)
{
    m_window.setWindowIconText(title);
}

void ConnectionController::setConnectButtonDown(bool down)
{
    m_window.toolBars.spdConnect->setChecked(down);
}

void ConnectionController::showConnectedControls(bool connected)
{
    QToolButton* button = m_window.toolBars.spdConnect;
    button->setChecked(connected);
    button->setProperty("connected", connected);
    m_window.menus.mnuConnect->setEnabled(!connected);
    m_window.menus.mnuPracticeOffline->setEnabled(!connected);
    m_window.menus.mnuDisconnect->setEnabled(connected);
}

void ConnectionController::clearForNewSession()
{
    m_window.memTerminal->clearTerminal();
    // Whatever the last session showed, a new one starts on the terminal with
    // no list refresh running.
    m_window.selectTabAnew(TLists::TerminalTab);
    m_window.chat().sessionStarting();
    m_window.cmbInput->clearEditText();
}

void ConnectionController::sessionEnded()
{
    // The board manager takes its part here once it exists.
    m_window.chat().sessionEnded();
}

void ConnectionController::protocolChosen(ServerProtocol protocol)
{
    // The seek list's columns and the lists' refresh intervals depend on it.
    m_window.lists().setProtocol(protocol);
    m_window.toggles().protocolChosen(protocol);
    m_window.chat().protocolChosen(protocol == ServerProtocol::Icc ? ChatComposer::Protocol::Icc
                                                                   : ChatComposer::Protocol::Fics);
}

void ConnectionController::showInformation(const QString& text)
{
    QMessageBox::information(&m_window, ConnectFlow::ProductTitle, text);
}

void ConnectionController::showWarning(const QString& caption, const QString& text)
{
    QMessageBox::warning(&m_window, caption, text);
}

void ConnectionController::showError(const QString& text)
{
    QMessageBox::critical(&m_window, ConnectFlow::ProductTitle, text);
}
