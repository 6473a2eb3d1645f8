#include "games/BoardProperties.h"

#include "games/BoardThemes.h"
#include "settings/MainSettingsRecord.h"

BoardProperties::BoardProperties(const MainSettingsRecord& record, bool severalBoards,
                                 const BoardLook& edited)
    : m_current(severalBoards ? MultipleBoards : SingleBoard), m_remembered(edited),
      m_look(edited), m_profiles{ProfileChoice{record.board3DSingle, record.pieceSetSingle,
                                               record.showMoveListSingle},
                                 ProfileChoice{record.board3DMulti, record.pieceSetMulti,
                                               record.showMoveListMulti}},
      m_switches{record.manualPromotion, record.highlightLastMove, record.premoves}
{
}

void BoardProperties::setColour(BoardLook::Colour which, qint32 colour)
{
    if (which >= 0 && which < BoardLook::ColourCount)
        m_look.colours[which] = colour;
}

void BoardProperties::applyTheme(int theme)
{
    const QList<BoardTheme>& themes = BoardThemes::all();
    if (theme >= 0 && theme < themes.size())
        m_look.colours = themes.at(theme).colours;
}

void BoardProperties::setPerspectivePercent(int percent)
{
    m_look.perspective = BoardLook::perspectiveFromPercent(qBound(0, percent, 100));
}

void BoardProperties::setMoveSpeed(int speed)
{
    m_look.moveSpeed = speed;
}

void BoardProperties::setDrag(bool drag)
{
    m_look.clickMove = !drag;
}

void BoardProperties::setCoordinates(bool on)
{
    m_look.coordinates = on;
}

void BoardProperties::setThreeD(Profile which, bool on)
{
    m_profiles[which].threeD = on;
    if (which == m_current)
        m_look.threeD = on;
}

void BoardProperties::setPieceSet(Profile which, int index)
{
    if (index < 0)
        return;
    m_profiles[which].pieceSet = index;
    if (which == m_current)
        m_look.pieceSet = index;
}

void BoardProperties::setMoveList(Profile which, bool shown)
{
    m_profiles[which].moveList = shown;
}

void BoardProperties::store(MainSettingsRecord& record) const
{
    record.wsColor = m_look.colours[BoardLook::LightSquares];
    record.bsColor = m_look.colours[BoardLook::DarkSquares];
    record.wpColor = m_look.colours[BoardLook::WhitePieces];
    record.bpColor = m_look.colours[BoardLook::BlackPieces];
    record.perspective = m_look.perspective;
    record.moveSpeed = m_look.moveSpeed;
    record.clickMove = m_look.clickMove;
    record.showCoordinates = m_look.coordinates;
    const ProfileChoice& single = m_profiles[SingleBoard];
    const ProfileChoice& multi = m_profiles[MultipleBoards];
    record.board3DSingle = single.threeD;
    record.board3DMulti = multi.threeD;
    record.pieceSetSingle = single.pieceSet;
    record.pieceSetMulti = multi.pieceSet;
    record.showMoveListSingle = single.moveList;
    record.showMoveListMulti = multi.moveList;
    record.manualPromotion = m_switches.manualPromotion;
    record.highlightLastMove = m_switches.highlightLastMove;
    record.premoves = m_switches.premoves;
}
