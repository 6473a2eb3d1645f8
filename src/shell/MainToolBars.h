#pragma once

#include <QString>

class QLabel;
class QMainWindow;
class QToolBar;
class QToolButton;
class SettingsFile;

// The two tool bars of the main window; they dock at the top, left or right
// edge or float, and their places are kept in sections beginning "MAINFRMTB".
struct MainToolBars
{
    static inline const QString PositionSection = QStringLiteral("MAINFRMTBLayout");

    QToolBar* TBToolbar1 = nullptr; // "Tolvaris Command Buttons"
    QToolButton* spdConnect = nullptr;
    QToolButton* spdOpen = nullptr;
    QToolButton* spdSilence = nullptr;
    QToolButton* btChat = nullptr;
    QToolButton* spdSeek = nullptr;
    QToolButton* spdAccept = nullptr;
    QToolButton* spdDecline = nullptr;

    QToolBar* TBToolbar2 = nullptr; // "Tolvaris Info Buttons"
    QLabel* laTarget = nullptr;

    void build(QMainWindow* window);
    // "&Hide Tool Bar" hides both bars and shows both again.
    void setShown(bool shown) const;

    // Docks, rows, floating places and visibility of both bars.
    void loadPositions(QMainWindow* window, const SettingsFile& file) const;
    void storePositions(const QMainWindow* window, SettingsFile& file) const;
};
