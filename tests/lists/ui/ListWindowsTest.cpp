#include "lists/VarsFields.h"
#include "lists/ui/TSeekGraph.h"
#include "lists/ui/TfrmCmds.h"
#include "lists/ui/TfrmHistory.h"
#include "lists/ui/TfrmJournal.h"
#include "lists/ui/TfrmMatch.h"
#include "lists/ui/TfrmSoughtOptions.h"
#include "lists/ui/TfrmStored.h"
#include "lists/ui/TfrmVars.h"
#include "session/CommandSender.h"
#include "settings/SettingsFile.h"

#include "support/ModalAnswer.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

#include <memory>

namespace {

class SentCommands : public CommandSender
{
public:
    void sendCommand(const QString& commands) override { sent.append(commands); }
    QStringList sent;
};

// Counts repaints of a whole widget; a hint window may uncover a small part.
class PaintCounter : public QObject
{
public:
    int wholePaints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->rect() == static_cast<QWidget*>(watched)->rect())
            ++wholePaints;
        return false;
    }
};

TSeek offer(int number, int expected, int rating, const QByteArray& line)
{
    TSeek seek;
    seek.number = number;
    seek.expectedTime = expected;
    seek.rating = rating;
    seek.line = line;
    return seek;
}

} // namespace

// The list windows and dialogs on their own, without a server.
class ListWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchDialogFirstRun();
    void matchDialogKeepsEditsPerTabAndSavesThem();
    void matchTimeFieldCorrection();
    void matchTimeFieldRefusesWithABeep_data();
    void matchTimeFieldRefusesWithABeep();
    void soughtOptionsClampTheRange();
    void seekGraphHoverShowsTheLineWithoutRepainting();
    void seekGraphClicks();
    void commandsWindowDropsOldestLines();
    void commandsWindowShowsAFixedPitchFace();
    void varsHelpAndMarks();
    void varsFieldsStandInAnEvenGrid();
    void sortedRowsKeepTheirGames();
    void gameListWindowsHaveTheirOwnButtons_data();
    void gameListWindowsHaveTheirOwnButtons();
};

void ListWindowsTest::matchDialogFirstRun()
{
    QTemporaryDir dir;
    TfrmMatch dialog;
    dialog.setSettingsFile(SettingsFile(dir.filePath("Default.ini")));
    answerNextModal(this, [](QWidget* modal) {
        auto* match = static_cast<TfrmMatch*>(modal);
        QCOMPARE(match->tabMatch->count(), 9);
        QCOMPARE(match->tabMatch->tabText(0), QStringLiteral("Profile &1"));
        QCOMPARE(match->tabMatch->tabText(8), QStringLiteral("Profile &9"));
        QCOMPARE(match->typeChoices[0]->text(), QStringLiteral("Blit&z"));
        QVERIFY(!match->txtWild->isEnabled());
        match->btnOK->click();
    });
    QCOMPARE(dialog.Run(QStringLiteral("Seek")), QStringLiteral("2 12 r  "));
}

void ListWindowsTest::matchDialogKeepsEditsPerTabAndSavesThem()
{
    QTemporaryDir dir;
    const SettingsFile file(dir.filePath("Default.ini"));
    {
        TfrmMatch dialog;
        dialog.setSettingsFile(file);
        answerNextModal(this, [](QWidget* modal) {
            auto* match = static_cast<TfrmMatch*>(modal);
            match->typeChoices[3]->click();
            QVERIFY(match->txtWild->isEnabled());
            match->txtWild->setText(QStringLiteral("Wild 5"));
            match->spnTime->setValue(3);
            match->spnInc->setValue(0);
            match->ratedChoices[1]->click();
            match->colorChoices[2]->click();
            match->txtAdditional->setText(QStringLiteral("private"));
            match->tabMatch->setCurrentIndex(1);
            QCOMPARE(match->spnTime->value(), 2); // profile 2 has its own values
            match->tabMatch->setCurrentIndex(0);
            QCOMPARE(match->txtWild->text(), QStringLiteral("Wild 5"));
            match->btnOK->click();
        });
        QCOMPARE(dialog.Run(QStringLiteral("Match bob")),
                 QStringLiteral("Wild 5 3 0 u b  private"));
        answerNextModal(this, [](QWidget* modal) {
            auto* match = static_cast<TfrmMatch*>(modal);
            match->spnTime->setValue(9);
            match->btnCancel->click();
        });
        QCOMPARE(dialog.Run(QStringLiteral("Seek")), QString());
        dialog.saveProfiles();
    }
    QCOMPARE(file.readInteger("Match0", "Time", 0), 9);
    QCOMPARE(file.readString("Match0", "Wild", ""), QStringLiteral("Wild 5"));
    QCOMPARE(file.readString("Match8", "Name", ""), QStringLiteral("Profile &9"));
}

void ListWindowsTest::matchTimeFieldCorrection()
{
    QTemporaryDir dir;
    TfrmMatch dialog;
    dialog.setSettingsFile(SettingsFile(dir.filePath("Default.ini")));
    answerNextModal(this, [](QWidget* modal) {
        auto* match = static_cast<TfrmMatch*>(modal);
        match->spnTime->selectAll();
        QTest::keyClicks(match->spnTime, QStringLiteral("07"));
        QCOMPARE(match->spnTime->text(), QStringLiteral("7"));
        match->spnInc->selectAll();
        QTest::keyClicks(match->spnInc, QStringLiteral("8"));
        match->spnTime->selectAll();
        QTest::keyClicks(match->spnTime, QStringLiteral("10"));
        QCOMPARE(match->typeChoices[0]->text(), QStringLiteral("&Standard"));
        match->btnOK->click();
    });
    QCOMPARE(dialog.Run(QStringLiteral("Seek")), QStringLiteral("10 8 r  "));
}

void ListWindowsTest::matchTimeFieldRefusesWithABeep_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("digits pass") << "15"
                                 << "15" << 0;
    QTest::newRow("a leading zero does not stay") << "07"
                                                  << "7" << 0;
    QTest::newRow("letters are refused with a beep each") << "1ab2"
                                                          << "12" << 2;
    QTest::newRow("a blank is refused") << "1 5"
                                        << "15" << 1;
    QTest::newRow("a sign is refused") << "-3"
                                       << "3" << 1;
    QTest::newRow("a hexadecimal prefix is refused") << "0x1F"
                                                     << "1" << 2;
}

void ListWindowsTest::matchTimeFieldRefusesWithABeep()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    QTemporaryDir dir;
    TfrmMatch dialog;
    dialog.setSettingsFile(SettingsFile(dir.filePath("Default.ini")));
    QSignalSpy refused(&dialog, &TfrmMatch::typingRefused);
    answerNextModal(this, [&](QWidget* modal) {
        auto* match = static_cast<TfrmMatch*>(modal);
        match->spnInc->selectAll();
        QTest::keyClicks(match->spnInc, typed);
        QCOMPARE(match->spnInc->text(), shown);
        // Editing keys are never refused.
        QTest::keyClick(match->spnInc, Qt::Key_Backspace);
        QTest::keyClick(match->spnInc, Qt::Key_A, Qt::ControlModifier);
        match->btnCancel->click();
    });
    dialog.Run(QStringLiteral("Seek"));
    QCOMPARE(refused.count(), beeps);
}

void ListWindowsTest::soughtOptionsClampTheRange()
{
    TfrmSoughtOptions dialog;
    dialog.setValues({}, true);
    QCOMPARE(dialog.edFrom->text(), QStringLiteral("750"));
    dialog.edFrom->setText(QStringLiteral("2000"));
    dialog.edTo->setText(QStringLiteral("2050x"));
    QCOMPARE(dialog.range().min, 2000);
    QCOMPARE(dialog.range().max, 2100);
    dialog.edFrom->setText(QStringLiteral("none"));
    dialog.edTo->setText(QString());
    QCOMPARE(dialog.range().min, 0);
    QCOMPARE(dialog.range().max, 100);
    dialog.rbText->setChecked(true);
    QVERIFY(!dialog.graphView());
}

void ListWindowsTest::seekGraphHoverShowsTheLineWithoutRepainting()
{
    TSeekGraph graph;
    graph.resize(311, 210);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    graph.setSeeks({offer(5, 5, 1500, "5 1500 bob 5 0 rated blitz")});
    QApplication::processEvents();
    PaintCounter counter;
    graph.installEventFilter(&counter);
    QTest::mouseMove(&graph, QPoint(55, 105));
    auto* hint = graph.findChild<QLabel*>(QStringLiteral("hintWindow"));
    QVERIFY(hint);
    QTRY_VERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("5 1500 bob 5 0 rated blitz"));
    QTest::mouseMove(&graph, QPoint(200, 10));
    QTRY_VERIFY(!hint->isVisible());
    QApplication::processEvents();
    QCOMPARE(counter.wholePaints, 0);
}

void ListWindowsTest::seekGraphClicks()
{
    TSeekGraph graph;
    graph.resize(311, 210);
    TSeek seek = offer(17, 5, 1500, "17 1500 bob^quit 5 0 rated blitz");
    seek.name = "bob^quit";
    graph.setSeeks({seek});
    QSignalSpy plays(&graph, &TSeekGraph::playRequested);
    QSignalSpy menus(&graph, &TSeekGraph::playerMenuRequested);
    QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(52, 102));
    QCOMPARE(plays.value(0).value(0).toInt(), 17);
    QTest::mouseClick(&graph, Qt::RightButton, {}, QPoint(52, 102));
    // A name that is no handle never reaches a command.
    QCOMPARE(menus.value(0).value(0).toString(), QString());
    QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(plays.size(), 1);
}

void ListWindowsTest::commandsWindowDropsOldestLines()
{
    TfrmCmds window;
    QByteArray many;
    for (int i = 1; i <= 5001; ++i)
        many += "line " + QByteArray::number(i) + "\n\r";
    window.Append(many);
    QCOMPARE(window.reCmds->document()->blockCount(), 5001);
    window.Append("Finger of bob:\n\r");
    QCOMPARE(window.reCmds->document()->blockCount(), 3002);
    QCOMPARE(window.reCmds->document()->firstBlock().text(), QStringLiteral("line 2001"));
    QCOMPARE(window.reCmds->document()->lastBlock().text(), QStringLiteral("Finger of bob:"));
    window.Clear();
    QVERIFY(window.reCmds->toPlainText().isEmpty());
}

void ListWindowsTest::commandsWindowShowsAFixedPitchFace()
{
    TfrmCmds window;
    QCOMPARE(TfrmCmds::FontFamily, QStringLiteral("Fixedsys"));
    QVERIFY(QFontInfo(window.reCmds->font()).fixedPitch());
}

void ListWindowsTest::varsHelpAndMarks()
{
    SentCommands commands;
    TfrmVars window(commands);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* time = window.control(VarsFields::indexOf("time"));
    QWidget* bugOpen = window.control(VarsFields::indexOf("bugopen"));
    time->setFocus();
    QTRY_VERIFY(window.reHelp->toPlainText().contains(u"starting time"));
    bugOpen->setFocus();
    QTRY_VERIFY(window.reHelp->toPlainText().isEmpty());

    window.Fill({"Variable settings of Quenby:", "time=15 private=0 shout=1 pin=0 style=12",
                 "unobserve=3 tolerance=1", " f1: !computer & standard"});
    QCOMPARE(window.windowTitle(), QStringLiteral("Variable Settings of Quenby"));
    QCOMPARE(static_cast<QComboBox*>(time)->currentText(), QStringLiteral("15"));
    QCOMPARE(window.findChild<QComboBox*>("cmbShout")->currentText(), QStringLiteral("Yes"));
    QCOMPARE(window.findChild<QComboBox*>("cmbUnObserve")->currentText(),
             QStringLiteral("3:No Auto-Unobserve"));
    QCOMPARE(window.findChild<QComboBox*>("cmbTolerance")->currentText(),
             QStringLiteral("1:Clean "));
    QCOMPARE(window.findChild<QLineEdit*>("edF1")->text(), QStringLiteral("!computer & standard"));
    QVERIFY(!window.findChild<QComboBox*>("cmbPTime")->isEnabled());

    window.btSetVars->click();
    QVERIFY(commands.sent.isEmpty());
    window.findChild<QComboBox*>("cmbPin")->setCurrentIndex(1);
    QCOMPARE(window.findChild<QComboBox*>("cmbPin")->palette().color(QPalette::ButtonText),
             QColor(0xFF, 0, 0));
    window.btSetVars->click();
    QCOMPARE(commands.sent, QStringList{"set pin 1"});
    QCOMPARE(window.findChild<QComboBox*>("cmbPin")->palette().color(QPalette::ButtonText),
             QColor(Qt::black));
    window.btShowVar->click();
    QCOMPARE(commands.sent.last(), QStringLiteral("iset block 1^107 vars Quenby^999 iset block 0"));
}

void ListWindowsTest::varsFieldsStandInAnEvenGrid()
{
    SentCommands commands;
    TfrmVars window(commands);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The first row: a text field, another, then two choice fields of the
    // narrowest kind ("No"/"Yes"); the row below holds the longest choice texts.
    QList<int> lefts;
    for (const char* name : {"cmbTime", "cmbInc", "cmbRated", "cmbOpen"})
        lefts.append(window.findChild<QWidget*>(name)->mapTo(&window, QPoint()).x());
    QCOMPARE(lefts[1] - lefts[0], lefts[2] - lefts[1]);
    QCOMPARE(lefts[2] - lefts[1], lefts[3] - lefts[2]);
    QSet<int> widths;
    for (int field = 0; field < VarsFields::all().size(); ++field)
        if (VarsFields::all().at(field).kind != VarsFields::Kind::Note)
            widths.insert(window.control(field)->width());
    QCOMPARE(widths.size(), 1);
    auto* unobserve = window.findChild<QComboBox*>("cmbUnObserve");
    QVERIFY(unobserve->width() >= unobserve->sizeHint().width());
}

void ListWindowsTest::sortedRowsKeepTheirGames()
{
    SentCommands commands;
    TfrmHistory window(commands);
    window.Fill({"History for alice:",
                 " 0: + 1500 W 1400 zed           [ bu  5   0] B01 Agr Thu Dec 10 12:20:54 2026",
                 " 1: - 1558 W 1882 bob           [ lr  1   0] C20 Res Thu Dec 10 12:21:40 2026"});
    QTreeWidget* list = window.list;
    list->sortByColumn(5, Qt::AscendingOrder); // by opponent: bob first
    QCOMPARE(list->topLevelItem(0)->text(5).trimmed(), QStringLiteral("bob"));
    list->setCurrentItem(list->topLevelItem(0));
    window.findChild<QPushButton*>("btExamine")->click();
    QCOMPARE(commands.sent, QStringList{"examine alice 1"});
    list->sortByColumn(0, Qt::AscendingOrder); // the server's order again
    QCOMPARE(list->topLevelItem(0)->text(5).trimmed(), QStringLiteral("zed"));
}

void ListWindowsTest::gameListWindowsHaveTheirOwnButtons_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("stored games") << int(GameListKind::Stored) << "TfrmStored"
                                  << "lstStored"
                                  << "Stored"
                                  << QStringList{"Adjudicate",  "Examine",    "Position",
                                                 "Moves",       "Resign",     "Offer Draw",
                                                 "Offer Abort", "Show Stored"};
    QTest::newRow("journal") << int(GameListKind::Journal) << "TfrmJournal"
                             << "lstJourn"
                             << "Journal"
                             << QStringList{"Examine",     "Position",       "Moves",
                                            "Mail Stored", "Del From Journ", "Show Journal"};
    QTest::newRow("history") << int(GameListKind::History) << "TfrmHistory"
                             << "lstHist"
                             << "History"
                             << QStringList{"Examine",     "Position",       "Moves",
                                            "Mail Stored", "Add To Journal", "Show History"};
}

void ListWindowsTest::gameListWindowsHaveTheirOwnButtons()
{
    QFETCH(int, kind);
    QFETCH(QString, className);
    QFETCH(QString, listName);
    QFETCH(QString, caption);
    QFETCH(QStringList, buttons);
    SentCommands commands;
    std::unique_ptr<TfrmGameList> window;
    switch (GameListKind::Id(kind)) {
    case GameListKind::Stored:
        window = std::make_unique<TfrmStored>(commands);
        break;
    case GameListKind::Journal:
        window = std::make_unique<TfrmJournal>(commands);
        break;
    case GameListKind::History:
        window = std::make_unique<TfrmHistory>(commands);
        break;
    }
    QCOMPARE(QString::fromLatin1(window->metaObject()->className()), className);
    QCOMPARE(window->list->objectName(), listName);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->list->columnCount(), GameListKind::of(GameListKind::Id(kind)).columns.size());
    // The buttons as a user reads them: row by row, left to right.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QList<QPushButton*> placed = window->findChildren<QPushButton*>();
    std::sort(placed.begin(), placed.end(), [&](QPushButton* a, QPushButton* b) {
        const QPoint pa = a->mapTo(window.get(), QPoint());
        const QPoint pb = b->mapTo(window.get(), QPoint());
        return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
    });
    QStringList shown;
    for (QPushButton* button : placed)
        shown.append(button->text());
    QCOMPARE(shown, buttons);
    // Only the history window offers journal slots, only the stored one adjudication.
    QCOMPARE(window->findChild<QComboBox*>("cmbSlot") != nullptr, kind == GameListKind::History);
    QCOMPARE(window->findChild<QLineEdit*>("edAdj") != nullptr, kind == GameListKind::Stored);
}

QTEST_MAIN(ListWindowsTest)
#include "ListWindowsTest.moc"
