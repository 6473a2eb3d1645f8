#include "session/ui/TfrmConnect.h"
#include "settings/SettingsFile.h"
#include "session/ui/SocksProxyBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs act on the next modal window other than `under`, once it is up.
void whenModalShown(QWidget* under, std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer(under);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, under, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == under)
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start(10);
}

QStringList tabTitles(const QTabBar* tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.append(tabs->tabText(i));
    return titles;
}

} // namespace

class TfrmConnectTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void controlsHaveTheirCaptionsAndHints_data();
    void controlsHaveTheirCaptionsAndHints();
    void fieldsShowTheLastUsedEntry();
    void okReturnsTheFieldsOfTheSelectedTab();
    void cancelKeepsEditsOfOtherTabsOnly();
    void emptyHandleIsMadeUp_data();
    void emptyHandleIsMadeUp();
    void generateMakesAGuestHandle();
    void addAsksForATitle_data();
    void addAsksForATitle();
    void addWarnsAtTwentyEntries();
    void removeAsksFirst_data();
    void removeAsksFirst();
    void removingTheLastEntryLeavesNothingToConnectTo();
    void enablingTheProxyUnchecksTimeseal();
    void plainPasswordIsShownMaskedAndMoved();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Default.ini")); }
    void put(const QByteArray& content) const;
    std::unique_ptr<TfrmConnect> dialog();

    std::unique_ptr<QTemporaryDir> m_dir;
    QRandomGenerator m_random{7};
};

void TfrmConnectTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TfrmConnectTest::put(const QByteArray& content) const
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

std::unique_ptr<TfrmConnect> TfrmConnectTest::dialog()
{
    return std::make_unique<TfrmConnect>(path(), m_random);
}

void TfrmConnectTest::controlsHaveTheirCaptionsAndHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    const auto row = [](const char* name, const char* caption, const char* hint) {
        QTest::newRow(name) << name << caption << hint;
    };
    row("txtAddress", "Address",
        "Enter the Internet address of the chess server (like 'freechess.org').");
    row("txtPort", "Port", "Enter the port number for the chess server (like '5000').");
    row("txtHandle", "Handle",
        "Enter your handle for the server, or 'g' for unregistered ICC usage.");
    row("txtPassword", "Password", "Enter your password for the server if you have one.");
    row("chkTimeseal", "Use Time Seal",
        "Select to use TMSEAL.EXE (FICS) or TMSTAMP.EXE (ICC).  The file must exist in the "
        "current directory or global path.");
    row("rgProtocol", "Protocol", "Select the chess server protocol.");
    row("rbFICS", "FICS", "");
    row("rbICC", "ICC", "");
    row("btnGenerate", "Generate", "");
    row("lblMythological", "(Mythological)", "");
    row("btnAdd", "&Add", "Creates a new connection.");
    row("btnRemove", "&Remove", "Discards the current connection.");
    row("btRegister", "Free Registration at FICS for Playing", "");
    row("OKBtn", "OK", "Establishes a connection.");
    row("CancelBtn", "Cancel", "Returns without connecting.");
    row("grpSocks", "Socks Proxy Info (Firewall)", "");
    row("txtSockServer", "Server", "");
    row("txtSockPort", "Port", "");
    row("cmbSockLevel", "Level", "");
    row("txtSockPass", "Password", "");
    row("txtSockUserCode", "User Code", "");
    row("chkSockEnabled", "Enabled Socks", "");
    row("chkSockAuth", "Authenticate User Code", "");
}

void TfrmConnectTest::controlsHaveTheirCaptionsAndHints()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    const auto form = dialog();
    QCOMPARE(form->windowTitle(), QStringLiteral("Connect"));
    auto* control = form->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), hint);
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        QCOMPARE(group->title(), caption);
    } else if (control->inherits("QLineEdit") || control->inherits("QComboBox")) {
        // Fields are named by the label beside them.
        QString labelText;
        for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>())
            if (label->buddy() == control)
                labelText = label->text();
        QCOMPARE(labelText, caption);
    } else {
        QCOMPARE(control->property("text").toString(), caption);
    }
}

void TfrmConnectTest::fieldsShowTheLastUsedEntry()
{
    put("[Connections]\r\nNumber=3\r\nLastConnection=1\r\nHandle1=Bob\r\nPwd1=1310\r\n");
    const auto form = dialog();
    QCOMPARE(tabTitles(form->tabConnections),
             QStringList({QStringLiteral("Fics"), QStringLiteral("ICC"), QStringLiteral("Eics")}));
    QCOMPARE(form->tabConnections->currentIndex(), 1);
    QCOMPARE(form->txtAddress->text(), QStringLiteral("chessclub.com"));
    QCOMPARE(form->txtHandle->text(), QStringLiteral("Bob"));
    QCOMPARE(form->txtPassword->text(), QStringLiteral("ab"));
    QCOMPARE(form->txtPassword->echoMode(), QLineEdit::Password);
    QVERIFY(form->chkTimeseal->isChecked());
    QVERIFY(form->findChild<QRadioButton*>(QStringLiteral("rbICC"))->isChecked());
    QVERIFY(!form->findChild<QRadioButton*>(QStringLiteral("rbFICS"))->isChecked());
    QVERIFY(form->OKBtn->isEnabled());
}

void TfrmConnectTest::okReturnsTheFieldsOfTheSelectedTab()
{
    const auto form = dialog();
    form->tabConnections->setCurrentIndex(1);
    form->txtAddress->setText(QStringLiteral("127.0.0.1"));
    form->txtPort->setText(QStringLiteral("5001"));
    form->txtHandle->setText(QStringLiteral("Bob"));
    form->txtPassword->setText(QStringLiteral("pw"));
    form->chkTimeseal->setChecked(false);
    form->findChild<QRadioButton*>(QStringLiteral("rbFICS"))->setChecked(true);
    form->grpSocks->txtSockServer->setText(QStringLiteral("proxy.example"));
    form->grpSocks->cmbSockLevel->setCurrentText(QStringLiteral("4A"));
    form->grpSocks->chkSockEnabled->setChecked(true);

    whenModalShown(nullptr, [&](QWidget*) { form->OKBtn->click(); });
    const std::optional<ConnectionChoice> choice = form->run();
    QVERIFY(choice);
    const TConnection expected{QStringLiteral("127.0.0.1"),
                               QStringLiteral("5001"),
                               QStringLiteral("Bob"),
                               QStringLiteral("pw"),
                               false,
                               QStringLiteral("ICC"),
                               0};
    QCOMPARE(choice->connection, expected);
    QVERIFY(choice->firewall.enabled);
    QCOMPARE(choice->firewall.server, QStringLiteral("proxy.example"));
    QCOMPARE(choice->firewall.level, QStringLiteral("4A"));

    const SettingsFile file(path());
    QCOMPARE(file.readInteger("Connections", "LastConnection", -1), 1);
    QCOMPARE(file.readString("Connections", "Handle1", QString()), QStringLiteral("Bob"));
    QCOMPARE(file.readString("Connections", "Pwd1", QString()), QStringLiteral("0601"));
    QCOMPARE(file.readString("Firewall", "SockServer", QString()), QStringLiteral("proxy.example"));
    QVERIFY(file.readBool("Firewall", "SockEnabled", false));
}

void TfrmConnectTest::cancelKeepsEditsOfOtherTabsOnly()
{
    const auto form = dialog();
    form->txtHandle->setText(QStringLiteral("Alice"));
    form->tabConnections->setCurrentIndex(2);
    form->txtHandle->setText(QStringLiteral("NotKept"));
    form->grpSocks->txtSockUserCode->setText(QStringLiteral("alice"));

    whenModalShown(nullptr, [&](QWidget*) { form->CancelBtn->click(); });
    QVERIFY(!form->run());

    const SettingsFile file(path());
    QCOMPARE(file.readString("Connections", "Handle0", QString()), QStringLiteral("Alice"));
    QVERIFY(file.readString("Connections", "Handle2", QString()).startsWith("Guest"));
    QCOMPARE(file.readInteger("Connections", "LastConnection", -1), 2);
    QCOMPARE(file.readString("Firewall", "SockUserCode", QString()), QStringLiteral("alice"));
}

void TfrmConnectTest::emptyHandleIsMadeUp_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("tabs");
    QTest::newRow("blank handle") << QByteArray("Number=1\r\nHandle0=\"  \"\r\nPwd0=1310") << 1;
    QTest::newRow("no entries") << QByteArray("Number=0") << 0;
}

void TfrmConnectTest::emptyHandleIsMadeUp()
{
    QFETCH(QByteArray, content);
    QFETCH(int, tabs);
    put("[Connections]\r\n" + content + "\r\n");
    const auto form = dialog();
    QCOMPARE(form->tabConnections->count(), tabs);
    QVERIFY2(form->txtHandle->text().startsWith(QStringLiteral("Tol")),
             qPrintable(form->txtHandle->text()));
    QVERIFY(form->txtHandle->text().size() > 3);
    QVERIFY(form->txtPassword->text().isEmpty());
    QCOMPARE(form->OKBtn->isEnabled(), tabs > 0);
}

void TfrmConnectTest::generateMakesAGuestHandle()
{
    const auto form = dialog();
    form->txtPassword->setText(QStringLiteral("secret"));
    form->btnGenerate->click();
    QVERIFY(form->txtHandle->text().startsWith(QStringLiteral("Tol")));
    QVERIFY(form->txtPassword->text().isEmpty());
}

void TfrmConnectTest::addAsksForATitle_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QStringList>("titles");
    const QStringList defaults{"Fics", "ICC", "Eics"};
    QTest::newRow("title given") << "Home" << true << (defaults + QStringList{"Home"});
    QTest::newRow("title left empty") << "" << true << defaults;
    QTest::newRow("box cancelled") << "Home" << false << defaults;
}

void TfrmConnectTest::addAsksForATitle()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirmed);
    QFETCH(QStringList, titles);
    const auto form = dialog();
    form->txtHandle->setText(QStringLiteral("Edited"));
    QString caption, prompt, offered;
    whenModalShown(form.get(), [&](QWidget* modal) {
        auto* box = qobject_cast<QInputDialog*>(modal);
        QVERIFY(box);
        caption = box->windowTitle();
        prompt = box->labelText();
        offered = box->textValue();
        box->setTextValue(typed);
        confirmed ? box->accept() : box->reject();
    });
    form->btnAdd->click();
    QCOMPARE(caption, QStringLiteral("New Connection"));
    QCOMPARE(prompt, QStringLiteral("Connection Title"));
    QCOMPARE(offered, QStringLiteral("Server 3"));
    QCOMPARE(tabTitles(form->tabConnections), titles);
    if (titles.size() == 4) {
        QCOMPARE(form->tabConnections->currentIndex(), 3);
        QVERIFY(form->txtAddress->text().isEmpty() && form->txtHandle->text().isEmpty());
        QVERIFY(!form->chkTimeseal->isChecked());
        QVERIFY(form->findChild<QRadioButton*>(QStringLiteral("rbFICS"))->isChecked());
        form->tabConnections->setCurrentIndex(0);
    }
    QCOMPARE(form->txtHandle->text(), QStringLiteral("Edited"));
}

void TfrmConnectTest::addWarnsAtTwentyEntries()
{
    put("[Connections]\r\nNumber=20\r\n");
    const auto form = dialog();
    QCOMPARE(form->tabConnections->count(), 20);
    QString caption, text;
    whenModalShown(form.get(), [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        box->accept();
    });
    form->btnAdd->click();
    QCOMPARE(caption, QStringLiteral("New Connection"));
    QCOMPARE(text, QStringLiteral("Too many connection"));
    QCOMPARE(form->tabConnections->count(), 20);
}

void TfrmConnectTest::removeAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("shownAddress");
    QTest::newRow("yes") << QMessageBox::Yes << QStringList{"Fics", "Eics"}
                         << "chess.unix-ag.uni-kl.de";
    QTest::newRow("no") << QMessageBox::No << QStringList{"Fics", "ICC", "Eics"} << "edited";
}

void TfrmConnectTest::removeAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, titles);
    QFETCH(QString, shownAddress);
    const auto form = dialog();
    form->tabConnections->setCurrentIndex(1);
    form->txtAddress->setText(QStringLiteral("edited"));
    QString caption, question;
    whenModalShown(form.get(), [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        caption = box->windowTitle();
        question = box->text();
        box->button(answer)->click();
    });
    form->btnRemove->click();
    QCOMPARE(caption, QStringLiteral("Remove Connection"));
    QCOMPARE(question, QStringLiteral("Really remove connection?"));
    QCOMPARE(tabTitles(form->tabConnections), titles);
    QCOMPARE(form->tabConnections->currentIndex(), 1);
    QCOMPARE(form->txtAddress->text(), shownAddress);
}

void TfrmConnectTest::removingTheLastEntryLeavesNothingToConnectTo()
{
    put("[Connections]\r\nNumber=1\r\n");
    const auto form = dialog();
    whenModalShown(form.get(), [](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
    });
    form->btnRemove->click();
    QCOMPARE(form->tabConnections->count(), 0);
    QVERIFY(!form->OKBtn->isEnabled());

    form->btnRemove->click(); // nothing left: no question, no change
    QCOMPARE(form->tabConnections->count(), 0);

    whenModalShown(nullptr, [&](QWidget*) { form->CancelBtn->click(); });
    QVERIFY(!form->run());
    QCOMPARE(SettingsFile(path()).readInteger("Connections", "Number", -1), 0);
}

void TfrmConnectTest::enablingTheProxyUnchecksTimeseal()
{
    const auto form = dialog();
    QVERIFY(form->chkTimeseal->isChecked());
    form->grpSocks->chkSockEnabled->setChecked(true);
    QVERIFY(!form->chkTimeseal->isChecked());
    form->grpSocks->chkSockEnabled->setChecked(false);
    QVERIFY(!form->chkTimeseal->isChecked());
}

void TfrmConnectTest::plainPasswordIsShownMaskedAndMoved()
{
    put("[Connections]\r\nNumber=1\r\nHandle0=Bob\r\nPassword0=ab\r\n");
    const auto form = dialog();
    QCOMPARE(form->txtPassword->text(), QStringLiteral("ab"));
    QCOMPARE(form->txtPassword->echoMode(), QLineEdit::Password);
    const SettingsFile file(path());
    QCOMPARE(file.readString("Connections", "Pwd0", QString()), QStringLiteral("1310"));
    QCOMPARE(file.readString("Connections", "Password0", "missing"), QString());
}

QTEST_MAIN(TfrmConnectTest)
#include "TfrmConnectTest.moc"
