#pragma once

#include "chat/GeneralOptions.h"

#include <QDialog>

#include <array>
#include <functional>

class CustomFontList;
class KindFonts;
class OptionsFontPage;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Options": fonts, terminal, chat, messages and commands. The font page acts
// on the live fonts at once; everything else is handed back by options()
// when the dialog ends with OK.
class TfrmOptions : public QDialog
{
    Q_OBJECT

public:
    TfrmOptions(const GeneralOptions& options, KindFonts& fonts, CustomFontList& customFonts,
                std::function<void()> storeCustomFonts, QWidget* parent = nullptr);

    QTabWidget* pages = nullptr;
    OptionsFontPage* fontPage = nullptr;
    QPushButton* btnBackground = nullptr;
    QCheckBox* chkIgnoreThanks = nullptr;
    QCheckBox* chkHideGameMessages = nullptr;
    QCheckBox* chkPopUpTells = nullptr;
    QCheckBox* chkPopUpSays = nullptr;
    QCheckBox* chkIncludeShouts = nullptr;
    QCheckBox* chkIncludeChannelTells = nullptr;
    QCheckBox* chkEcho = nullptr;
    QCheckBox* chkDesktopNotifications = nullptr;
    QLineEdit* edHello = nullptr;
    QLineEdit* edGoodGame = nullptr;
    std::array<QRadioButton*, 3> rbShoutType{};
    QCheckBox* chkSilenceChannels = nullptr;
    QCheckBox* chkSilenceCShouts = nullptr;
    QCheckBox* chkSilenceShouts = nullptr;
    QCheckBox* chkSilenceSeeks = nullptr;
    QPlainTextEdit* memAutoExec = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // The page boxes read back.
    GeneralOptions options() const;
    void setBackground(qint32 color);

private:
    QWidget* buildTerminalPage();
    QWidget* buildChatPage();
    QWidget* buildMessagesPage();
    QWidget* buildCommandsPage();
    void chooseBackground();

    GeneralOptions m_start;
    qint32 m_background = 0;
};
