#pragma once

#include <array>

class QAction;
class QMenuBar;

// Every item of the main window's menu bar. Items whose behaviour belongs to
// windows that do not exist yet are disabled; the main window wires the rest.
struct MainMenus
{
    // "&File"
    QAction* mnuConnect = nullptr;
    QAction* mnuDisconnect = nullptr;
    QAction* mnuPracticeOffline = nullptr; // starts ficsim and connects to it as a guest
    QAction* mnuLoad = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuExportPGN = nullptr;
    QAction* mnuAutoSaveQL = nullptr;
    QAction* mnuAutoSavePGN = nullptr;
    QAction* mnuLogging = nullptr;
    QAction* mnuExit = nullptr;

    // "&Display": the first five select the tab of their index.
    std::array<QAction*, 5> mnuDisplayTab{};
    QAction* mnuHideToolBar = nullptr;
    QAction* mnuHideGameBar = nullptr;
    QAction* mnuDisplayChat = nullptr;

    // "&Actions"
    QAction* mnuAccept = nullptr;
    QAction* mnuDecline = nullptr;
    QAction* mnuSeek = nullptr;
    QAction* mnuClearMessages = nullptr;

    // "&Settings"
    QAction* mnuOpen = nullptr;
    QAction* mnuSilence = nullptr;
    QAction* mnuGeneral = nullptr;
    QAction* mnuBoardProperties = nullptr;
    QAction* mnuSounds = nullptr;
    QAction* mnuLists = nullptr;
    QAction* mnuMouseActions = nullptr;
    QAction* mnuCommands = nullptr;
    QAction* mnuChatAliases = nullptr;
    QAction* mnuSoughtGraph = nullptr;
    QAction* mnuBoardsSeparate = nullptr;
    QAction* mnuCreateChat = nullptr;

    // "&Game", each tagged with its game-button number
    static constexpr int GameItemCount = 15;
    std::array<QAction*, GameItemCount> mnuGame{};
    QAction* mnuAutoflag = nullptr;

    // "&Help" and "Tolvaris Features"
    QAction* mnuContents = nullptr;
    QAction* mnuWebPage = nullptr;
    QAction* mnuFicsServer = nullptr;
    QAction* mnuIccServer = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuFeatures = nullptr;

    void build(QMenuBar* bar);
};
