#include "session/InterfaceToggles.h"

#include <QTest>

class InterfaceTogglesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandsForState_data();
    void commandsForState();
};

void InterfaceTogglesTest::commandsForState_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("silenceSet");
    QTest::addColumn<bool>("silencePressed");
    QTest::addColumn<bool>("openPressed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("built-in state on FICS")
        << 0 << 15 << false << false
        << QStringList{"Set CShout 1", "Set Seek 1", "Set Shout 1", "Set Chanoff 0", "Set Open 1"};
    QTest::newRow("silence pressed on FICS")
        << 0 << 15 << true << false
        << QStringList{"Set CShout 0", "Set Seek 0", "Set Shout 0", "Set Chanoff 1", "Set Open 1"};
    QTest::newRow("ICC, only channels, silence pressed")
        << 1 << 8 << true << false << QStringList{"Set CTell 0", "Set Open 1"};
    QTest::newRow("ICC built-in state")
        << 1 << 15 << false << false
        << QStringList{"Set SShout 1", "Set Seek 1", "Set Shout 1", "Set CTell 1", "Set Open 1"};
    QTest::newRow("open pressed, nothing to silence")
        << 0 << 0 << false << true << QStringList{"Set Open 0"};
}

void InterfaceTogglesTest::commandsForState()
{
    QFETCH(int, protocol);
    QFETCH(int, silenceSet);
    QFETCH(bool, silencePressed);
    QFETCH(bool, openPressed);
    QFETCH(QStringList, expected);
    InterfaceToggles toggles;
    toggles.silenceSet = silenceSet;
    toggles.silencePressed = silencePressed;
    toggles.openPressed = openPressed;
    QCOMPARE(toggles.silenceCommands(ServerProtocol(protocol)) + QStringList{toggles.openCommand()},
             expected);
}

QTEST_GUILESS_MAIN(InterfaceTogglesTest)
#include "InterfaceTogglesTest.moc"
