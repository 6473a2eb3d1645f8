#include "session/ui/TfrmCancelMessage.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class TfrmCancelMessageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showingSetsCaptionMessageAndPlace();
    void cancelRunsTheCallersAction_data();
    void cancelRunsTheCallersAction();
    void hidingRunsNoAction();
};

void TfrmCancelMessageTest::showingSetsCaptionMessageAndPlace()
{
    TfrmCancelMessage dialog;
    dialog.showMessage(QStringLiteral("Establish Connection"),
                       QStringLiteral("Connecting to Fics..."));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.isModal());
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Establish Connection"));
    QCOMPARE(dialog.lblMessage->text(), QStringLiteral("Connecting to Fics..."));
    QVERIFY(dialog.lblMessage->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(dialog.btnCancel->text(), QStringLiteral("Cancel"));

    const QRect screen = dialog.screen()->geometry();
    const QPoint expected(screen.left() + (screen.width() - dialog.width()) / 8,
                          screen.top() + (screen.height() - dialog.height()) / 8);
    QCOMPARE(dialog.pos(), expected);
}

void TfrmCancelMessageTest::cancelRunsTheCallersAction_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape key") << true;
}

void TfrmCancelMessageTest::cancelRunsTheCallersAction()
{
    QFETCH(bool, byKey);
    TfrmCancelMessage dialog;
    int runs = 0;
    dialog.setCancelAction([&] { ++runs; });
    dialog.showMessage(QStringLiteral("Establish Connection"), QStringLiteral("Connecting..."));
    if (byKey)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.btnCancel->click();
    QCOMPARE(runs, 1);
    QVERIFY(!dialog.isVisible());
}

void TfrmCancelMessageTest::hidingRunsNoAction()
{
    TfrmCancelMessage dialog;
    int runs = 0;
    dialog.setCancelAction([&] { ++runs; });
    dialog.showMessage(QStringLiteral("Establish Connection"), QStringLiteral("Connecting..."));
    dialog.hideMessage();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(runs, 0);
}

QTEST_MAIN(TfrmCancelMessageTest)
#include "TfrmCancelMessageTest.moc"
