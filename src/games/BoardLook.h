#pragma once

#include <QtGlobal>
#include <array>

struct MainSettingsRecord;

// How a board control looks and takes moves: what the board properties dialog previews on
// the first board, puts back when cancelled, and what every board takes from the settings.
// Colours are settings values (0x00BBGGRR) in the order of the dialog's colour panels.
struct BoardLook
{
    enum Colour
    {
        LightSquares,
        DarkSquares,
        WhitePieces,
        BlackPieces,
        ColourCount
    };
    using Colours = std::array<qint32, ColourCount>;

    Colours colours{};
    float perspective = 0.55f;
    int moveSpeed = 10;
    bool threeD = true;
    int pieceSet = 0;
    bool clickMove = false;
    bool coordinates = false;

    // The look stored in the settings, for one board open or several.
    static BoardLook fromRecord(const MainSettingsRecord& record, bool severalBoards);
    static Colours coloursOf(const MainSettingsRecord& record);

    // The perspective as the dialog shows it: 0.65 is 65.
    static int perspectivePercent(float perspective);
    static float perspectiveFromPercent(int percent);

    bool operator==(const BoardLook&) const = default;
};
