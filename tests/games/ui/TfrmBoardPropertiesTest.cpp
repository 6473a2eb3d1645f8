#include "games/ui/TfrmBoardProperties.h"
#include "games/BoardLayout.h"
#include "games/BoardLook.h"
#include "games/BoardProperties.h"
#include "games/BoardThemes.h"
#include "games/ui/BoardLookOnControl.h"
#include "games/ui/SharedPieceState.h"
#include "games/ui/TChessBoard.h"
#include "settings/MainSettingsRecord.h"
#include "support/ModalAnswer.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(BoardLook)

namespace {

// What the user does to a named control: a click, one step down, or the fourth item.
void operate(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        spin->stepDown();
    else if (auto* list = qobject_cast<QComboBox*>(control))
        list->setCurrentIndex(3);
    else
        QFAIL("no such control");
}

} // namespace

class TfrmBoardPropertiesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void dialogShowsTheStoredChoice();
    void changeShowsOnTheBoardAtOnce_data();
    void changeShowsOnTheBoardAtOnce();
    void perspectiveStepsByFive();
    void flatBoardHasNoPerspective();
    void everyPerspectiveOfferedDrawsTheBoard_data();
    void everyPerspectiveOfferedDrawsTheBoard();
    void colourPanelOpensTheChooser();
    void cancelPutsTheBoardBack_data();
    void cancelPutsTheBoardBack();

private:
    BoardLook storedLook() const { return BoardLook::fromRecord(m_record, false); }

    MainSettingsRecord m_record;
    std::unique_ptr<TChessBoard> m_board;
    std::unique_ptr<BoardProperties> m_choice;
    std::unique_ptr<TfrmBoardProperties> m_dialog;
};

void TfrmBoardPropertiesTest::init()
{
    m_record = MainSettingsRecord{};
    m_board = std::make_unique<TChessBoard>();
    m_board->resize(320, 320);
    m_board->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_board.get()));
    BoardLookOnControl::applyLook(*m_board, storedLook());
    m_choice =
        std::make_unique<BoardProperties>(m_record, false, BoardLookOnControl::lookOf(*m_board));
    m_dialog = std::make_unique<TfrmBoardProperties>(*m_choice, *m_board);
}

void TfrmBoardPropertiesTest::cleanup()
{
    m_dialog.reset();
    m_choice.reset();
    m_board.reset();
}

void TfrmBoardPropertiesTest::dialogShowsTheStoredChoice()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Board Properties"));
    QVERIFY(m_dialog->chk3d->isChecked());
    QVERIFY(!m_dialog->chkMulti3dBoard->isChecked());
    QCOMPARE(m_dialog->cmbPieceSet->currentText(), QStringLiteral("3d Set"));
    QCOMPARE(m_dialog->cmbMultiPieceSet->currentIndex(), 1);
    QCOMPARE(m_dialog->cmbPieceSet->count(), 18);
    QCOMPARE(m_dialog->cmbPieceSet->itemText(17), QStringLiteral("WUSCF"));
    QVERIFY(m_dialog->chkMoveList->isChecked());
    QVERIFY(!m_dialog->chkMultiMoveList->isChecked());
    QCOMPARE(m_dialog->spnSpeed->value(), 10);
    QCOMPARE(m_dialog->spnPerspective->value(), 55);
    QVERIFY(m_dialog->chkDrag->isChecked());
    QVERIFY(!m_dialog->chkCoordinates->isChecked());
    QVERIFY(!m_dialog->chkManualPromotion->isChecked());
    QVERIFY(m_dialog->chkHighlightLastMove->isChecked());
    QVERIFY(m_dialog->chkPremoves->isChecked());
    QVERIFY(m_dialog->themeButtons.first()->isChecked());
    QCOMPARE(m_dialog->themeButtons.first()->text(), QStringLiteral("Classic"));
}

void TfrmBoardPropertiesTest::changeShowsOnTheBoardAtOnce_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<BoardLook>("expected");
    const BoardLook stored = BoardLook::fromRecord(MainSettingsRecord{}, false);
    const auto with = [&stored](auto change) {
        BoardLook look = stored;
        change(look);
        return look;
    };
    QTest::newRow("a theme fills the four colours")
        << "btnTheme1" << with([](BoardLook& l) { l.colours = BoardThemes::all().at(1).colours; });
    QTest::newRow("perspective one step down")
        << "spnPerspective" << with([](BoardLook& l) { l.perspective = 0.50f; });
    QTest::newRow("move speed one step down")
        << "spnSpeed" << with([](BoardLook& l) { l.moveSpeed = 9; });
    QTest::newRow("the 3D box of the boards open turns the board flat")
        << "chk3d" << with([](BoardLook& l) { l.threeD = false; });
    QTest::newRow("the 3D box of several boards changes nothing while one is open")
        << "chkMulti3dBoard" << stored;
    QTest::newRow("a piece set of the list")
        << "cmbPieceSet" << with([](BoardLook& l) { l.pieceSet = 3; });
    QTest::newRow("the piece set of several boards changes nothing while one is open")
        << "cmbMultiPieceSet" << stored;
    QTest::newRow("no dragging means click-move")
        << "chkDrag" << with([](BoardLook& l) { l.clickMove = true; });
    QTest::newRow("coordinates") << "chkCoordinates"
                                 << with([](BoardLook& l) { l.coordinates = true; });
    QTest::newRow("the move list waits for OK") << "chkMoveList" << stored;
    QTest::newRow("manual promotion waits for OK") << "chkManualPromotion" << stored;
}

void TfrmBoardPropertiesTest::changeShowsOnTheBoardAtOnce()
{
    QFETCH(QString, control);
    QFETCH(BoardLook, expected);
    operate(m_dialog->findChild<QWidget*>(control));
    QCOMPARE(BoardLookOnControl::lookOf(*m_board), expected);
    QCOMPARE(m_choice->look(), expected);
}

void TfrmBoardPropertiesTest::perspectiveStepsByFive()
{
    m_board->setPerspective(0.65f);
    BoardProperties choice(m_record, false, BoardLookOnControl::lookOf(*m_board));
    TfrmBoardProperties dialog(choice, *m_board);
    QCOMPARE(dialog.spnPerspective->value(), 65);
    dialog.spnPerspective->stepDown();
    QCOMPARE(m_board->Perspective(), 0.60f);
}

void TfrmBoardPropertiesTest::flatBoardHasNoPerspective()
{
    QVERIFY(m_dialog->spnPerspective->isEnabled());
    m_dialog->chkMulti3dBoard->click();
    QVERIFY(m_dialog->spnPerspective->isEnabled());
    m_dialog->chk3d->click();
    QVERIFY(!m_dialog->spnPerspective->isEnabled());
    QVERIFY(!m_board->f3d());
    m_dialog->chk3d->click();
    QVERIFY(m_dialog->spnPerspective->isEnabled());
    QVERIFY(m_board->f3d());
}

void TfrmBoardPropertiesTest::everyPerspectiveOfferedDrawsTheBoard_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("the lowest: the far rank shrinks to a point") << 0;
    QTest::newRow("the highest: no narrowing at all") << 100;
}

void TfrmBoardPropertiesTest::everyPerspectiveOfferedDrawsTheBoard()
{
    QFETCH(int, percent);
    m_dialog->spnPerspective->setValue(percent);
    QCOMPARE(m_board->Perspective(), float(percent) / 100.0f);
    m_board->repaint();
    const BoardLayout& layout = m_board->layout();
    const int height = qRound(m_board->height() * m_board->devicePixelRatioF());
    QVERIFY(layout.rowTop(0) >= 0);
    QVERIFY(layout.rowTop(8) <= height);
    for (int row = 0; row < 8; ++row)
        QVERIFY2(layout.rowTop(row + 1) > layout.rowTop(row), qPrintable(QString::number(row)));
}

void TfrmBoardPropertiesTest::colourPanelOpensTheChooser()
{
    const QColor chosen(12, 34, 56);
    bool chooserShown = false;
    answerNextModal(this, [&](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        chooserShown = chooser && chooser->currentColor() == QColor(143, 143, 143);
        if (chooser) {
            chooser->setCurrentColor(chosen);
            chooser->accept();
        }
    });
    m_dialog->pnlBSColor->click();
    QVERIFY(chooserShown);
    QCOMPARE(m_board->BSColor(), chosen);
    QCOMPARE(m_board->WSColor(), QColor(224, 164, 164));
    QVERIFY(m_dialog->pnlBSColor->styleSheet().contains(chosen.name()));
    // Colours of one's own are no theme.
    QVERIFY(!m_dialog->themeButtons.first()->isChecked());
}

void TfrmBoardPropertiesTest::cancelPutsTheBoardBack_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancelled: the board as it was") << false;
    QTest::newRow("confirmed: the board as chosen") << true;
}

void TfrmBoardPropertiesTest::cancelPutsTheBoardBack()
{
    QFETCH(bool, confirm);
    const BoardLook before = BoardLookOnControl::lookOf(*m_board);
    BoardLook shown;
    answerNextModal(this, [&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmBoardProperties*>(modal);
        if (!dialog)
            return;
        for (QWidget* control : std::initializer_list<QWidget*>{
                 dialog->themeButtons.at(2), dialog->spnPerspective, dialog->spnSpeed,
                 dialog->cmbPieceSet, dialog->chkDrag, dialog->chkCoordinates, dialog->chk3d})
            operate(control);
        shown = BoardLookOnControl::lookOf(*m_board);
        (confirm ? dialog->btnOK : dialog->btnCancel)->click();
    });
    QCOMPARE(m_dialog->Execute(), confirm);
    QVERIFY(shown != before);
    QCOMPARE(shown, m_choice->look());
    QCOMPARE(BoardLookOnControl::lookOf(*m_board), confirm ? shown : before);
    QCOMPARE(SharedPieceState::instance().colour(BoardColour::DarkSquares),
             confirm ? QColor(110, 146, 186) : QColor(143, 143, 143));
}

QTEST_MAIN(TfrmBoardPropertiesTest)
#include "TfrmBoardPropertiesTest.moc"
