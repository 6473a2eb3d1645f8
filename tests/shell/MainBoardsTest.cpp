// The board properties as the running client offers them: a real main window (offscreen)
// with boards opened by style 12 lines, its Settings menu and the boards' popup menus.
#include "shell/MainBoards.h"
#include "games/BoardLook.h"
#include "games/BoardManager.h"
#include "games/BoardThemes.h"
#include "games/ui/BoardLookOnControl.h"
#include "games/ui/TChessBoard.h"
#include "games/ui/TfrmBoard.h"
#include "games/ui/TfrmBoardProperties.h"
#include "settings/SettingsFile.h"
#include "shell/MainMenus.h"
#include "shell/TfrmMainChess.h"
#include "support/ModalAnswer.h"
#include "support/Style12Lines.h"
#include "support/ui/LoggedInWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <functional>
#include <memory>

class MainBoardsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void openedFromTheMenuAndEveryBoardsPopup_data();
    void openedFromTheMenuAndEveryBoardsPopup();
    void cancelRestoresEveryBoard();
    void okStoresAndEveryBoardTakesIt();
    void severalBoardsChoiceWaitsForTheSecondBoard();

private:
    TfrmBoard* board(int slot) const { return m_session->window().boards().boardWindow(slot); }
    BoardLook lookOf(int slot) const { return BoardLookOnControl::lookOf(*board(slot)->chsBoard); }
    bool startWithTwoGames();
    // Opens the dialog from the Settings menu and lets `steps` work it before `finish`.
    bool runDialog(const std::function<void(TfrmBoardProperties&)>& steps, bool confirm);
    SettingsFile settings() const { return SettingsFile(m_session->filePath("Default.ini")); }

    std::unique_ptr<LoggedInWindow> m_session;
};

void MainBoardsTest::init()
{
    m_session = std::make_unique<LoggedInWindow>();
    QVERIFY(m_session->isReady());
}

void MainBoardsTest::cleanup()
{
    m_session.reset();
}

bool MainBoardsTest::startWithTwoGames()
{
    if (!m_session->startWindow(QSize(1100, 800)))
        return false;
    BoardManager& manager = m_session->window().boards().manager();
    manager.style12Line(Style12Line::openingPly(1, 1).text());
    manager.style12Line(Style12Line::openingPly(1, 2).text());
    if (manager.LastIndex() != 1)
        return false;
    for (int slot = 0; slot < 2; ++slot)
        board(slot)->renderNow();
    return true;
}

bool MainBoardsTest::runDialog(const std::function<void(TfrmBoardProperties&)>& steps, bool confirm)
{
    bool answered = false;
    answerNextModal(this, [&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmBoardProperties*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        steps(*dialog);
        answered = true;
        (confirm ? dialog->btnOK : dialog->btnCancel)->click();
    });
    m_session->window().menus.mnuBoardProperties->trigger();
    return answered;
}

void MainBoardsTest::openedFromTheMenuAndEveryBoardsPopup_data()
{
    QTest::addColumn<int>("popupOf"); // -1: the Settings menu
    QTest::newRow("Settings > Boards") << -1;
    QTest::newRow("the first board's popup") << 0;
    QTest::newRow("the second board's popup") << 1;
}

void MainBoardsTest::openedFromTheMenuAndEveryBoardsPopup()
{
    QFETCH(int, popupOf);
    QVERIFY(startWithTwoGames());
    QAction* item = m_session->window().menus.mnuBoardProperties;
    QCOMPARE(item->text(), QStringLiteral("&Boards"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F12));
    QVERIFY(item->isEnabled());
    if (popupOf >= 0) {
        item = nullptr;
        for (QAction* action : board(popupOf)->mnuBoard->actions()) {
            if (action->text() == u"&Properties")
                item = action;
        }
        QVERIFY(item);
    }
    bool severalBoardsMode = false;
    answerNextModal(this, [&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmBoardProperties*>(modal);
        if (dialog) {
            // Two boards are open: the multiple-boards box is the one the board follows.
            dialog->chkMulti3dBoard->click();
            severalBoardsMode = board(0)->chsBoard->f3d();
            dialog->btnCancel->click();
        } else {
            modal->close();
        }
    });
    item->trigger();
    QVERIFY(severalBoardsMode);
    QVERIFY(!board(0)->chsBoard->f3d());
}

void MainBoardsTest::cancelRestoresEveryBoard()
{
    QVERIFY(startWithTwoGames());
    const BoardLook first = lookOf(0);
    const BoardLook second = lookOf(1);
    BoardLook previewFirst;
    BoardLook previewSecond;
    QVERIFY(runDialog(
        [&](TfrmBoardProperties& dialog) {
            dialog.themeButtons.at(3)->click();
            dialog.chkMulti3dBoard->click();
            dialog.spnPerspective->stepUp();
            dialog.spnSpeed->stepDown();
            dialog.cmbMultiPieceSet->setCurrentIndex(5);
            dialog.chkCoordinates->click();
            previewFirst = lookOf(0);
            previewSecond = lookOf(1);
        },
        false));
    BoardLook expected = first;
    expected.colours = BoardThemes::all().at(3).colours;
    expected.threeD = true;
    expected.perspective = first.perspective + 0.05f;
    expected.moveSpeed = first.moveSpeed - 1;
    expected.pieceSet = 5;
    expected.coordinates = true;
    QCOMPARE(previewFirst, expected);
    // Only what all boards share (colours and pieces) shows on the second one at once.
    QCOMPARE(previewSecond.threeD, second.threeD);
    QCOMPARE(previewSecond.coordinates, second.coordinates);
    QCOMPARE(lookOf(0), first);
    QCOMPARE(lookOf(1), second);
    QVERIFY(settings().sectionKeys(QStringLiteral("Board")).isEmpty());
}

void MainBoardsTest::okStoresAndEveryBoardTakesIt()
{
    QVERIFY(startWithTwoGames());
    QVERIFY(board(0)->chsBoard->highlight()[0] != QPoint(-1, -1));
    QVERIFY(board(1)->hooks.premoveEnabled());
    QVERIFY(runDialog(
        [](TfrmBoardProperties& dialog) {
            dialog.themeButtons.at(2)->click();
            dialog.chkMulti3dBoard->click();
            dialog.chkMultiMoveList->click();
            dialog.chkCoordinates->click();
            dialog.chkHighlightLastMove->click();
            dialog.chkPremoves->click();
            dialog.chkManualPromotion->click();
        },
        true));
    const BoardLook chosen = lookOf(0);
    QCOMPARE(chosen.colours, BoardThemes::all().at(2).colours);
    QVERIFY(chosen.threeD && chosen.coordinates);
    QCOMPARE(lookOf(1), chosen);
    for (int slot = 0; slot < 2; ++slot) {
        QCOMPARE(board(slot)->chsBoard->highlight()[0], QPoint(-1, -1));
        QVERIFY(!board(slot)->hooks.premoveEnabled());
        QVERIFY(board(slot)->lstMoves->isVisibleTo(board(slot)));
    }

    // On disk at once, not only when the program ends.
    const SettingsFile file = settings();
    const QString section = QStringLiteral("Board");
    QCOMPARE(file.readInteger(section, QStringLiteral("WSColor"), 0),
             BoardThemes::all().at(2).colours[BoardLook::LightSquares]);
    QCOMPARE(file.readString(section, QStringLiteral("Board3D1"), {}), QStringLiteral("1"));
    QCOMPARE(file.readString(section, QStringLiteral("ShowMoveList1"), {}), QStringLiteral("1"));
    QCOMPARE(file.readString(section, QStringLiteral("ShowCoordinates"), {}), QStringLiteral("1"));
    QCOMPARE(file.readString(section, QStringLiteral("HighlightLastMove"), {}),
             QStringLiteral("0"));
    QCOMPARE(file.readString(section, QStringLiteral("Premoves"), {}), QStringLiteral("0"));
    QCOMPARE(file.readString(QStringLiteral("Quodlin"), QStringLiteral("ManualPromotion"), {}),
             QStringLiteral("1"));

    // A new run starts with the chosen look.
    m_session->closeWindow();
    QVERIFY(m_session->startWindow(QSize(1100, 800)));
    QCOMPARE(lookOf(0).colours, BoardThemes::all().at(2).colours);
    QVERIFY(lookOf(0).coordinates);
    QVERIFY(!board(0)->hooks.highlightLastMove());
}

void MainBoardsTest::severalBoardsChoiceWaitsForTheSecondBoard()
{
    QVERIFY(m_session->startWindow(QSize(1100, 800)));
    BoardManager& manager = m_session->window().boards().manager();
    manager.style12Line(Style12Line::openingPly(1, 1).text());
    QCOMPARE(manager.LastIndex(), 0);
    const BoardLook single = lookOf(0);
    BoardLook shown;
    QVERIFY(runDialog(
        [&](TfrmBoardProperties& dialog) {
            dialog.cmbMultiPieceSet->setCurrentIndex(5);
            dialog.chkMulti3dBoard->click();
            shown = lookOf(0);
        },
        true));
    QCOMPARE(shown, single);
    QCOMPARE(lookOf(0), single);

    manager.style12Line(Style12Line::openingPly(1, 2).text());
    QCOMPARE(manager.LastIndex(), 1);
    for (int slot = 0; slot < 2; ++slot) {
        QCOMPARE(lookOf(slot).pieceSet, 5);
        QVERIFY(lookOf(slot).threeD);
    }
}

QTEST_MAIN(MainBoardsTest)
#include "MainBoardsTest.moc"
