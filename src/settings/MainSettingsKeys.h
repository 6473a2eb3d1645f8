#pragma once

#include "settings/SettingsKey.h"
#include "settings/SettingsValue.h"
#include "settings/TextKind.h"

#include <array>

// The main window's own settings in the profile's settings file: every section,
// key and built-in default, in one place. Keys of type KeyName default to the
// current value of their object.
namespace MainSettings {

inline constexpr QLatin1String Quodlin("Quodlin");
inline constexpr QLatin1String AutoSave("AutoSave");
inline constexpr QLatin1String Sought("Sought");
inline constexpr QLatin1String Chat("Chat");
inline constexpr QLatin1String Boards("Boards");
inline constexpr QLatin1String Board("Board");

// Section "Quodlin"
inline constexpr BoolKey HideGameMessages{Quodlin, QLatin1String("HideGameMessages"), false};
inline constexpr BoolKey IgnoreThanks{Quodlin, QLatin1String("IgnoreThanks"), false};
inline constexpr BoolKey BoardsSeperated{Quodlin, QLatin1String("BoardsSeperated"), false};
inline constexpr IntKey Shout{Quodlin, QLatin1String("Shout"), 2};
inline constexpr IntKey Silence{Quodlin, QLatin1String("Silence"), 15};
inline constexpr BoolKey AutoFlag{Quodlin, QLatin1String("AutoFlag"), true};
inline constexpr BoolKey GameBar{Quodlin, QLatin1String("GameBar"), true};
inline constexpr BoolKey ToolBar{Quodlin, QLatin1String("ToolBar"), true};
inline constexpr KeyName BackColor{Quodlin, QLatin1String("BackColor")};
inline constexpr qint32 FirstRunBackColor =
    SettingsValue::systemColor(SettingsValue::SystemColorButtonFace);
inline constexpr BoolKey PopupTells{Quodlin, QLatin1String("PopupTells"), true};
inline constexpr BoolKey PopupSays{Quodlin, QLatin1String("PopupSays"), true};
inline constexpr BoolKey IncludeShoutsNew{Quodlin, QLatin1String("IncludeShoutsNew"), true};
inline constexpr BoolKey IncludeChannelTellsNew{Quodlin, QLatin1String("IncludeChannelTellsNew"),
                                                true};
inline constexpr BoolKey ChatEcho{Quodlin, QLatin1String("ChatEcho"), true};
inline constexpr BoolKey Open{Quodlin, QLatin1String("Open"), false};
inline constexpr BoolKey Silenced{Quodlin, QLatin1String("Silenced"), false};
inline constexpr StringKey Hello{Quodlin, QLatin1String("Hello"), QLatin1String("Hello.")};
inline constexpr StringKey GoodGame{Quodlin, QLatin1String("GoodGame"),
                                    QLatin1String("Good game.")};
inline constexpr BoolKey ManualPromotion{Quodlin, QLatin1String("ManualPromotion"), false};
inline constexpr BoolKey Maximized{Quodlin, QLatin1String("Maximized"), true};
inline constexpr KeyName Width{Quodlin, QLatin1String("Width")};
inline constexpr KeyName Height{Quodlin, QLatin1String("Height")};
inline constexpr KeyName Top{Quodlin, QLatin1String("Top")};
inline constexpr KeyName Left{Quodlin, QLatin1String("Left")};

struct Bounds
{
    qint32 left;
    qint32 top;
    qint32 right;
    qint32 bottom;

    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// Chat window bounds: Chat1 while no docked boards show, Chat2 while they do.
struct BoundsKeys
{
    KeyName left;
    KeyName right;
    KeyName top;
    KeyName bottom;
};
inline constexpr BoundsKeys Chat1Bounds{
    {Quodlin, QLatin1String("Chat1Left")}, {Quodlin, QLatin1String("Chat1Right")},
    {Quodlin, QLatin1String("Chat1Top")}, {Quodlin, QLatin1String("Chat1Bottom")}};
// Where the chat window first appears, before any bounds are stored.
inline constexpr Bounds BuiltInChatBounds{600, 100, 1000, 500};
inline constexpr BoundsKeys Chat2Bounds{
    {Quodlin, QLatin1String("Chat2Left")}, {Quodlin, QLatin1String("Chat2Right")},
    {Quodlin, QLatin1String("Chat2Top")}, {Quodlin, QLatin1String("Chat2Bottom")}};

// Section "AutoSave"
inline constexpr BoolKey QLFormat{AutoSave, QLatin1String("QLFormat"), false};
inline constexpr BoolKey PGNFormat{AutoSave, QLatin1String("PGNFormat"), false};
inline constexpr StringKey PGNFile{AutoSave, QLatin1String("PGNFile"),
                                   QLatin1String("Quodlin.pgn")};

// Section "Sought"
inline constexpr BoolKey UseGraph{Sought, QLatin1String("UseGraph"), true};
inline constexpr IntKey RatingsMin{Sought, QLatin1String("RatingsMin"), 750};
inline constexpr IntKey RatingsMax{Sought, QLatin1String("RatingsMax"), 2250};

// Sections "Chat" and "Boards"
inline constexpr BoolKey ChatStayOnTop{Chat, QLatin1String("StayOnTop"), true};
inline constexpr BoolKey ChatVisible{Chat, QLatin1String("Visible"), false};
inline constexpr BoolKey BoardsStayOnTop{Boards, QLatin1String("StayOnTop"), true};

// Sections "Board0".."Board3": bounds of the separate board windows, cascading.
inline constexpr int SeparateBoardCount = 4;
inline constexpr QLatin1String BoundsLeft("Left");
inline constexpr QLatin1String BoundsTop("Top");
inline constexpr QLatin1String BoundsRight("Right");
inline constexpr QLatin1String BoundsBottom("Bottom");
QString separateBoardSection(int index);
constexpr Bounds separateBoardDefault(int index)
{
    return {30 + 30 * index, 30 + 30 * index, 480 + 30 * index, 330 + 30 * index};
}

// Section "Board": board appearance. Colours default to the board control's own.
inline constexpr KeyName WPColor{Board, QLatin1String("WPColor")};
inline constexpr KeyName BPColor{Board, QLatin1String("BPColor")};
inline constexpr KeyName WSColor{Board, QLatin1String("WSColor")};
inline constexpr KeyName BSColor{Board, QLatin1String("BSColor")};
inline constexpr PercentKey Perspective{Board, QLatin1String("Perspective"), 55};
inline constexpr IntKey MoveSpeed{Board, QLatin1String("MoveSpeed"), 10};
inline constexpr BoolKey Board3DSingle{Board, QLatin1String("Board3D0"), true};
inline constexpr BoolKey Board3DMulti{Board, QLatin1String("Board3D1"), false};
inline constexpr IntKey PieceSetSingle{Board, QLatin1String("PieceSet0"), 0};
inline constexpr IntKey PieceSetMulti{Board, QLatin1String("PieceSet1"), 1};
inline constexpr BoolKey ShowMoveListSingle{Board, QLatin1String("ShowMoveList0"), true};
inline constexpr BoolKey ShowMoveListMulti{Board, QLatin1String("ShowMoveList1"), false};
inline constexpr BoolKey ShowCoordinates{Board, QLatin1String("ShowCoordinates"), false};
inline constexpr BoolKey ClickMove{Board, QLatin1String("ClickMove"), false};
// The boards' helpers: the last move outlined, a move made before one's turn kept.
inline constexpr BoolKey HighlightLastMove{Board, QLatin1String("HighlightLastMove"), true};
inline constexpr BoolKey Premoves{Board, QLatin1String("Premoves"), true};
// Share of the main window's height for the docked boards, by boards open - 1.
inline constexpr std::array<PercentKey, 4> BoardsShare{{{Board, QLatin1String("Y0"), 70},
                                                        {Board, QLatin1String("Y1"), 70},
                                                        {Board, QLatin1String("Y2"), 70},
                                                        {Board, QLatin1String("Y3"), 70}}};

// Sections "Font0".."Font12": one font per TextKind, in the kinds' order. Name
// and Size default to the terminal's current font.
QString kindFontSection(TextKind kind);
inline constexpr QLatin1String FontName("Name");
inline constexpr QLatin1String FontSize("Size");
inline constexpr QLatin1String FontColor("Color");
inline constexpr QLatin1String FontStyle("Style");
inline constexpr QLatin1String FirstRunFontName("Courier New");
inline constexpr int FirstRunFontSize = 8;

struct KindFontDefault
{
    qint32 color;
    // -1: keep the style of the terminal font the kind font was copied from.
    qint32 style;
};
inline constexpr std::array<KindFontDefault, TextKindCount> KindFontDefaults{{
    {SettingsValue::rgbColor(0x00, 0x00, 0x00), -1}, // Normal: black
    {SettingsValue::rgbColor(0x80, 0x00, 0x00), -1}, // Say: maroon
    {SettingsValue::rgbColor(0xFF, 0x00, 0x00), -1}, // Tell: red
    {SettingsValue::rgbColor(0x00, 0x00, 0x80), -1}, // Shout: navy
    {SettingsValue::rgbColor(0x00, 0x00, 0x80), -1}, // CShout: navy
    {SettingsValue::rgbColor(0x00, 0x80, 0x00), -1}, // Channel Tell: green
    {SettingsValue::rgbColor(0xFF, 0x00, 0x00), -1}, // PTell: red
    {SettingsValue::rgbColor(0x80, 0x00, 0x80), -1}, // Kibitz: purple
    {SettingsValue::rgbColor(0x00, 0x00, 0x80), SettingsValue::FontUnderline}, // Links: navy
    {SettingsValue::rgbColor(0x00, 0x00, 0x00), SettingsValue::FontBold},      // Commands
    {SettingsValue::rgbColor(0x80, 0x00, 0x00), -1}, // Requests: maroon
    {SettingsValue::rgbColor(0xFF, 0x00, 0x00), -1}, // Game Info: red
    {SettingsValue::rgbColor(0x80, 0x00, 0x80), -1}, // Notifications: purple
}};

// "Commands.txt": the command line's presets, in the current folder.
inline constexpr char CommandPresetsFile[] = "Commands.txt";

} // namespace MainSettings
