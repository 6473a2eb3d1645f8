#include "games/BoardLook.h"

#include "settings/MainSettingsRecord.h"

#include <cmath>

BoardLook BoardLook::fromRecord(const MainSettingsRecord& record, bool severalBoards)
{
    BoardLook look;
    look.colours = coloursOf(record);
    look.perspective = record.perspective;
    look.moveSpeed = record.moveSpeed;
    look.threeD = severalBoards ? record.board3DMulti : record.board3DSingle;
    look.pieceSet = severalBoards ? record.pieceSetMulti : record.pieceSetSingle;
    look.clickMove = record.clickMove;
    look.coordinates = record.showCoordinates;
    return look;
}

BoardLook::Colours BoardLook::coloursOf(const MainSettingsRecord& record)
{
    return {record.wsColor, record.bsColor, record.wpColor, record.bpColor};
}

int BoardLook::perspectivePercent(float perspective)
{
    return int(std::lround(double(perspective) * 100.0));
}

float BoardLook::perspectiveFromPercent(int percent)
{
    return float(percent) / 100.0f;
}
