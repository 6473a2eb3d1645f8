#pragma once

#include "games/BoardLook.h"

#include <array>

struct MainSettingsRecord;

// The choices of the board properties dialog. The look of the edited board (the first
// one) follows every change at once; the 3D flag and piece set exist twice, for one board
// open and for several, and only the profile of the boards open now reaches the board.
// The move lists and the switches take effect when the choice is confirmed.
class BoardProperties
{
public:
    enum Profile
    {
        SingleBoard,
        MultipleBoards
    };

    struct ProfileChoice
    {
        bool threeD = true;
        int pieceSet = 0;
        bool moveList = true;
    };

    struct Switches
    {
        bool manualPromotion = false;
        bool highlightLastMove = true;
        bool premoves = true;
    };

    // From the stored settings and the look the edited board has now.
    BoardProperties(const MainSettingsRecord& record, bool severalBoards, const BoardLook& edited);

    Profile currentProfile() const { return m_current; }
    // What to put back on the edited board when the dialog is cancelled.
    const BoardLook& remembered() const { return m_remembered; }
    const BoardLook& look() const { return m_look; }
    const ProfileChoice& profile(Profile which) const { return m_profiles[which]; }
    const Switches& switches() const { return m_switches; }
    // The perspective only matters to a board drawn in 3D.
    bool perspectiveEnabled() const { return m_look.threeD; }
    // Whether the first board shows its move list once the choice is confirmed.
    bool moveListShown() const { return m_profiles[m_current].moveList; }

    void setColour(BoardLook::Colour which, qint32 colour);
    void applyTheme(int theme); // an index of BoardThemes::all(); others are ignored
    void setPerspectivePercent(int percent);
    void setMoveSpeed(int speed);
    void setDrag(bool drag);
    void setCoordinates(bool on);
    void setThreeD(Profile which, bool on);
    void setPieceSet(Profile which, int index); // below 0 (nothing chosen) is ignored
    void setMoveList(Profile which, bool shown);
    Switches& switches() { return m_switches; }

    // The confirmed choice into the settings record.
    void store(MainSettingsRecord& record) const;

private:
    Profile m_current;
    BoardLook m_remembered;
    BoardLook m_look;
    std::array<ProfileChoice, 2> m_profiles;
    Switches m_switches;
};
