#pragma once

#include "settings/FontSpec.h"
#include "settings/MainSettingsKeys.h"

#include <array>

class SettingsFile;

// Every value the main window keeps in its own sections of the profile's
// settings file. The window copies the values into the objects that exist and
// back out of them; values whose objects do not exist yet simply stay here, so
// a load followed by a save keeps them all.
struct MainSettingsRecord
{
    // Section "Quodlin"
    bool hideGameMessages = MainSettings::HideGameMessages.byDefault;
    bool ignoreThanks = MainSettings::IgnoreThanks.byDefault;
    bool boardsSeperated = MainSettings::BoardsSeperated.byDefault;
    qint32 shout = MainSettings::Shout.byDefault;
    qint32 silence = MainSettings::Silence.byDefault;
    bool autoFlag = MainSettings::AutoFlag.byDefault;
    bool gameBar = MainSettings::GameBar.byDefault;
    bool toolBar = MainSettings::ToolBar.byDefault;
    qint32 backColor = MainSettings::FirstRunBackColor;
    bool popupTells = MainSettings::PopupTells.byDefault;
    bool popupSays = MainSettings::PopupSays.byDefault;
    MainSettings::Bounds chat1 = MainSettings::BuiltInChatBounds;
    MainSettings::Bounds chat2 = MainSettings::BuiltInChatBounds;
    bool includeShoutsNew = MainSettings::IncludeShoutsNew.byDefault;
    bool includeChannelTellsNew = MainSettings::IncludeChannelTellsNew.byDefault;
    bool chatEcho = MainSettings::ChatEcho.byDefault;
    bool open = MainSettings::Open.byDefault;
    bool silenced = MainSettings::Silenced.byDefault;
    QString hello = MainSettings::Hello.byDefault;
    QString goodGame = MainSettings::GoodGame.byDefault;
    bool manualPromotion = MainSettings::ManualPromotion.byDefault;
    bool maximized = MainSettings::Maximized.byDefault;
    qint32 width = 0;
    qint32 height = 0;
    qint32 top = 0;
    qint32 left = 0;

    // Section "AutoSave"
    bool qlFormat = MainSettings::QLFormat.byDefault;
    bool pgnFormat = MainSettings::PGNFormat.byDefault;
    QString pgnFile = MainSettings::PGNFile.byDefault;

    // Sections "Sought", "Chat", "Boards"
    bool useGraph = MainSettings::UseGraph.byDefault;
    qint32 ratingsMin = MainSettings::RatingsMin.byDefault;
    qint32 ratingsMax = MainSettings::RatingsMax.byDefault;
    bool chatStayOnTop = MainSettings::ChatStayOnTop.byDefault;
    bool chatVisible = MainSettings::ChatVisible.byDefault;
    bool boardsStayOnTop = MainSettings::BoardsStayOnTop.byDefault;

    // Sections "Board0".."Board3"
    std::array<MainSettings::Bounds, MainSettings::SeparateBoardCount> separateBoards{
        MainSettings::separateBoardDefault(0), MainSettings::separateBoardDefault(1),
        MainSettings::separateBoardDefault(2), MainSettings::separateBoardDefault(3)};

    // Section "Board"; the colours start as the board control's built-in ones.
    qint32 wpColor = SettingsValue::rgbColor(228, 153, 155);
    qint32 bpColor = SettingsValue::rgbColor(155, 158, 158);
    qint32 wsColor = SettingsValue::rgbColor(224, 164, 164);
    qint32 bsColor = SettingsValue::rgbColor(143, 143, 143);
    float perspective = float(MainSettings::Perspective.byDefaultPercent) / 100.0f;
    qint32 moveSpeed = MainSettings::MoveSpeed.byDefault;
    bool board3DSingle = MainSettings::Board3DSingle.byDefault;
    bool board3DMulti = MainSettings::Board3DMulti.byDefault;
    qint32 pieceSetSingle = MainSettings::PieceSetSingle.byDefault;
    qint32 pieceSetMulti = MainSettings::PieceSetMulti.byDefault;
    bool showMoveListSingle = MainSettings::ShowMoveListSingle.byDefault;
    bool showMoveListMulti = MainSettings::ShowMoveListMulti.byDefault;
    bool showCoordinates = MainSettings::ShowCoordinates.byDefault;
    bool clickMove = MainSettings::ClickMove.byDefault;
    bool highlightLastMove = MainSettings::HighlightLastMove.byDefault;
    bool premoves = MainSettings::Premoves.byDefault;
    std::array<float, 4> boardsShare{0.7f, 0.7f, 0.7f, 0.7f};

    // Sections "Font0".."Font12"
    std::array<FontSpec, TextKindCount> fonts{};

    // Reads every key in the window's loading order. Keys whose default is "the
    // current value" default to what this record holds; each font starts as a
    // copy of terminalFont with its kind's default colour and style.
    void load(const SettingsFile& file, const FontSpec& terminalFont);

    // Writes every key in the same order. Throws SettingsWriteError at the
    // first refused write; the keys after it stay unwritten.
    void save(SettingsFile& file) const;

    // Writes the keys the board properties dialog chooses (the "Board" appearance keys and
    // "ManualPromotion") in one go, so that a confirmed choice survives a crash.
    void saveBoardProperties(SettingsFile& file) const;

    bool operator==(const MainSettingsRecord&) const = default;
};
