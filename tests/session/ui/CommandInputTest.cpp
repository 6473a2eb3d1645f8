#include "session/ui/CommandInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// The command input as the user types into it. Keys go where the application sends them:
// to the open preset list, otherwise to the focused combo box.
QWidget* keyTarget()
{
    if (QWidget* list = QApplication::activePopupWidget())
        return list;
    return QApplication::focusWidget();
}

void type(const QString& text)
{
    for (const QChar letter : text)
        QTest::keyClick(keyTarget(), letter.toLatin1());
}

void press(Qt::Key key)
{
    QTest::keyClick(keyTarget(), key);
}

class CommandInputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void enterSendsWhatWasTyped_data();
    void enterSendsWhatWasTyped();
    void presetsBeginningWithTheTypedTextDropDown_data();
    void presetsBeginningWithTheTypedTextDropDown();
    void arrowsPickAPresetToComplete();
    void clickPicksAPreset();
    void upAndDownRecallThisRunsCommands();

private:
    QLineEdit* edit() const { return m_input->lineEdit(); }
    QAbstractItemView* presetList() const { return m_input->presetList()->popup(); }
    QStringList shownPresets() const;

    std::unique_ptr<CommandInput> m_input;
};

void CommandInputTest::init()
{
    m_input = std::make_unique<CommandInput>();
    m_input->addItems({"+chan", "accept", "help channel_list", "help commands", "tell", "vars",
                       "who as"});
    m_input->setCurrentIndex(-1);
    m_input->show();
    m_input->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_input.get()));
    edit()->setFocus();
}

void CommandInputTest::cleanup()
{
    m_input.reset();
}

QStringList CommandInputTest::shownPresets() const
{
    QStringList shown;
    if (!presetList()->isVisible())
        return shown;
    const QAbstractItemModel* model = presetList()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data().toString();
    return shown;
}

void CommandInputTest::enterSendsWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("the start of a preset") << "who";
    QTest::newRow("the first word of two presets") << "help";
    QTest::newRow("a preset in capitals") << "TELL";
    QTest::newRow("no preset begins so") << "finger alice";
}

void CommandInputTest::enterSendsWhatWasTyped()
{
    QFETCH(QString, typed);
    QSignalSpy entered(m_input.get(), &CommandInput::commandEntered);
    type(typed);
    press(Qt::Key_Return);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.first().first().toString(), typed);
    QCOMPARE(edit()->text(), typed);
    QVERIFY(!presetList()->isVisible());
}

void CommandInputTest::presetsBeginningWithTheTypedTextDropDown_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("two presets share the start") << "he"
                                                 << QStringList{"help channel_list", "help commands"};
    QTest::newRow("letter case does not count") << "WH" << QStringList{"who as"};
    QTest::newRow("only at the start") << "as" << QStringList();
    QTest::newRow("a sign as the first letter") << "+" << QStringList{"+chan"};
}

void CommandInputTest::presetsBeginningWithTheTypedTextDropDown()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    type(typed);
    QTRY_COMPARE(shownPresets(), shown);
    QCOMPARE(edit()->text(), typed);
}

void CommandInputTest::arrowsPickAPresetToComplete()
{
    QSignalSpy entered(m_input.get(), &CommandInput::commandEntered);
    type("he");
    QTRY_VERIFY(presetList()->isVisible());
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(entered.count(), 0);
    QVERIFY(!presetList()->isVisible());
    QCOMPARE(edit()->text(), QStringLiteral("help commands"));
    type(" ");
    press(Qt::Key_Escape);
    press(Qt::Key_Return);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.first().first().toString(), QStringLiteral("help commands "));
}

void CommandInputTest::clickPicksAPreset()
{
    QSignalSpy entered(m_input.get(), &CommandInput::commandEntered);
    type("t");
    QTRY_VERIFY(presetList()->isVisible());
    const QModelIndex tell = presetList()->model()->index(0, 0);
    QTest::mouseClick(presetList()->viewport(), Qt::LeftButton, {},
                      presetList()->visualRect(tell).center());
    QVERIFY(!presetList()->isVisible());
    QCOMPARE(edit()->text(), QStringLiteral("tell"));
    QCOMPARE(entered.count(), 0);
}

void CommandInputTest::upAndDownRecallThisRunsCommands()
{
    for (const char* command : {"who", "finger bob"}) {
        edit()->setText(command);
        press(Qt::Key_Return);
    }
    edit()->setText("tell bo");
    press(Qt::Key_Up);
    QCOMPARE(edit()->text(), QStringLiteral("finger bob"));
    press(Qt::Key_Up);
    QCOMPARE(edit()->text(), QStringLiteral("who"));
    press(Qt::Key_Up);
    QCOMPARE(edit()->text(), QStringLiteral("who"));
    press(Qt::Key_Down);
    QCOMPARE(edit()->text(), QStringLiteral("finger bob"));
    press(Qt::Key_Down);
    QCOMPARE(edit()->text(), QStringLiteral("tell bo"));
    // The preset list is not stepped through.
    QCOMPARE(m_input->currentIndex(), -1);
}

QTEST_MAIN(CommandInputTest)
#include "CommandInputTest.moc"
