#include "games/ui/BoardLookOnControl.h"

#include "games/ui/TChessBoard.h"
#include "widgets/SettingsColour.h"

namespace BoardLookOnControl {

BoardLook lookOf(const TChessBoard& board)
{
    using SettingsColour::fromColor;
    BoardLook look;
    look.colours = {fromColor(board.WSColor()), fromColor(board.BSColor()),
                    fromColor(board.WPColor()), fromColor(board.BPColor())};
    look.perspective = board.Perspective();
    look.moveSpeed = board.MoveSpeed();
    look.threeD = board.f3d();
    look.pieceSet = board.PieceSet();
    look.clickMove = board.ClickMove();
    look.coordinates = board.Coordinates();
    return look;
}

void applyLook(TChessBoard& board, const BoardLook& look)
{
    using SettingsColour::toColor;
    const BoardLook before = lookOf(board);
    board.setWSColor(toColor(look.colours[BoardLook::LightSquares]));
    board.setBSColor(toColor(look.colours[BoardLook::DarkSquares]));
    board.setWPColor(toColor(look.colours[BoardLook::WhitePieces]));
    board.setBPColor(toColor(look.colours[BoardLook::BlackPieces]));
    board.setPerspective(look.perspective);
    board.setMoveSpeed(look.moveSpeed);
    board.setClickMove(look.clickMove);
    board.setCoordinates(look.coordinates);
    // Both redraw the board themselves when they change, with the values set above.
    board.setF3d(look.threeD);
    board.setPieceSet(look.pieceSet);
    const BoardLook now = lookOf(board);
    const bool rebuilt = now.threeD != before.threeD || now.pieceSet != before.pieceSet;
    if (!rebuilt && (now.colours != before.colours || now.coordinates != before.coordinates))
        board.FullRebuild();
}

} // namespace BoardLookOnControl
