#pragma once

#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ScrollLock.h"
#include "chat/TLists.h"
#include "settings/MainSettingsRecord.h"
#include "settings/SettingsFile.h"
#include "shell/MainMenus.h"
#include "shell/MainToolBars.h"

#include <QMainWindow>

#include <memory>

class CommandInput;
class ConnectionController;
class MainChat;
class MainSounds;
class MainToggles;
class MainBoards;
class MainGameFiles;
class MouseActionsController;
class MainLists;
class MainSession;
class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QToolButton;
class QUrl;
class SettingsWriteError;
class SplitterBar;
class TerminalMenu;
class TerminalPane;
class TerminalView;
class TfrmWhatsMore;

// The main window: owner of the session, the terminal and list pane, the tab
// row, the tool bars, the menus and the settings of the run. Its parts live in
// several files: creation and events here, the menus and tool bars in their
// own structs, the layout in MainWindowLayout.cpp, the settings in
// MainWindowSettings.cpp.
class TfrmMainChess : public QMainWindow
{
    Q_OBJECT
    friend class MainLists; // the server lists' wiring, kept in its own file

public:
    static inline const QString Caption = QStringLiteral("Tolvaris Internet Chess");

    // Runs the profile choice; when it is cancelled the window is not set up and
    // the program must end without showing it.
    // requestedProfile: a profile named on the command line, chosen without the dialog.
    explicit TfrmMainChess(const QString& programDirectory,
                           const QString& requestedProfile = QString(), QWidget* parent = nullptr);
    ~TfrmMainChess() override;

    bool isSetUp() const { return m_setUp; }
    const SettingsFile& settingsFile() const { return m_settingsFile; }

    // Selects the tab and runs the tab change even when it was selected already.
    void selectTabAnew(int index);
    MainSession& session() { return *m_session; }
    ConnectionController& connection() { return *m_connection; }
    MainLists& lists() { return *m_listsWiring; }
    MainChat& chat() { return *m_chat; }
    MainToggles& toggles() { return *m_toggles; }
    MainSounds& sounds() { return *m_sounds; }
    MainBoards& boards() { return *m_boards; }
    MainGameFiles& gameFiles() { return *m_gameFiles; }

    void LoadMainSettings();
    void SaveMainSettings();

    // A refused settings write: the message box and settingsWriteFailed.
    void reportWriteFailure(const SettingsWriteError& error);

    // "E&xit": disconnect, store what the run keeps, hide; then programEnded.
    void exitProgram();
    // Ends the program with the boards' docked or separate mode switched for the next start.
    void exitSwitchingBoardMode();
    // A termination signal (a desktop logout): "E&xit" without any box, whatever is
    // open; a refused write goes to the session log and standard error. A signal that
    // comes while the exit itself waits in a box ends every event loop at once.
    void exitOnSignal();

    int selectedTab() const { return m_selectedTab; }
    const QString& targetPlayer() const { return m_targetPlayer; }
    // A word picked in a chat window: the target player, on which the current mouse
    // action runs; the target label stays.
    void pickWord(const QString& word);
    MouseActionsController& mouseActions() { return *m_mouseActions; }
    // After a command sent from a menu, typing goes on in the command input, unless another
    // window of the program holds the focus.
    void focusCommandInput();
    // What the Silence toggle silences (a set of InterfaceToggles::SilenceMember).
    int silenceSet() const;

    // Controls with given names.
    QTabBar* tabSplitters = nullptr;
    TerminalView* memTerminal = nullptr;
    TerminalPane* memOutPut = nullptr;
    SplitterBar* pnlSplitter = nullptr;
    QWidget* pnlBoard = nullptr;
    QWidget* pnlSought = nullptr;
    CommandInput* cmbInput = nullptr;
    QWidget* pnlStatus = nullptr;
    QToolButton* spdScrollLock = nullptr;
    QPushButton* btWindows = nullptr;
    QLabel* pnlHelp = nullptr;
    TerminalMenu* mnuTerminal = nullptr;
    MainMenus menus;
    MainToolBars toolBars;

Q_SIGNALS:
    // After "E&xit": the application should end its event loop.
    void programEnded();
    // A settings write was refused; the message has been shown.
    void settingsWriteFailed(const QString& message);

protected:
    friend class MainBoards;
    friend class MainGameFiles;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Creation and wiring (TfrmMainChess.cpp)
    void buildClientArea();
    void wireMenus();
    void wirePanes();
    void wireMouseActions();
    void firstShowing();
    void sendInput(const QString& text);
    void setTarget(const QString& word);
    void copyFromPane(bool paste);
    void openHelpAddress(int tag);
    void openUserGuide();
    void openInBrowser(const QUrl& url, const QString& shown);

    // Layout (MainWindowLayout.cpp)
    void layoutClientArea();
    void tabChanged(int index);
    void selectTab(int index);
    float tabShare(int tab) const;
    void setTabShare(int tab, float share);
    void splitterDropped(int y);
    void toggleToolBarFlag();
    void toggleGameBar();
    void setBoardsOpen(int count);

    // Settings (MainWindowSettings.cpp)
    void readEarlySettings();
    void applySettings();
    // The terminal, list pane, command input and chat windows take the Normal
    // font and the terminal background.
    void applyPaneFonts();

    // The general options dialog (MainWindowOptions.cpp)
    void openOptions();
    void collectSettings();
    void loadCommandPresets();
    void saveCommandPresets();

    bool m_setUp = false;
    bool m_shown = false;
    bool m_exiting = false;
    bool m_switchBoardMode = false;
    bool m_quietExit = false; // the exit runs for a signal: no box may wait for the user
    QString m_programDirectory;
    SettingsFile m_settingsFile;
    MainSettingsRecord m_record;
    CustomFontList m_customFonts;
    KindFonts m_kindFonts{m_customFonts};
    TLists m_lists;
    ScrollLock m_scrollLock;
    QString m_targetPlayer;
    MouseActionsController* m_mouseActions = nullptr;
    MainGameFiles* m_gameFiles = nullptr;
    int m_selectedTab = 0;
    int m_boardsOpen = 1;
    QWidget* m_client = nullptr;
    TfrmWhatsMore* m_features = nullptr;
    std::unique_ptr<MainLists> m_listsWiring;
    MainChat* m_chat = nullptr;
    MainToggles* m_toggles = nullptr;
    MainSounds* m_sounds = nullptr;
    std::unique_ptr<MainSession> m_session;
    ConnectionController* m_connection = nullptr;
    std::unique_ptr<MainBoards> m_boards; // before the windows it docks boards in go
};
