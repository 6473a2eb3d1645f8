#pragma once

#include "chat/ChatComposer.h"
#include "chat/ChatRouter.h"
#include "settings/MainSettingsKeys.h"
#include "shell/DesktopNotifier.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>

#include <array>

#include <memory>

class FilteredChats;
struct GeneralOptions;
class KindFonts;
class QPushButton;
class MainSession;
class MouseActionsController;
class SettingsFile;
class TfrmChat;
class TfrmMainChess;
struct MainSettingsRecord;

// The main window's chat: the main chat window, the chat router that the
// dispatcher hands chat lines to, and the wiring of both into the main
// window's menus, tool bar and session.
class MainChat : public QObject
{
    Q_OBJECT

public:
    MainChat(const KindFonts& fonts, QWidget* mainWindow);
    ~MainChat() override;

    ChatRouter& router() { return m_router; }
    FilteredChats& filtered() { return *m_filtered; }
    TfrmChat* frmChat() const { return m_frmChat; }

    // Commands leave through the session; picks go to the main window.
    void connectTo(TfrmMainChess& mainWindow, MainSession& session);

    // The chat menus' action items, now and in every filtered window to come.
    void serveMouseActions(MouseActionsController& mouseActions);

    void applySettings(const MainSettingsRecord& record);
    // The main chat window's five flags, as the options dialog chose them.
    void applyOptions(const GeneralOptions& options);
    // The main chat window and the filtered windows, now and when created.
    void setChatFont(const QFont& font, const QColor& color);
    void collectSettings(MainSettingsRecord& record) const;
    // The main chat window's aliases, kept in the shared settings file.
    void loadAliases(const SettingsFile& shared);
    void storeAliases(SettingsFile& shared) const;
    // Whether tells, partner tells and challenges that arrive while the main
    // window is in the background show a desktop notification; in the profile.
    void loadNotificationSetting(const SettingsFile& profile);
    void storeNotificationSetting(SettingsFile& profile) const;
    bool notificationsOn() const { return m_notifier.enabled; }

    // A board's chat pane: takes users' lines only, has no close button, sends and picks
    // like the main chat window and wears its font; the caller places it and registers it.
    TfrmChat* createBoardPane(QWidget* parent);
    // slot 0 to 3; nullptr when the slot holds no board.
    void setBoardPane(int slot, TfrmChat* pane);
    // A board's Say, Kibitz or Whisper button (tags 0 to 2): the board's own pane when it
    // shows, the main chat window otherwise.
    void composeFromBoard(int tag, TfrmChat* boardPane);

    void showMainChat();
    // Entering or leaving the boards view moves the main chat window to the place it had
    // the last time that view showed.
    void setBoardsViewShown(bool shown);
    void protocolChosen(ChatComposer::Protocol protocol);
    // The connection ended: the main chat window goes out of the way.
    void sessionEnded();
    // A new connection starts with an empty main chat window; the filtered
    // windows keep their text, as they are the user's own record.
    void sessionStarting();
    // At exit: the filtered windows' places and filters.
    void storeChatForms();

private:
    void initialiseFiltered(TfrmChat& window) const;
    void showWindowsMenu(QPushButton* button);
    void serveMenuOf(TfrmChat* window) const;
    void placeMainChat(const MainSettings::Bounds& bounds);
    // Where the main chat window goes in each view: [0] every other view, [1] the boards view.
    std::array<MainSettings::Bounds, 2> viewBounds() const;

    void noticeLine(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                    const QByteArray& other);

    const KindFonts& m_fonts;
    TfrmChat* m_frmChat;
    std::array<QPointer<TfrmChat>, ChatRouter::BoardSlots> m_boardPanes{};
    ChatRouter m_router;
    DesktopNotifier m_notifier;
    QWidget* m_mainWindow;
    MouseActionsController* m_mouseActions = nullptr;
    std::unique_ptr<FilteredChats> m_filtered;
    QFont m_font;
    QColor m_color;
    std::array<MainSettings::Bounds, 2> m_viewBounds{MainSettings::BuiltInChatBounds,
                                                     MainSettings::BuiltInChatBounds};
    bool m_boardsViewShown = false;
};
