#pragma once

#include "games/BoardLook.h"

#include <QDialog>
#include <array>

class BoardProperties;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class TChessBoard;

// The board properties dialog: colours (one by one or a whole theme), move speed,
// perspective, the 3D flag, piece set and move list for one board open and for several,
// and the input switches. Every change of the look shows on the edited board at once;
// a cancelled dialog puts that board back as it was. The choice itself lives in a
// BoardProperties, which the caller stores when the dialog is confirmed.
class TfrmBoardProperties : public QDialog
{
    Q_OBJECT

public:
    TfrmBoardProperties(BoardProperties& choice, TChessBoard& board, QWidget* parent = nullptr);

    // Shows the dialog modally: true on OK; on Cancel (or closing) the board is put back.
    bool Execute();

    // Controls with given names; the colour panels in the order of BoardLook::Colour.
    std::array<QPushButton*, BoardLook::ColourCount> colourPanels{};
    QPushButton* pnlWSColor = nullptr;
    QPushButton* pnlBSColor = nullptr;
    QPushButton* pnlWPColor = nullptr;
    QPushButton* pnlBPColor = nullptr;
    QList<QPushButton*> themeButtons;
    QSpinBox* spnSpeed = nullptr;
    QSpinBox* spnPerspective = nullptr;
    QCheckBox* chk3d = nullptr;
    QCheckBox* chkMulti3dBoard = nullptr;
    QComboBox* cmbPieceSet = nullptr;
    QComboBox* cmbMultiPieceSet = nullptr;
    QCheckBox* chkMoveList = nullptr;
    QCheckBox* chkMultiMoveList = nullptr;
    QCheckBox* chkDrag = nullptr;
    QCheckBox* chkManualPromotion = nullptr;
    QCheckBox* chkCoordinates = nullptr;
    QCheckBox* chkHighlightLastMove = nullptr;
    QCheckBox* chkPremoves = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    QGroupBox* buildColours();
    QGroupBox* buildProfile(int profile, const QString& title);
    QWidget* buildOptions();
    void fill();
    void connectControls();
    void chooseColour(BoardLook::Colour which);
    void applyTheme(int theme);
    // Puts the choice's look on the board and shows it in the dependent controls.
    void preview();
    void paintPanels();

    BoardProperties& m_choice;
    TChessBoard& m_board;
};
