#include "shell/MainMenus.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* item(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {},
              bool enabled = true)
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    action->setEnabled(enabled);
    return action;
}

// An item whose window or behaviour comes with a later part of the program.
QAction* later(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {})
{
    return item(menu, caption, shortcut, false);
}

QAction* checkable(QAction* action)
{
    action->setCheckable(true);
    return action;
}

struct GameItem
{
    const char* caption;
    QKeyCombination shortcut;
    int tag;
};

} // namespace

void MainMenus::build(QMenuBar* bar)
{
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mnuConnect = later(file, QStringLiteral("&Connect"));
    mnuDisconnect = later(file, QStringLiteral("&Disconnect"));
    mnuPracticeOffline = item(file, QStringLiteral("Practice &Offline"));
    file->addSeparator();
    mnuLoad = later(file, QStringLiteral("&Load"));
    mnuSave = later(file, QStringLiteral("&Save"));
    mnuExportPGN = later(file, QStringLiteral("&Export PGN"));
    QMenu* autoSave = file->addMenu(QStringLiteral("&AutoSave"));
    mnuAutoSaveQL = checkable(later(autoSave, QStringLiteral("Quodlin Format")));
    mnuAutoSavePGN = checkable(later(autoSave, QStringLiteral("PGN Format")));
    mnuLogging = checkable(later(file, QStringLiteral("Lo&gging")));
    file->addSeparator();
    mnuExit = item(file, QStringLiteral("E&xit"));

    QMenu* display = bar->addMenu(QStringLiteral("&Display"));
    const std::array<std::pair<const char*, QKeyCombination>, 5> tabs{{
        {"&Terminal", Qt::CTRL | Qt::Key_T},
        {"&Boards", Qt::CTRL | Qt::Key_B},
        {"&Sought", Qt::CTRL | Qt::Key_S},
        {"&Who", Qt::CTRL | Qt::Key_W},
        {"&Games", Qt::CTRL | Qt::Key_G},
    }};
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        mnuDisplayTab[i] = item(display, QLatin1String(tabs[i].first), tabs[i].second);
        mnuDisplayTab[i]->setData(int(i));
    }
    display->addSeparator();
    mnuHideToolBar = checkable(item(display, QStringLiteral("&Hide Tool Bar")));
    mnuHideGameBar = checkable(item(display, QStringLiteral("Hide Ga&me Bar")));
    display->addSeparator();
    mnuDisplayChat = later(display, QStringLiteral("&Chat"), Qt::Key_F7);

    QMenu* actions = bar->addMenu(QStringLiteral("&Actions"));
    mnuAccept = later(actions, QStringLiteral("&Accept"), Qt::Key_F2);
    mnuDecline = later(actions, QStringLiteral("&Decline"), Qt::Key_F3);
    mnuSeek = later(actions, QStringLiteral("See&k"), Qt::Key_F6);
    mnuClearMessages = later(actions, QStringLiteral("&Clear Messages"));

    QMenu* settings = bar->addMenu(QStringLiteral("&Settings"));
    mnuOpen = checkable(later(settings, QStringLiteral("O&pen"), Qt::CTRL | Qt::Key_O));
    mnuSilence = checkable(later(settings, QStringLiteral("S&ilence"), Qt::CTRL | Qt::Key_I));
    settings->addSeparator();
    mnuGeneral = later(settings, QStringLiteral("&General"), Qt::Key_F11);
    mnuBoardProperties = later(settings, QStringLiteral("&Boards"), Qt::Key_F12);
    mnuSounds = later(settings, QStringLiteral("&Sounds"));
    mnuLists = later(settings, QStringLiteral("&Lists"));
    mnuMouseActions = later(settings, QStringLiteral("&Mouse Actions"));
    mnuCommands = later(settings, QStringLiteral("&Commands"));
    mnuChatAliases = later(settings, QStringLiteral("Chat &Aliases"));
    mnuSoughtGraph = later(settings, QStringLiteral("S&ought Graph"));
    settings->addSeparator();
    mnuBoardsSeparate = checkable(later(settings, QStringLiteral("Boards in Seperate &Windows")));
    mnuCreateChat = later(settings, QStringLiteral("Create Chat Window"));

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    const std::array<GameItem, GameItemCount> gameItems{{
        {"Sa&y", Qt::CTRL | Qt::Key_Y, 0},
        {"&Kibitz", Qt::CTRL | Qt::Key_K, 1},
        {"&Whisper", {}, 2},
        {"&Draw", {}, 3},
        {"&Resign", {}, 4},
        {"Abort/&Close", QKeyCombination(Qt::Key_F10), 5},
        {"Auto&flag", {}, 6},
        {"&Back", Qt::SHIFT | Qt::Key_Delete, 7},
        {"R&evert", {}, 23},
        {"&Forward", Qt::SHIFT | Qt::Key_Insert, 16},
        {"F&ast Forward", {}, 17},
        {"&Pause", {}, 8},
        {"&Reverse", {}, 18},
        {"&Observers", {}, 11},
        {"Pro&motion", Qt::CTRL | Qt::Key_M, 20},
    }};
    for (std::size_t i = 0; i < gameItems.size(); ++i) {
        mnuGame[i] = later(game, QLatin1String(gameItems[i].caption), gameItems[i].shortcut);
        mnuGame[i]->setData(gameItems[i].tag);
    }
    mnuAutoflag = checkable(mnuGame[6]);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    mnuContents = item(help, QStringLiteral("&Contents"));
    help->addSeparator();
    mnuWebPage = item(help, QStringLiteral("&Web Page"));
    mnuWebPage->setData(2);
    mnuFicsServer = item(help, QStringLiteral("&FICS Server"));
    mnuFicsServer->setData(0);
    mnuIccServer = item(help, QStringLiteral("&ICC Server"));
    mnuIccServer->setData(1);
    help->addSeparator();
    mnuAbout = item(help, QStringLiteral("&About"));

    QMenu* features = bar->addMenu(QStringLiteral("Tolvaris Features"));
    mnuFeatures = item(features, QStringLiteral("Features..."));
}
