#include "games/ui/TfrmBoardProperties.h"

#include "games/BoardProperties.h"
#include "games/BoardThemes.h"
#include "games/PieceSetCatalog.h"
#include "games/ui/BoardLookOnControl.h"
#include "games/ui/TChessBoard.h"
#include "widgets/ControlHint.h"
#include "widgets/NamedButton.h"
#include "widgets/SettingsColour.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The hourglass while a board is drawn again, which takes a moment on a large board.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A theme's button shows its squares and pieces in a small swatch.
QIcon themeSwatch(const BoardLook::Colours& colours)
{
    using SettingsColour::toColor;
    QPixmap swatch(32, 16);
    QPainter painter(&swatch);
    painter.fillRect(0, 0, 8, 16, toColor(colours[BoardLook::LightSquares]));
    painter.fillRect(8, 0, 8, 16, toColor(colours[BoardLook::DarkSquares]));
    painter.fillRect(16, 0, 8, 16, toColor(colours[BoardLook::WhitePieces]));
    painter.fillRect(24, 0, 8, 16, toColor(colours[BoardLook::BlackPieces]));
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

BoardProperties::Profile profileOf(int tag)
{
    return tag == 0 ? BoardProperties::SingleBoard : BoardProperties::MultipleBoards;
}

} // namespace

TfrmBoardProperties::TfrmBoardProperties(BoardProperties& choice, TChessBoard& board,
                                         QWidget* parent)
    : QDialog(parent), m_choice(choice), m_board(board)
{
    setObjectName(QStringLiteral("frmBoardProperties"));
    setWindowTitle(QStringLiteral("Board Properties"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildColours());
    auto* profiles = new QHBoxLayout;
    profiles->addWidget(buildProfile(0, QStringLiteral("Single Board")));
    profiles->addWidget(buildProfile(1, QStringLiteral("Multiple Boards")));
    layout->addLayout(profiles);
    layout->addWidget(buildOptions());
    auto* buttons = new QHBoxLayout;
    btnOK = namedButton(this, QStringLiteral("btnOK"), QStringLiteral("OK"), QString());
    btnCancel = namedButton(this, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), QString());
    btnOK->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    fill();
    connectControls();
}

QGroupBox* TfrmBoardProperties::buildColours()
{
    auto* group = new QGroupBox(QStringLiteral("Colours"), this);
    auto* grid = new QGridLayout(group);
    const std::array<std::pair<const char*, const char*>, BoardLook::ColourCount> panels{{
        {"pnlWSColor", "White Squares "},
        {"pnlBSColor", "Black Squares "},
        {"pnlWPColor", "White Pieces "},
        {"pnlBPColor", "Black Pieces"},
    }};
    for (int tag = 0; tag < BoardLook::ColourCount; ++tag) {
        auto* panel = new QPushButton(group);
        panel->setObjectName(QLatin1String(panels[tag].first));
        panel->setFixedSize(56, 24);
        panel->setProperty("tag", tag);
        ControlHint::apply(panel, QStringLiteral("Click to choose the colour"));
        colourPanels[tag] = panel;
        auto* label = new QLabel(QLatin1String(panels[tag].second), group);
        label->setBuddy(panel);
        grid->addWidget(label, tag / 2, (tag % 2) * 2);
        grid->addWidget(panel, tag / 2, (tag % 2) * 2 + 1);
    }
    pnlWSColor = colourPanels[BoardLook::LightSquares];
    pnlBSColor = colourPanels[BoardLook::DarkSquares];
    pnlWPColor = colourPanels[BoardLook::WhitePieces];
    pnlBPColor = colourPanels[BoardLook::BlackPieces];

    auto* themes = new QHBoxLayout;
    themes->addWidget(new QLabel(QStringLiteral("Themes:"), group));
    const QList<BoardTheme>& all = BoardThemes::all();
    for (qsizetype i = 0; i < all.size(); ++i) {
        auto* button = new QPushButton(themeSwatch(all.at(i).colours), all.at(i).name, group);
        button->setObjectName(QStringLiteral("btnTheme%1").arg(i));
        button->setCheckable(true);
        button->setAutoDefault(false);
        ControlHint::apply(button, QStringLiteral("Colour the squares and pieces like this"));
        themeButtons << button;
        themes->addWidget(button);
    }
    themes->addStretch();
    grid->addLayout(themes, 2, 0, 1, 4);
    return group;
}

QGroupBox* TfrmBoardProperties::buildProfile(int profile, const QString& title)
{
    auto* group = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(group);
    auto* threeD = new QCheckBox(QStringLiteral("3D Board"), group);
    auto* pieceSet = new QComboBox(group);
    auto* moveList = new QCheckBox(QStringLiteral("Show Move List"), group);
    for (int set = 0; set < PieceSetCatalog::Count; ++set)
        pieceSet->addItem(QLatin1String(PieceSetCatalog::info(set).name));
    for (QWidget* control : std::initializer_list<QWidget*>{threeD, pieceSet, moveList}) {
        control->setProperty("tag", profile);
        layout->addWidget(control);
    }
    threeD->setObjectName(profile == 0 ? QStringLiteral("chk3d")
                                       : QStringLiteral("chkMulti3dBoard"));
    pieceSet->setObjectName(profile == 0 ? QStringLiteral("cmbPieceSet")
                                         : QStringLiteral("cmbMultiPieceSet"));
    moveList->setObjectName(profile == 0 ? QStringLiteral("chkMoveList")
                                         : QStringLiteral("chkMultiMoveList"));
    (profile == 0 ? chk3d : chkMulti3dBoard) = threeD;
    (profile == 0 ? cmbPieceSet : cmbMultiPieceSet) = pieceSet;
    (profile == 0 ? chkMoveList : chkMultiMoveList) = moveList;
    return group;
}

QWidget* TfrmBoardProperties::buildOptions()
{
    auto* box = new QWidget(this);
    auto* columns = new QHBoxLayout(box);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* spins = new QFormLayout;
    spnSpeed = new QSpinBox(box);
    spnSpeed->setObjectName(QStringLiteral("spnSpeed"));
    spnSpeed->setRange(0, 20);
    spnPerspective = new QSpinBox(box);
    spnPerspective->setObjectName(QStringLiteral("spnPerspective"));
    spnPerspective->setRange(0, 100);
    spnPerspective->setSingleStep(5);
    // Only the arrows change it: every value it shows is a step of five.
    spnPerspective->findChild<QLineEdit*>()->setReadOnly(true);
    spins->addRow(QStringLiteral("Move Speed"), spnSpeed);
    spins->addRow(QStringLiteral("Perspective %"), spnPerspective);
    columns->addLayout(spins);

    auto* checks = new QGridLayout;
    const auto check = [box](const char* name, const char* caption) {
        auto* control = new QCheckBox(QLatin1String(caption), box);
        control->setObjectName(QLatin1String(name));
        return control;
    };
    chkDrag = check("chkDrag", "Drag Pieces");
    chkManualPromotion = check("chkManualPromotion", "Manual Promotion");
    chkCoordinates = check("chkCoordinates", "Show Coordinates");
    chkHighlightLastMove = check("chkHighlightLastMove", "Highlight Last Move");
    chkPremoves = check("chkPremoves", "Premoves");
    ControlHint::apply(chkPremoves, QStringLiteral("A move made before your turn is sent "
                                                   "when the opponent has moved"));
    checks->addWidget(chkDrag, 0, 0);
    checks->addWidget(chkManualPromotion, 1, 0);
    checks->addWidget(chkCoordinates, 2, 0);
    checks->addWidget(chkHighlightLastMove, 0, 1);
    checks->addWidget(chkPremoves, 1, 1);
    columns->addLayout(checks);
    return box;
}

void TfrmBoardProperties::fill()
{
    const BoardLook& look = m_choice.look();
    for (auto [profile, threeD, pieceSet, moveList] :
         {std::tuple{BoardProperties::SingleBoard, chk3d, cmbPieceSet, chkMoveList},
          std::tuple{BoardProperties::MultipleBoards, chkMulti3dBoard, cmbMultiPieceSet,
                     chkMultiMoveList}}) {
        const BoardProperties::ProfileChoice& choice = m_choice.profile(profile);
        threeD->setChecked(choice.threeD);
        // A stored index outside the list leaves nothing chosen.
        pieceSet->setCurrentIndex(PieceSetCatalog::isValidIndex(choice.pieceSet) ? choice.pieceSet
                                                                                 : -1);
        moveList->setChecked(choice.moveList);
    }
    spnSpeed->setValue(look.moveSpeed);
    spnPerspective->setValue(BoardLook::perspectivePercent(look.perspective));
    chkDrag->setChecked(!look.clickMove);
    chkCoordinates->setChecked(look.coordinates);
    const BoardProperties::Switches& switches = m_choice.switches();
    chkManualPromotion->setChecked(switches.manualPromotion);
    chkHighlightLastMove->setChecked(switches.highlightLastMove);
    chkPremoves->setChecked(switches.premoves);
    paintPanels();
    spnPerspective->setEnabled(m_choice.perspectiveEnabled());
}

void TfrmBoardProperties::connectControls()
{
    for (int tag = 0; tag < BoardLook::ColourCount; ++tag) {
        connect(colourPanels[tag], &QPushButton::clicked, this,
                [this, tag] { chooseColour(BoardLook::Colour(tag)); });
    }
    for (qsizetype i = 0; i < themeButtons.size(); ++i)
        connect(themeButtons[i], &QPushButton::clicked, this, [this, i] { applyTheme(int(i)); });
    connect(spnPerspective, &QSpinBox::valueChanged, this, [this](int value) {
        m_choice.setPerspectivePercent(value);
        const WaitCursor hourglass;
        preview();
    });
    connect(spnSpeed, &QSpinBox::valueChanged, this, [this](int value) {
        m_choice.setMoveSpeed(value);
        preview();
    });
    for (QCheckBox* box : {chk3d, chkMulti3dBoard}) {
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            m_choice.setThreeD(profileOf(box->property("tag").toInt()), on);
            preview();
        });
    }
    for (QComboBox* list : {cmbPieceSet, cmbMultiPieceSet}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, list](int index) {
            m_choice.setPieceSet(profileOf(list->property("tag").toInt()), index);
            preview();
        });
    }
    for (QCheckBox* box : {chkMoveList, chkMultiMoveList}) {
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            m_choice.setMoveList(profileOf(box->property("tag").toInt()), on);
        });
    }
    connect(chkDrag, &QCheckBox::toggled, this, [this](bool on) {
        m_choice.setDrag(on);
        preview();
    });
    connect(chkCoordinates, &QCheckBox::toggled, this, [this](bool on) {
        m_choice.setCoordinates(on);
        preview();
    });
    connect(chkManualPromotion, &QCheckBox::toggled, this,
            [this](bool on) { m_choice.switches().manualPromotion = on; });
    connect(chkHighlightLastMove, &QCheckBox::toggled, this,
            [this](bool on) { m_choice.switches().highlightLastMove = on; });
    connect(chkPremoves, &QCheckBox::toggled, this,
            [this](bool on) { m_choice.switches().premoves = on; });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmBoardProperties::Execute()
{
    {
        const WaitCursor hourglass;
        m_board.FullRebuild();
    }
    const bool confirmed = exec() == QDialog::Accepted;
    const WaitCursor hourglass;
    if (!confirmed)
        BoardLookOnControl::applyLook(m_board, m_choice.remembered());
    m_board.FullRebuild();
    return confirmed;
}

void TfrmBoardProperties::chooseColour(BoardLook::Colour which)
{
    const QColor start = SettingsColour::toColor(m_choice.look().colours[which]);
    const QColor chosen =
        QColorDialog::getColor(start, this, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return;
    m_choice.setColour(which, SettingsColour::fromColor(chosen));
    preview();
}

void TfrmBoardProperties::applyTheme(int theme)
{
    m_choice.applyTheme(theme);
    preview();
}

void TfrmBoardProperties::preview()
{
    BoardLookOnControl::applyLook(m_board, m_choice.look());
    paintPanels();
    spnPerspective->setEnabled(m_choice.perspectiveEnabled());
}

void TfrmBoardProperties::paintPanels()
{
    const BoardLook::Colours& colours = m_choice.look().colours;
    for (int tag = 0; tag < BoardLook::ColourCount; ++tag) {
        const QColor colour = SettingsColour::toColor(colours[tag]);
        colourPanels[tag]->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }")
                .arg(colour.name()));
    }
    const int theme = BoardThemes::indexOf(colours);
    for (qsizetype i = 0; i < themeButtons.size(); ++i)
        themeButtons[i]->setChecked(i == theme);
}
