#include "session/ui/LoginInputBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class LoginInputBoxTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asksAndReturnsWhatTheBoxHeld_data();
    void asksAndReturnsWhatTheBoxHeld();
};

void LoginInputBoxTest::asksAndReturnsWhatTheBoxHeld_data()
{
    QTest::addColumn<bool>("masked");
    QTest::addColumn<bool>("accept");
    QTest::newRow("handle box, confirmed") << false << true;
    QTest::newRow("handle box, cancelled keeps the text") << false << false;
    QTest::newRow("password box is masked") << true << true;
}

void LoginInputBoxTest::asksAndReturnsWhatTheBoxHeld()
{
    QFETCH(bool, masked);
    QFETCH(bool, accept);
    QString seenTitle;
    QString seenLabel;
    QString seenText;
    int seenEcho = -1;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seenTitle = box->windowTitle();
        seenLabel = box->labelText();
        seenText = box->textValue();
        seenEcho = box->textEchoMode();
        box->setTextValue(QStringLiteral("TolYmirAchor"));
        accept ? box->accept() : box->reject();
    });
    LoginInputBox questions(nullptr);
    const auto answer =
        questions.ask(QStringLiteral("Logon"), QStringLiteral("Please enter handle."),
                      QStringLiteral("TolFenrir"), masked);
    QCOMPARE(seenTitle, QStringLiteral("Logon"));
    QCOMPARE(seenLabel, QStringLiteral("Please enter handle."));
    QCOMPARE(seenText, QStringLiteral("TolFenrir"));
    QCOMPARE(seenEcho, int(masked ? QLineEdit::Password : QLineEdit::Normal));
    QCOMPARE(answer.text, QStringLiteral("TolYmirAchor"));
    QCOMPARE(answer.accepted, accept);
}

QTEST_MAIN(LoginInputBoxTest)
#include "LoginInputBoxTest.moc"
