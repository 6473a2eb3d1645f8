#include "chat/ui/TerminalMenu.h"
#include "chat/ui/TerminalView.h"
#include "session/ui/CommandInput.h"
#include "settings/SettingsFile.h"
#include "shell/MainSession.h"
#include "shell/SplitterBar.h"
#include "shell/TfrmMainChess.h"
#include "support/ModalAnswer.h"
#include "widgets/HelpAddresses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startToExitWritesTheSettings();
    void firstRunAcceptsTheProfileDialog();
    void cancelledProfileEndsWithoutWriting();
    void firstRunTabRow();
    void displayItemsSelectExistingTabsOnly();
    void separateBoardsKeepTheTerminalTab();
    void listTabShareHasAFloor();
    void serverTextShowsInTheTerminal();
    void enterEchoesTheCommand();
    void missingPresetsAreSilent();
    void unreadablePresetsAreReportedAndLoadingGoesOn();
    void scrollLockButtonAndMenuAgree();
    void scrollLockKeyFlipsTheLock_data();
    void scrollLockKeyFlipsTheLock();
    void typedCommandIsSentAsTyped_data();
    void typedCommandIsSentAsTyped();
    void hideToolBarHidesBothBars();
    void storedHiddenToolBarsStayHidden();
    void helpReportsWhatCouldNotBeOpened_data();
    void helpReportsWhatCouldNotBeOpened();
    void clearFromTheMenuEmptiesTheTerminal();
    void paneMenuOptionsOpensThePanesSettings_data();
    void paneMenuOptionsOpensThePanesSettings();
    void storedSettingsAreApplied();
    void aboutAndFeaturesWindows();
    void helpPanelShowsTheLongHint();

private:
    void skipProfileDialog();
    std::unique_ptr<TfrmMainChess> startWindow();
    QString programDirectory() const { return m_dir->path() + u'/'; }
    SettingsFile settings() const { return SettingsFile(m_dir->filePath("Default.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldCurrent;
};

void MainWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void MainWindowTest::cleanup()
{
    QDir::setCurrent(m_oldCurrent);
    m_dir.reset();
}

void MainWindowTest::skipProfileDialog()
{
    SharedSettingsFile(programDirectory()).writeBool("Profiles", "DoNotShow", true);
}

std::unique_ptr<TfrmMainChess> MainWindowTest::startWindow()
{
    auto window = std::make_unique<TfrmMainChess>(programDirectory());
    if (window->isSetUp()) {
        if (QGuiApplication::platformName() != u"xcb")
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
    }
    return window;
}

void MainWindowTest::startToExitWritesTheSettings()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window && window->isSetUp());
    QSignalSpy ended(window.get(), &TfrmMainChess::programEnded);
    window->exitProgram();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!window->isVisible());

    const SettingsFile file = settings();
    for (const char* section : {"Quodlin", "AutoSave", "Sought", "Chat", "Boards", "Board0",
                                "Board3", "Board", "Font0", "Font12", "Lists", "MAINFRMTBLayout"})
        QVERIFY2(!file.sectionKeys(section).isEmpty(), section);
    QCOMPARE(file.sectionKeys("Quodlin").size(), 32);
    QCOMPARE(file.readString("Quodlin", "Maximized", ""), QStringLiteral("1"));
    QCOMPARE(file.readString("Lists", "Label4", ""), QStringLiteral("&Games"));
    QVERIFY(QFile::exists(m_dir->filePath("Commands.txt")));
    QVERIFY(QFile::exists(m_dir->filePath("trace.txt")));

    // Closing again (the close box after exit) writes nothing twice and ends once.
    window->close();
    QCOMPARE(ended.count(), 1);
}

void MainWindowTest::firstRunAcceptsTheProfileDialog()
{
    QString caption;
    answerNextModal(this, [&caption](QWidget* modal) {
        caption = modal->windowTitle();
        QCOMPARE(modal->findChild<QComboBox*>("cmbProfile")->currentText(),
                 QStringLiteral("Default"));
        modal->findChild<QPushButton*>("OKBtn")->click();
    });
    auto window = startWindow();
    QVERIFY(window && window->isSetUp());
    QCOMPARE(caption, QStringLiteral("Tolvaris Profile Selection"));
    QCOMPARE(window->settingsFile().path(), programDirectory() + "Default.ini");
    const SettingsFile shared = SharedSettingsFile(programDirectory());
    QCOMPARE(shared.readString("Profiles", "Count", ""), QStringLiteral("1"));
    QCOMPARE(shared.readString("Profiles", "Last", ""), QStringLiteral("Default"));
    QCOMPARE(shared.readString("Profiles", "DoNotShow", ""), QStringLiteral("0"));
}

void MainWindowTest::cancelledProfileEndsWithoutWriting()
{
    answerNextModal(this,
                    [](QWidget* modal) { modal->findChild<QPushButton*>("CancelBtn")->click(); });
    auto window = startWindow();
    QVERIFY(window && !window->isSetUp());
    QVERIFY(!window->isVisible());
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

void MainWindowTest::firstRunTabRow()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    QStringList labels;
    for (int i = 0; i < window->tabSplitters->count(); ++i)
        labels.append(window->tabSplitters->tabText(i));
    QCOMPARE(labels, (QStringList{"&Terminal", "&Boards", "&Sought", "&Who", "&Games", "Notify",
                                  "Bug Who", "Commands", "Messages", "Pending", "History", "Vars",
                                  "Finger", "ZNotify"}));
    QVERIFY(window->memTerminal->isVisible());
    QVERIFY(!window->memOutPut->isVisible());
}

void MainWindowTest::displayItemsSelectExistingTabsOnly()
{
    skipProfileDialog();
    settings().writeInteger("Lists", "ListCount", 1);
    auto window = startWindow();
    QVERIFY(window);
    QCOMPARE(window->tabSplitters->count(), 3);
    window->menus.mnuDisplayTab[4]->trigger(); // "&Games"
    QCOMPARE(window->selectedTab(), 0);
    window->menus.mnuDisplayTab[2]->trigger(); // "&Sought"
    QCOMPARE(window->selectedTab(), 2);
    QVERIFY(window->pnlSought->isVisible());
    QVERIFY(window->pnlSplitter->isVisible());
    QCOMPARE(window->menus.mnuDisplayTab[4]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
}

void MainWindowTest::separateBoardsKeepTheTerminalTab()
{
    skipProfileDialog();
    settings().writeBool("Quodlin", "BoardsSeperated", true);
    auto window = startWindow();
    QVERIFY(window);
    window->menus.mnuDisplayTab[1]->trigger(); // "&Boards"
    QCOMPARE(window->tabSplitters->currentIndex(), 1);
    QCOMPARE(window->selectedTab(), 0);
    QVERIFY(!window->pnlBoard->isVisible());
    QVERIFY(!window->pnlSplitter->isVisible());
    QVERIFY(window->menus.mnuBoardsSeparate->isChecked());
}

void MainWindowTest::listTabShareHasAFloor()
{
    skipProfileDialog();
    settings().writeInteger("Lists", "Y3", 5);
    auto window = startWindow();
    QVERIFY(window);
    window->tabSplitters->setCurrentIndex(3);
    QVERIFY(window->memOutPut->isVisible());
    const int inputTop = window->cmbInput->geometry().top();
    const int tabBottom = window->tabSplitters->geometry().bottom() + 1;
    QCOMPARE(window->pnlSplitter->geometry().top(), tabBottom + int((inputTop - tabBottom) * 0.1f));
    window->exitProgram();
    QCOMPARE(settings().readString("Lists", "Y3", ""), QStringLiteral("10"));
}

void MainWindowTest::serverTextShowsInTheTerminal()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    QFile capture(QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics/h_chat.B.raw"));
    QVERIFY(capture.open(QIODevice::ReadOnly));
    // The part after the login, whose prompts would ask for a password.
    const QByteArray text = capture.readAll();
    window->session().pipeline().chunkIntake(text.mid(text.indexOf("fics% ")));
    QTRY_VERIFY(window->memTerminal->toPlainText().contains(
        "alice tells you: hi bob, this is a private tell"));

    const TerminalView& terminal = *window->memTerminal;
    int tell = 0;
    while (!terminal.lineText(tell).contains("alice tells you: hi bob"))
        ++tell;
    QCOMPARE(terminal.formatAt({tell, 0}).foreground().color(), QColor(Qt::red));
}

void MainWindowTest::enterEchoesTheCommand()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    window->cmbInput->setEditText("who");
    QTest::keyClick(window->cmbInput, Qt::Key_Return);
    const TerminalView& terminal = *window->memTerminal;
    const int echo = terminal.lineCount() - 1;
    QCOMPARE(terminal.lineText(echo), QStringLiteral("who"));
    QVERIFY(terminal.lineText(echo - 1) != QStringLiteral("who")); // echoed once
    QVERIFY(terminal.formatAt({echo, 0}).fontWeight() >= QFont::Bold);
    QCOMPARE(window->cmbInput->currentText(), QStringLiteral("who"));
    QCOMPARE(window->cmbInput->lineEdit()->selectedText(), QStringLiteral("who"));
}

void MainWindowTest::missingPresetsAreSilent()
{
    skipProfileDialog();
    auto window = startWindow(); // a message box here would never be answered
    QVERIFY(window);
    QCOMPARE(window->cmbInput->count(), 19);
    QCOMPARE(window->cmbInput->itemText(0), QStringLiteral("+chan"));
}

void MainWindowTest::unreadablePresetsAreReportedAndLoadingGoesOn()
{
    skipProfileDialog();
    QVERIFY(QDir(m_dir->path()).mkdir("Commands.txt"));
    SettingsFile file = settings();
    file.writeBool("Quodlin", "Maximized", false);
    file.writeInteger("Quodlin", "Width", 700);
    file.writeInteger("Quodlin", "Height", 500);
    QString message;
    answerNextModal(this, [&message](QWidget* modal) {
        message = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    auto window = startWindow();
    QVERIFY(window);
    QCOMPARE(message, QStringLiteral("Unable to read Commands.txt"));
    QCOMPARE(window->size(), QSize(700, 500));
    QVERIFY(!window->isMaximized());
}

void MainWindowTest::scrollLockButtonAndMenuAgree()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    window->spdScrollLock->click();
    QVERIFY(window->spdScrollLock->isChecked());
    QVERIFY(window->mnuTerminal->mnuScrollLock->isChecked());
    window->mnuTerminal->mnuScrollLock->trigger();
    QVERIFY(!window->spdScrollLock->isChecked());
}

void MainWindowTest::scrollLockKeyFlipsTheLock_data()
{
    QTest::addColumn<QString>("focused");
    QTest::newRow("in the command input") << "cmbInput";
    QTest::newRow("in the terminal") << "memTerminal";
    QTest::newRow("in the list pane") << "memOutPut";
}

void MainWindowTest::scrollLockKeyFlipsTheLock()
{
    QFETCH(QString, focused);
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    QWidget* target = window->findChild<QWidget*>(focused);
    QVERIFY(target);
    if (auto* input = qobject_cast<QComboBox*>(target))
        target = input->lineEdit();
    QTest::keyClick(target, Qt::Key_ScrollLock);
    QVERIFY(window->spdScrollLock->isChecked());
    QVERIFY(window->mnuTerminal->mnuScrollLock->isChecked());
    QTest::keyClick(target, Qt::Key_ScrollLock);
    QVERIFY(!window->spdScrollLock->isChecked());
    QVERIFY(!window->mnuTerminal->mnuScrollLock->isChecked());
}

void MainWindowTest::typedCommandIsSentAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("the start of a preset") << "who";
    QTest::newRow("a preset's first word") << "help";
    QTest::newRow("a preset in other letters") << "TELL";
}

void MainWindowTest::typedCommandIsSentAsTyped()
{
    QFETCH(QString, typed);
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->cmbInput->setFocus();
    // Each key goes where the application sends it: to the preset list once it is open.
    const auto target = [] {
        QWidget* list = QApplication::activePopupWidget();
        return list ? list : QApplication::focusWidget();
    };
    for (const QChar letter : typed)
        QTest::keyClick(target(), letter.toLatin1());
    QTest::keyClick(target(), Qt::Key_Return);
    QCOMPARE(window->memTerminal->lineText(window->memTerminal->lineCount() - 1), typed);
    QCOMPARE(window->cmbInput->currentText(), typed);
}

void MainWindowTest::hideToolBarHidesBothBars()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    QVERIFY(window->toolBars.TBToolbar1->isVisible());
    window->menus.mnuHideToolBar->trigger();
    QVERIFY(window->menus.mnuHideToolBar->isChecked());
    QVERIFY(window->toolBars.TBToolbar1->isHidden());
    QVERIFY(window->toolBars.TBToolbar2->isHidden());
    window->menus.mnuHideToolBar->trigger();
    QVERIFY(!window->menus.mnuHideToolBar->isChecked());
    QVERIFY(window->toolBars.TBToolbar1->isVisible());
    QVERIFY(window->toolBars.TBToolbar2->isVisible());
    window->menus.mnuHideToolBar->trigger();
    window->exitProgram();
    QCOMPARE(settings().readString("Quodlin", "ToolBar", ""), QStringLiteral("0"));
}

void MainWindowTest::storedHiddenToolBarsStayHidden()
{
    skipProfileDialog();
    settings().writeBool("Quodlin", "ToolBar", false);
    auto window = startWindow();
    QVERIFY(window);
    QVERIFY(window->menus.mnuHideToolBar->isChecked());
    QVERIFY(window->toolBars.TBToolbar1->isHidden());
    QVERIFY(window->toolBars.TBToolbar2->isHidden());
}

void MainWindowTest::helpReportsWhatCouldNotBeOpened_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    QTest::newRow("web page") << "&Web Page" << HelpAddresses::ProjectHome;
    QTest::newRow("FICS server") << "&FICS Server" << HelpAddresses::FicsServer;
    QTest::newRow("ICC server") << "&ICC Server" << HelpAddresses::IccServer;
    const QString guide = HelpAddresses::userGuide(QCoreApplication::applicationDirPath());
    if (!guide.isEmpty())
        QTest::newRow("user guide") << "&Contents" << guide;
}

// The offscreen platform starts no browser, as a desktop without one.
void MainWindowTest::helpReportsWhatCouldNotBeOpened()
{
    QFETCH(QString, item);
    QFETCH(QString, address);
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    QAction* action = nullptr;
    for (QAction* candidate : {window->menus.mnuContents, window->menus.mnuWebPage,
                               window->menus.mnuFicsServer, window->menus.mnuIccServer})
        if (candidate->text() == item)
            action = candidate;
    QVERIFY(action);
    QString message;
    answerNextModal(this, [&message](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        message = box ? box->text() : QString();
        modal->close();
    });
    action->trigger();
    QCOMPARE(message, "No web browser could be started to show " + address);
}

void MainWindowTest::clearFromTheMenuEmptiesTheTerminal()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    window->memTerminal->appendLine("some text", TextKind::Normal);
    window->mnuTerminal->popupFor(window->memOutPut, window->mapToGlobal(QPoint(10, 10)));
    window->mnuTerminal->mnuTerminalClear->trigger();
    window->mnuTerminal->hide();
    QCOMPARE(window->memTerminal->lineCount(), 0);
}

void MainWindowTest::paneMenuOptionsOpensThePanesSettings_data()
{
    QTest::addColumn<bool>("onListPane");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("on the terminal: the general options") << false << "Options";
    QTest::newRow("on the list pane: the lists") << true << "Edit Lists";
}

void MainWindowTest::paneMenuOptionsOpensThePanesSettings()
{
    QFETCH(bool, onListPane);
    QFETCH(QString, dialog);
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    TerminalPane* pane = onListPane ? static_cast<TerminalPane*>(window->memOutPut)
                                    : static_cast<TerminalPane*>(window->memTerminal);
    pane->setFocus();
    window->mnuTerminal->popupFor(pane, window->mapToGlobal(QPoint(10, 10)));
    QVERIFY(window->mnuTerminal->mnuTerminalFont->isEnabled());
    QStringList opened;
    QObject answers;
    const std::function<void(QWidget*)> record = [&](QWidget* modal) {
        opened << modal->windowTitle();
        // Ready for a second dialog, so that one opened after it is seen, not left waiting.
        answerNextModal(&answers, record);
        static_cast<QDialog*>(modal)->reject();
    };
    answerNextModal(&answers, record);
    window->mnuTerminal->hide();
    window->mnuTerminal->mnuTerminalFont->trigger();
    QCOMPARE(opened, QStringList{dialog});
    // Back to typing commands, as after Copy (the window's focus child: the
    // offscreen platform does not give the activation back after a dialog).
    QTRY_COMPARE(window->focusWidget(), static_cast<QWidget*>(window->cmbInput));
}

void MainWindowTest::storedSettingsAreApplied()
{
    skipProfileDialog();
    SettingsFile file = settings();
    file.writeBool("Quodlin", "ToolBar", false);
    file.writeBool("Quodlin", "Open", true);
    file.writeString("Font0", "Name", "DejaVu Sans Mono");
    file.writeInteger("Font0", "Size", 11);
    file.writeInteger("Quodlin", "BackColor", 0xFFFFFF);
    auto window = startWindow();
    QVERIFY(window);
    QVERIFY(window->menus.mnuHideToolBar->isChecked());
    QVERIFY(window->toolBars.spdOpen->isChecked());
    QVERIFY(!window->menus.mnuOpen->isChecked());
    QCOMPARE(window->memTerminal->font().family(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(window->memTerminal->font().pointSize(), 11);
    QCOMPARE(window->memOutPut->palette().color(QPalette::Base), QColor(Qt::white));

    window->menus.mnuHideToolBar->trigger();
    window->exitProgram();
    QCOMPARE(settings().readString("Quodlin", "ToolBar", ""), QStringLiteral("1"));
    QCOMPARE(settings().readString("Quodlin", "Open", ""), QStringLiteral("1"));
    QCOMPARE(settings().readString("Font0", "Size", ""), QStringLiteral("11"));
    QCOMPARE(settings().readString("Quodlin", "BackColor", ""), QStringLiteral("16777215"));
}

void MainWindowTest::aboutAndFeaturesWindows()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    QString caption;
    QSize picture;
    answerNextModal(this, [&](QWidget* modal) {
        caption = modal->windowTitle();
        const auto* label = modal->findChild<QLabel*>();
        picture = label ? label->pixmap().size() : QSize();
        modal->findChild<QPushButton*>("btnClose")->click();
    });
    window->menus.mnuAbout->trigger();
    QCOMPARE(caption, QStringLiteral("Tolvaris 2.0 Quarndell"));
    QCOMPARE(picture, QSize(561, 546));

    window->menus.mnuFeatures->trigger();
    auto* features = window->findChild<QDialog*>("frmWhatsMore");
    QVERIFY(features && features->isVisible());
    window->menus.mnuFeatures->trigger(); // shown once, brought to the front
    QCOMPARE(window->findChildren<QDialog*>("frmWhatsMore").size(), 1);
}

void MainWindowTest::helpPanelShowsTheLongHint()
{
    skipProfileDialog();
    auto window = startWindow();
    QVERIFY(window);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(window->toolBars.spdOpen, &enter);
    QCOMPARE(window->pnlHelp->text(), QStringLiteral(" Toggles availability for games."));
    QCOMPARE(window->toolBars.spdOpen->toolTip(), QStringLiteral("Open"));
    QApplication::sendEvent(window->tabSplitters, &enter);
    QCOMPARE(window->pnlHelp->text(), QStringLiteral(" Selects screen/list to display."));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
