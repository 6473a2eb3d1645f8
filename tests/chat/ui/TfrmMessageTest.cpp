#include "chat/ui/TfrmMessage.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TfrmMessageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noticeShowsCentredAboveTheOthers();
    void closingTakesTheChoiceOnlyWithOk_data();
    void closingTakesTheChoiceOnlyWithOk();
};

void TfrmMessageTest::noticeShowsCentredAboveTheOthers()
{
    TfrmMessage notice;
    notice.showNotice(QStringLiteral(" alice resigns\r\n"), QStringLiteral("alice vs. bob"));
    QVERIFY(QTest::qWaitForWindowExposed(&notice));
    QCOMPARE(notice.windowTitle(), QStringLiteral("alice vs. bob"));
    QCOMPARE(notice.lblMessage->text(), QStringLiteral("alice resigns"));
    QVERIFY(notice.lblMessage->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(notice.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!notice.isModal());
    const QPoint centre = notice.screen()->availableGeometry().center();
    QVERIFY2((notice.frameGeometry().center() - centre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(notice.frameGeometry().center().x())
                            .arg(notice.frameGeometry().center().y())));

    // A later game's end replaces the text in the same window.
    notice.showNotice(QStringLiteral("bob forfeits on time"), QStringLiteral("bob vs. carol"));
    QCOMPARE(notice.windowTitle(), QStringLiteral("bob vs. carol"));
    QCOMPARE(notice.lblMessage->text(), QStringLiteral("bob forfeits on time"));
}

void TfrmMessageTest::closingTakesTheChoiceOnlyWithOk_data()
{
    QTest::addColumn<bool>("hiddenBefore");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<QList<bool>>("chosen");

    QTest::newRow("OK with the box checked hides the notices to come")
        << false << true << true << QList<bool>{true};
    QTest::newRow("OK with the box unchanged tells nothing")
        << false << false << true << QList<bool>{};
    QTest::newRow("OK with the box cleared shows the notices again")
        << true << false << true << QList<bool>{false};
    QTest::newRow("Escape drops the change") << false << true << false << QList<bool>{};
}

void TfrmMessageTest::closingTakesTheChoiceOnlyWithOk()
{
    QFETCH(bool, hiddenBefore);
    QFETCH(bool, checked);
    QFETCH(bool, byOk);
    QFETCH(QList<bool>, chosen);

    TfrmMessage notice;
    notice.setHideGameMessages(hiddenBefore);
    QSignalSpy choices(&notice, &TfrmMessage::hideGameMessagesChosen);
    notice.showNotice(QStringLiteral("alice resigns"), QStringLiteral("alice vs. bob"));
    QCOMPARE(notice.chkHideGameMessages->isChecked(), hiddenBefore);
    QCOMPARE(notice.chkHideGameMessages->text(), TfrmMessage::HideCaption);
    notice.chkHideGameMessages->setChecked(checked);
    if (byOk)
        notice.btnOK->click();
    else
        QTest::keyClick(&notice, Qt::Key_Escape);
    QVERIFY(notice.isHidden());
    QList<bool> told;
    for (const QList<QVariant>& choice : choices)
        told << choice.at(0).toBool();
    QCOMPARE(told, chosen);

    // The next notice shows the choice in force.
    notice.showNotice(QStringLiteral("bob resigns"), QStringLiteral("bob vs. alice"));
    QCOMPARE(notice.chkHideGameMessages->isChecked(), chosen.isEmpty() ? hiddenBefore : chosen.first());
}

QTEST_MAIN(TfrmMessageTest)
#include "TfrmMessageTest.moc"
