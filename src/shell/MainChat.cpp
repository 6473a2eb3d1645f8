#include "shell/MainChat.h"

#include "chat/DesktopNotice.h"
#include "chat/GeneralOptions.h"
#include "chat/ui/ChatMenu.h"
#include "chat/ui/ChatPane.h"
#include "chat/ui/TfrmChat.h"
#include "settings/MainSettingsRecord.h"
#include "settings/SettingsFile.h"
#include "shell/FilteredChats.h"
#include "shell/MainSession.h"
#include "shell/MouseActionsController.h"
#include "shell/TfrmMainChess.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

MainChat::MainChat(const KindFonts& fonts, QWidget* mainWindow)
    : QObject(mainWindow), m_fonts(fonts),
      m_frmChat(new TfrmChat(fonts, ChatFilter::everything(), nullptr)), m_router(*m_frmChat),
      m_mainWindow(mainWindow)
{
    m_router.setLineObserver(
        [this](const QByteArray& line, const QByteArray& speaker, TextKind kind,
               const QByteArray& other) { noticeLine(line, speaker, kind, other); });
    m_frmChat->setBaseCaption(QStringLiteral("Chat"));
    m_frmChat->setHidesWhenClosed(true);
    m_filtered = std::make_unique<FilteredChats>(
        fonts, m_router, [this](TfrmChat& window) { initialiseFiltered(window); }, mainWindow);
}

MainChat::~MainChat()
{
    m_filtered.reset();
    delete m_frmChat;
}

namespace {

const QString NotificationsSection = QStringLiteral("Chat");
const QString NotificationsKey = QStringLiteral("Notifications");

} // namespace

void MainChat::noticeLine(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                          const QByteArray& other)
{
    if (!m_notifier.enabled || m_mainWindow->isActiveWindow())
        return;
    if (const std::optional<DesktopNotice> notice =
            DesktopNotice::forLine(line, speaker, kind, other))
        m_notifier.notify(notice->summary, notice->body);
}

void MainChat::loadNotificationSetting(const SettingsFile& profile)
{
    m_notifier.enabled = profile.readBool(NotificationsSection, NotificationsKey, true);
}

void MainChat::storeNotificationSetting(SettingsFile& profile) const
{
    profile.writeBool(NotificationsSection, NotificationsKey, m_notifier.enabled);
}

void MainChat::initialiseFiltered(TfrmChat& window) const
{
    window.setProtocol(m_frmChat->protocol());
    window.setCommandSink(m_frmChat->commandSink());
    window.setPickSink(m_frmChat->pickSink());
    window.setChatFont(m_font);
    window.setChatColor(m_color);
    window.setIncludeShouts(m_frmChat->routing().includeShouts);
    window.setIncludeChannelTells(m_frmChat->routing().includeChannelTells);
    window.setEcho(m_frmChat->echo());
    window.setFocusFollowsMouseOff(m_frmChat->focusFollowsMouseOff());
    serveMenuOf(&window);
}

TfrmChat* MainChat::createBoardPane(QWidget* parent)
{
    auto* pane = new TfrmChat(m_fonts, ChatFilter::boardPane(), parent);
    pane->setObjectName(QStringLiteral("frmBoardChat"));
    pane->setBaseCaption(TfrmChat::BoardPaneCaption);
    pane->cmdClose->setEnabled(false);
    initialiseFiltered(*pane);
    return pane;
}

void MainChat::setBoardPane(int slot, TfrmChat* pane)
{
    if (slot < 0 || slot >= ChatRouter::BoardSlots)
        return;
    m_boardPanes[std::size_t(slot)] = pane;
    m_router.setBoardPane(slot, pane);
}

void MainChat::composeFromBoard(int tag, TfrmChat* boardPane)
{
    if (tag < 0 || tag > 2)
        return;
    const auto type = TfrmChat::MessageType(int(TfrmChat::MessageType::Say) + tag);
    if (boardPane && boardPane->isVisible()) {
        boardPane->openForComposing(type, QString());
        return;
    }
    showMainChat();
    m_frmChat->openForComposing(type, QString());
}

void MainChat::serveMouseActions(MouseActionsController& mouseActions)
{
    m_mouseActions = &mouseActions;
    serveMenuOf(m_frmChat);
}

void MainChat::serveMenuOf(TfrmChat* window) const
{
    if (!m_mouseActions)
        return;
    const QList<QAction*> items(window->mnuChat->mnuMA.begin(), window->mnuChat->mnuMA.end());
    m_mouseActions->serveMenu(window->mnuChat, items, [window] { return window->pickedWord(); });
}

void MainChat::showWindowsMenu(QPushButton* button)
{
    auto* menu = new QMenu(button);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowTitle() == TfrmChat::BoardPaneCaption ||
            qobject_cast<QMenu*>(window))
            continue;
        QPointer<QWidget> target = window;
        connect(menu->addAction(window->windowTitle()), &QAction::triggered, this, [target] {
            if (target && target->isVisible()) {
                target->raise();
                target->activateWindow();
            }
        });
    }
    menu->popup(button->mapToGlobal(QPoint(0, 0)), nullptr);
}

void MainChat::storeChatForms()
{
    m_filtered->store();
}

void MainChat::connectTo(TfrmMainChess& mainWindow, MainSession& session)
{
    m_frmChat->setCommandSink(
        [&session](const QString& command) { session.socketCommands().sendWholeLine(command); });
    m_frmChat->setPickSink([&mainWindow](const QString& word) { mainWindow.pickWord(word); });
    connect(mainWindow.menus.mnuDisplayChat, &QAction::triggered, this, &MainChat::showMainChat);
    connect(mainWindow.toolBars.btChat, &QToolButton::clicked, this, &MainChat::showMainChat);
    connect(mainWindow.menus.mnuChatAliases, &QAction::triggered, m_frmChat,
            &TfrmChat::editAliases);
    mainWindow.menus.mnuChatAliases->setEnabled(true);
    mainWindow.menus.mnuDisplayChat->setEnabled(true);
    mainWindow.toolBars.btChat->setEnabled(true);

    m_filtered->setSettingsFile(mainWindow.settingsFile());
    // The stored windows come back at the first Connect of the run.
    connect(mainWindow.toolBars.spdConnect, &QToolButton::clicked, m_filtered.get(),
            &FilteredChats::restore);
    connect(mainWindow.menus.mnuConnect, &QAction::triggered, m_filtered.get(),
            &FilteredChats::restore);
    connect(mainWindow.menus.mnuCreateChat, &QAction::triggered, m_filtered.get(),
            &FilteredChats::createFromDialog);
    mainWindow.menus.mnuCreateChat->setEnabled(true);
    if (auto* chatFilter = mainWindow.toolBars.TBToolbar2->findChild<QToolButton*>(
            QStringLiteral("btChatFilter"))) {
        connect(chatFilter, &QToolButton::clicked, m_filtered.get(),
                &FilteredChats::createFromDialog);
        chatFilter->setEnabled(true);
    }
    QPushButton* windowsButton = mainWindow.btWindows;
    connect(windowsButton, &QPushButton::clicked, this,
            [this, windowsButton] { showWindowsMenu(windowsButton); });
    windowsButton->setEnabled(true);
}

void MainChat::setChatFont(const QFont& font, const QColor& color)
{
    m_font = font;
    m_color = color;
    QList<TfrmChat*> windows = m_filtered->windows();
    windows.prepend(m_frmChat);
    for (const QPointer<TfrmChat>& pane : m_boardPanes) {
        if (pane)
            windows.append(pane);
    }
    for (TfrmChat* window : windows) {
        window->setChatFont(font);
        window->setChatColor(color);
    }
}

void MainChat::applyOptions(const GeneralOptions& options)
{
    m_frmChat->setPopUpOnTells(options.popUpTells);
    m_frmChat->setPopUpOnSays(options.popUpSays);
    m_frmChat->setIncludeShouts(options.includeShouts);
    m_frmChat->setIncludeChannelTells(options.includeChannelTells);
    m_frmChat->setEcho(options.echo);
    m_notifier.enabled = options.desktopNotifications;
}

void MainChat::applySettings(const MainSettingsRecord& record)
{
    m_frmChat->setIncludeShouts(record.includeShoutsNew);
    m_frmChat->setIncludeChannelTells(record.includeChannelTellsNew);
    m_frmChat->setPopUpOnTells(record.popupTells);
    m_frmChat->setPopUpOnSays(record.popupSays);
    m_frmChat->setEcho(record.chatEcho);
    m_frmChat->setStayOnTop(record.chatStayOnTop);
    m_frmChat->setFocusFollowsMouseOff(record.boardsSeperated);
    m_viewBounds = {record.chat1, record.chat2};
    placeMainChat(m_viewBounds[m_boardsViewShown]);
    if (record.chatVisible)
        showMainChat();
}

void MainChat::collectSettings(MainSettingsRecord& record) const
{
    const ChatWindowRouting& routing = m_frmChat->routing();
    record.includeShoutsNew = routing.includeShouts;
    record.includeChannelTellsNew = routing.includeChannelTells;
    record.popupTells = routing.popUpOnTells;
    record.popupSays = routing.popUpOnSays;
    record.chatEcho = m_frmChat->echo();
    record.chatStayOnTop = m_frmChat->stayOnTop();
    const std::array<MainSettings::Bounds, 2> bounds = viewBounds();
    record.chat1 = bounds[0];
    record.chat2 = bounds[1];
}

std::array<MainSettings::Bounds, 2> MainChat::viewBounds() const
{
    std::array<MainSettings::Bounds, 2> bounds = m_viewBounds;
    const QRect shown = m_frmChat->geometry();
    bounds[m_boardsViewShown] = {shown.left(), shown.top(), shown.left() + shown.width(),
                                 shown.top() + shown.height()};
    return bounds;
}

void MainChat::placeMainChat(const MainSettings::Bounds& bounds)
{
    if (bounds.right > bounds.left && bounds.bottom > bounds.top)
        m_frmChat->setGeometry(bounds.left, bounds.top, bounds.right - bounds.left,
                               bounds.bottom - bounds.top);
}

void MainChat::loadAliases(const SettingsFile& shared)
{
    m_frmChat->setAliases(ChatAliases::load(shared));
}

void MainChat::storeAliases(SettingsFile& shared) const
{
    m_frmChat->aliases().store(shared);
}

void MainChat::showMainChat()
{
    m_frmChat->show();
    m_frmChat->raise();
    m_frmChat->activateWindow();
}

void MainChat::setBoardsViewShown(bool shown)
{
    m_frmChat->setBoardsViewShown(shown);
    if (shown == m_boardsViewShown)
        return;
    m_viewBounds = viewBounds();
    m_boardsViewShown = shown;
    placeMainChat(m_viewBounds[shown]);
}

void MainChat::protocolChosen(ChatComposer::Protocol protocol)
{
    m_frmChat->setProtocol(protocol);
    for (const QPointer<TfrmChat>& pane : m_boardPanes) {
        if (pane)
            pane->setProtocol(protocol);
    }
}

void MainChat::sessionEnded()
{
    m_frmChat->hide();
}

void MainChat::sessionStarting()
{
    m_frmChat->memOut->clearPane();
}
