#include "shell/TfrmMainChess.h"

#include "chat/ui/ScrollLockKey.h"
#include "chat/ui/SoundPlayer.h"
#include "chat/ui/TerminalMenu.h"
#include "chat/ui/TerminalView.h"
#include "lists/ui/TfrmMatch.h"
#include "lists/ui/TfrmProfile.h"
#include "session/SessionLog.h"
#include "session/TraceLog.h"
#include "session/ui/CommandInput.h"
#include "settings/SettingsBatch.h"
#include "settings/SettingsWriteError.h"
#include "shell/ApplicationTitle.h"
#include "shell/ConnectionController.h"
#include "shell/MainBoards.h"
#include "shell/MainChat.h"
#include "shell/MainGameFiles.h"
#include "shell/MainLists.h"
#include "shell/MainSession.h"
#include "shell/MainSounds.h"
#include "shell/MainToggles.h"
#include "shell/MouseActionsController.h"
#include "shell/SplitterBar.h"
#include "shell/TfrmAbout.h"
#include "shell/TfrmWhatsMore.h"
#include "widgets/ControlHint.h"
#include "widgets/FrameClock.h"
#include "widgets/HelpAddresses.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QToolButton>
#include <QUrl>

#include <cstdio>

TfrmMainChess::TfrmMainChess(const QString& programDirectory, const QString& requestedProfile,
                             QWidget* parent)
    : QMainWindow(parent), m_programDirectory(programDirectory)
{
    setObjectName(QStringLiteral("frmMainChess"));
    setWindowTitle(Caption);
    m_settingsFile = SettingsFile(SelectProfile(m_programDirectory, this, requestedProfile));
    if (m_settingsFile.path().isEmpty())
        return;
    m_setUp = true;

    readEarlySettings();
    menus.build(menuBar());
    toolBars.build(this);
    buildClientArea();
    m_chat = new MainChat(m_kindFonts, this);
    m_sounds = new MainSounds(m_programDirectory, this);
    m_listsWiring = std::make_unique<MainLists>(*this);
    m_session = std::make_unique<MainSession>(*memTerminal, m_chat->router(), m_sounds->player(),
                                              *m_listsWiring, *m_listsWiring);
    m_listsWiring->build();
    m_chat->connectTo(*this, *m_session);
    m_toggles = new MainToggles(*this, m_session->commands());
    m_sounds->connectTo(*this);
    wireMenus();
    wirePanes();
    m_boards = std::make_unique<MainBoards>(*this, m_session->commands(), m_session->sounds(),
                                            m_session->chat());
    m_session->boards().setTarget(&m_boards->manager());
    // Server text and observed games reach the screen on the turn's frames: read at that
    // pace too, so that a trickle of small chunks wakes the program once a turn instead
    // of once a chunk. The read comes a frame ahead, so what it brings is drawn on the
    // turn's own frame, not a turn later. The user's own game is read as it comes, for
    // its clock runs.
    m_session->socket().setReadPace([this](std::function<void()> turn) {
        if (m_boards->manager().userPlaysOrExamines(nullptr))
            turn();
        else
            FrameClock::instance().requestTurn(&m_session->socket(), std::move(turn), 1);
    });
    m_gameFiles = new MainGameFiles(*this);
    m_connection = new ConnectionController(*this, m_programDirectory);
    wireMouseActions();

    m_customFonts.load(SharedSettingsFile(m_programDirectory));
    toolBars.loadPositions(this, m_settingsFile);
    setMinimumHeight(100);
    resize(1024, 700);
}

TfrmMainChess::~TfrmMainChess()
{
    if (m_session)
        m_session->boards().setTarget(nullptr);
}

void TfrmMainChess::buildClientArea()
{
    m_client = new QWidget(this);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    tabSplitters = new QTabBar(m_client);
    tabSplitters->setObjectName(QStringLiteral("tabSplitters"));
    tabSplitters->setDrawBase(true);
    tabSplitters->setExpanding(false);
    ControlHint::apply(tabSplitters, QStringLiteral("Selects screen/list to display."));
    for (const QString& label : m_lists.labels())
        tabSplitters->addTab(label);

    memTerminal = new TerminalView(m_kindFonts, m_scrollLock, m_client);
    memOutPut = new TerminalPane(m_client);
    memOutPut->setObjectName(QStringLiteral("memOutPut"));
    pnlSplitter = new SplitterBar(m_client);
    ControlHint::apply(pnlSplitter, QStringLiteral("Click-and-Drag to resize areas."));
    pnlBoard = new QWidget(m_client);
    pnlBoard->setObjectName(QStringLiteral("pnlBoard"));
    pnlSought = new QWidget(m_client);
    pnlSought->setObjectName(QStringLiteral("pnlSought"));

    cmbInput = new CommandInput(m_client);
    cmbInput->setObjectName(QStringLiteral("cmbInput"));
    ControlHint::apply(cmbInput, QStringLiteral("Enter server commands here."));
    cmbInput->lineEdit()->installEventFilter(this);
    memTerminal->setFocusTarget(cmbInput);

    pnlStatus = new QWidget(m_client);
    pnlStatus->setObjectName(QStringLiteral("pnlStatus"));
    spdScrollLock = new QToolButton(pnlStatus);
    spdScrollLock->setObjectName(QStringLiteral("spdScrollLock"));
    spdScrollLock->setText(QStringLiteral("Scroll Lock"));
    spdScrollLock->setCheckable(true);
    btWindows = new QPushButton(QStringLiteral("Windows"), pnlStatus);
    btWindows->setObjectName(QStringLiteral("btWindows"));
    pnlHelp = new QLabel(pnlStatus);
    pnlHelp->setObjectName(QStringLiteral("pnlHelp"));
    pnlHelp->setFrameShape(QFrame::StyledPanel);
    auto* statusRow = new QHBoxLayout(pnlStatus);
    statusRow->setContentsMargins(0, 0, 0, 0);
    statusRow->addWidget(spdScrollLock);
    statusRow->addWidget(btWindows);
    statusRow->addWidget(pnlHelp, 1);

    mnuTerminal = new TerminalMenu(this);
}

void TfrmMainChess::wireMenus()
{
    connect(menus.mnuExit, &QAction::triggered, this, &TfrmMainChess::exitProgram);
    for (QAction* tabItem : menus.mnuDisplayTab)
        connect(tabItem, &QAction::triggered, this,
                [this, tabItem] { selectTab(tabItem->data().toInt()); });
    connect(menus.mnuHideToolBar, &QAction::triggered, this, &TfrmMainChess::toggleToolBarFlag);
    connect(menus.mnuHideGameBar, &QAction::triggered, this, &TfrmMainChess::toggleGameBar);
    connect(menus.mnuContents, &QAction::triggered, this, &TfrmMainChess::openUserGuide);
    for (QAction* web : {menus.mnuWebPage, menus.mnuFicsServer, menus.mnuIccServer})
        connect(web, &QAction::triggered, this,
                [this, web] { openHelpAddress(web->data().toInt()); });
    connect(menus.mnuAbout, &QAction::triggered, this, [this] { TfrmAbout(this).exec(); });
    connect(menus.mnuFeatures, &QAction::triggered, this, [this] {
        if (!m_features)
            m_features = new TfrmWhatsMore(this);
        m_features->showOrRaise();
    });

    connect(mnuTerminal->mnuCopy, &QAction::triggered, this, [this] { copyFromPane(false); });
    connect(mnuTerminal->mnuCopyPaste, &QAction::triggered, this, [this] { copyFromPane(true); });
    connect(mnuTerminal->mnuTerminalClear, &QAction::triggered, memTerminal,
            &TerminalView::clearTerminal);
    connect(mnuTerminal->mnuScrollLock, &QAction::triggered, &m_scrollLock, &ScrollLock::toggle);
    connect(menus.mnuGeneral, &QAction::triggered, this, &TfrmMainChess::openOptions);
    // One item, two dialogs: the pane the menu was opened on says which settings it means.
    connect(mnuTerminal->mnuTerminalFont, &QAction::triggered, this, [this] {
        if (mnuTerminal->pane() == memOutPut)
            lists().editLists();
        else
            openOptions();
        cmbInput->setFocus();
    });
    menus.mnuGeneral->setEnabled(true);
    mnuTerminal->mnuTerminalFont->setEnabled(true);
    connect(spdScrollLock, &QToolButton::clicked, &m_scrollLock, &ScrollLock::toggle);
    connect(&m_scrollLock, &ScrollLock::changed, this, [this](bool on) {
        spdScrollLock->setChecked(on);
        mnuTerminal->mnuScrollLock->setChecked(on);
    });
    new ScrollLockKey(*this, m_scrollLock);

    connect(tabSplitters, &QTabBar::currentChanged, this, &TfrmMainChess::tabChanged);
    connect(pnlSplitter, &SplitterBar::dragEnded, this, &TfrmMainChess::splitterDropped);
    connect(cmbInput, &CommandInput::commandEntered, this, &TfrmMainChess::sendInput);
}

void TfrmMainChess::wirePanes()
{
    for (TerminalPane* pane : {static_cast<TerminalPane*>(memTerminal), memOutPut}) {
        connect(pane, &TerminalPane::wordPicked, this, &TfrmMainChess::setTarget);
        connect(pane, &TerminalPane::menuRequested, mnuTerminal, &TerminalMenu::popupFor);
        connect(pane, &TerminalPane::mouseReleased, cmbInput, [this] { cmbInput->setFocus(); });
        connect(pane, &TerminalPane::mouseMoved, this, [this] {
            // Focus follows the mouse, except where separate board windows would
            // lose it to the main window all the time.
            if (!isActiveWindow() && QApplication::activeWindow() && !m_record.boardsSeperated)
                activateWindow();
        });
    }
}

void TfrmMainChess::wireMouseActions()
{
    m_mouseActions = new MouseActionsController(*this, m_session->commands());
    const QList<QAction*> items(mnuTerminal->mnuMA.begin(), mnuTerminal->mnuMA.end());
    m_mouseActions->serveMenu(mnuTerminal, items, [this] { return m_targetPlayer; });
    m_chat->serveMouseActions(*m_mouseActions);
    m_mouseActions->setMatchOptions([this](const QString& matchCommand) {
        return m_listsWiring->matchDialog()->Run(matchCommand);
    });
    menus.mnuMouseActions->setEnabled(true);
    connect(menus.mnuMouseActions, &QAction::triggered, m_mouseActions,
            &MouseActionsController::edit);
}

void TfrmMainChess::pickWord(const QString& word)
{
    m_targetPlayer = word;
    m_mouseActions->runCurrent(word);
}

void TfrmMainChess::focusCommandInput()
{
    if (isActiveWindow())
        cmbInput->setFocus();
}

void TfrmMainChess::setTarget(const QString& word)
{
    m_targetPlayer = word;
    toolBars.laTarget->setText(word);
}

void TfrmMainChess::copyFromPane(bool paste)
{
    TerminalPane* pane = mnuTerminal->pane();
    if (!pane)
        return;
    const QString text = pane->copySelectionOrWord();
    if (paste && !text.isEmpty())
        cmbInput->lineEdit()->insert(text);
    cmbInput->setFocus();
}

void TfrmMainChess::sendInput(const QString& text)
{
    m_session->commands().sendCommand(text);
    memTerminal->appendLine(text, TextKind::Commands);
    if (m_session->sessionLog().isOpen())
        m_session->sessionLog().write('>' + text.toLatin1() + "\r\n");
    cmbInput->lineEdit()->selectAll();
    cmbInput->setFocus();
}

void TfrmMainChess::reportWriteFailure(const SettingsWriteError& error)
{
    if (m_quietExit) {
        std::fprintf(stderr, "%s\n", qPrintable(error.userMessage()));
        SessionLog& log = m_session->sessionLog();
        if (log.isOpen())
            log.write(TraceLog::timeStamp() + error.userMessage().toLocal8Bit() + "\r\n");
    } else {
        QMessageBox::critical(this, ApplicationTitle, error.userMessage());
    }
    Q_EMIT settingsWriteFailed(error.userMessage());
}

void TfrmMainChess::openHelpAddress(int tag)
{
    const QString address = HelpAddresses::webPage(tag);
    openInBrowser(QUrl(address), address);
}

// Without a browser the user gets at least the address, selectable for copying.
void TfrmMainChess::openInBrowser(const QUrl& url, const QString& shown)
{
    if (QDesktopServices::openUrl(url))
        return;
    QMessageBox box(QMessageBox::Warning, ApplicationTitle,
                    QStringLiteral("No web browser could be started to show %1").arg(shown),
                    QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void TfrmMainChess::openUserGuide()
{
    const QString guide = HelpAddresses::userGuide(QApplication::applicationDirPath());
    if (guide.isEmpty()) {
        QMessageBox::information(this, ApplicationTitle,
                                 QStringLiteral("The user guide was not found."));
        return;
    }
    openInBrowser(QUrl::fromLocalFile(guide), guide);
}

bool TfrmMainChess::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip && pnlHelp) {
        pnlHelp->setText(u' ' + static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate && cmbInput)
        cmbInput->lineEdit()->selectAll();
    return QMainWindow::event(event);
}

bool TfrmMainChess::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutClientArea();
    else if (cmbInput && watched == cmbInput->lineEdit() &&
             (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonDblClick))
        QMetaObject::invokeMethod(cmbInput->lineEdit(), &QLineEdit::selectAll,
                                  Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMainChess::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown && m_setUp) {
        m_shown = true;
        firstShowing();
    }
}

void TfrmMainChess::firstShowing()
{
    spdScrollLock->setChecked(m_scrollLock.isOn());
    mnuTerminal->mnuScrollLock->setChecked(m_scrollLock.isOn());
    LoadMainSettings();
    m_boards->start();
    menus.mnuBoardsSeparate->setChecked(m_record.boardsSeperated);
    layoutClientArea();
    cmbInput->setFocus();
}

void TfrmMainChess::closeEvent(QCloseEvent* event)
{
    // The close box runs "E&xit" instead of closing by itself.
    event->ignore();
    exitProgram();
}

void TfrmMainChess::exitOnSignal()
{
    if (m_exiting) {
        QCoreApplication::exit(0);
        return;
    }
    m_quietExit = true;
    exitProgram();
}

void TfrmMainChess::exitSwitchingBoardMode()
{
    m_switchBoardMode = true;
    exitProgram();
}

void TfrmMainChess::exitProgram()
{
    if (m_exiting || !m_setUp)
        return;
    m_exiting = true;
    m_session->disconnect();
    // Everything the exit stores reaches the profile's file in one write.
    SettingsBatch batch(m_settingsFile);
    toolBars.storePositions(this, m_settingsFile);
    m_chat->storeChatForms();
    if (m_shown) {
        m_boards->storeBounds();
        if (m_switchBoardMode)
            m_record.boardsSeperated = !m_record.boardsSeperated;
        SaveMainSettings();
    }
    try {
        batch.commit();
    } catch (const SettingsWriteError& error) {
        reportWriteFailure(error);
    }
    hide();
    Q_EMIT programEnded();
}
