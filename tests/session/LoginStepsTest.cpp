#include "session/LoginSteps.h"
#include "session/GuestNamePool.h"
#include "session/LoginQuestions.h"
#include "session/SecretCommandSender.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Records what would go to the server; secret lines are marked.
class RecordingSender : public SecretCommandSender
{
public:
    void sendCommand(const QString& commands) override { lines << commands; }
    void sendSecretLine(const QString& line) override { lines << QStringLiteral("secret:") + line; }
    QStringList lines;
};

// Answers each question with the next scripted answer and remembers the questions.
class ScriptedQuestions : public LoginQuestions
{
public:
    Answer ask(const QString& caption, const QString& prompt, const QString& initialText,
               bool masked) override
    {
        asked << QStringList{caption, prompt, initialText, masked ? "masked" : "plain"};
        return answers.isEmpty() ? Answer{initialText, false} : answers.takeFirst();
    }
    QList<Answer> answers;
    QList<QStringList> asked;
};

const QStringList FicsSetup{
    "Set style 12",  "Set highlight 0", "Set autoflag 1",
    "Set ptime 0",   "iSet gameinfo 1", "Set interface Tolvaris 2.0 Quarndell",
    "Set CShout 1",  "Set Seek 1",      "Set Shout 1",
    "Set Chanoff 0", "Set Open 1",      "Set seek 0"};

QString marker(const QString& handle)
{
    return "tell " + handle + " ------------------------ Battle Mode On ------------------- ";
}

} // namespace

class LoginStepsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void registeredLogin();
    void guestLoginThroughPressReturn();
    void setupByProtocol_data();
    void setupByProtocol();
    void loginCompletesOnIccMarkers_data();
    void loginCompletesOnIccMarkers();
    void rejectedLoginsUseGuestNames();
    void passwordAskedWhenMissing_data();
    void passwordAskedWhenMissing();
    void savedTogglesAreSent_data();
    void savedTogglesAreSent();
    void serverChosenGuestNameIsUsed_data();
    void serverChosenGuestNameIsUsed();
    void nothingHappensAfterReady();
    void autoExecCommandsFromSection();

private:
    void feed(const QByteArray& line, bool promptSeen = false);

    RecordingSender m_sender;
    ScriptedQuestions m_questions;
    QRandomGenerator m_random{1234};
    std::unique_ptr<LoginSteps> m_steps;
};

void LoginStepsTest::init()
{
    m_sender.lines.clear();
    m_questions = ScriptedQuestions();
    m_random.seed(1234);
    m_steps = std::make_unique<LoginSteps>(m_sender, m_questions, m_random);
    m_steps->sessionConnected();
}

void LoginStepsTest::feed(const QByteArray& line, bool promptSeen)
{
    const QByteArray firstWord = line.trimmed().split(' ').first().toUpper();
    m_steps->loginLine(line, firstWord, promptSeen);
}

void LoginStepsTest::registeredLogin()
{
    m_steps->setAccount("alice", "alicepw", ServerProtocol::Fics);
    QCOMPARE(int(m_steps->loginState()), int(LoginState::Connected));
    feed("If you are not a registered player, enter a unique ID to join the server.");
    QVERIFY(m_sender.lines.isEmpty());
    feed("login: ");
    QCOMPARE(m_sender.lines, QStringList{"alice"});
    QCOMPARE(int(m_steps->loginState()), int(LoginState::HandleSent));
    feed("\"alice\" is a registered name. If it is yours, type the password.");
    feed("If not, just hit return to try another name.");
    feed("password: ");
    QCOMPARE(m_sender.lines.last(), QStringLiteral("secret:alicepw"));
    QCOMPARE(int(m_steps->loginState()), int(LoginState::PasswordSent));
    feed("", true);
    QCOMPARE(int(m_steps->loginState()), int(LoginState::Ready));
    QCOMPARE(m_sender.lines,
             (QStringList{"alice", "secret:alicepw"} + FicsSetup + QStringList{marker("alice")}));
    QCOMPARE(m_steps->guestAttempts(), 0);
}

void LoginStepsTest::guestLoginThroughPressReturn()
{
    m_steps->setAccount("TolFenrir", QString(), ServerProtocol::Fics);
    feed("login: ");
    feed("\"TolFenrir\" is not a registered name.  You may use this name to play unrated games.");
    QCOMPARE(m_sender.lines, QStringList{"TolFenrir"});
    feed("Press return to enter the FICS as \"TolFenrir\":");
    QCOMPARE(m_sender.lines, (QStringList{"TolFenrir", ""}));
    QCOMPARE(int(m_steps->loginState()), int(LoginState::HandleSent));
    feed("**** Starting FICS session as TolFenrir(U) ****", true);
    QCOMPARE(m_sender.lines.mid(2), FicsSetup + QStringList{marker("TolFenrir")});
}

void LoginStepsTest::setupByProtocol_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<bool>("autoflag");
    QTest::addColumn<QStringList>("expected");
    const QStringList autoExecSent{"finger Bob", "tell %HANDLE% case matters", "say hi",
                                   "tell Bob a^tell Bob b"};
    QTest::newRow("FICS") << int(ServerProtocol::Fics) << true
                          << FicsSetup + autoExecSent + QStringList{marker("Bob")};
    QTest::newRow("ICC with autoflag off") << int(ServerProtocol::Icc) << false
                                           << QStringList{"Set style 12",
                                                          "Set highlight 0",
                                                          "Set autoflag 0",
                                                          "Set prompt 1",
                                                          "Set interface Tolvaris 2.0 Quarndell",
                                                          "Set SShout 1",
                                                          "Set Seek 1",
                                                          "Set Shout 1",
                                                          "Set CTell 1",
                                                          "Set Open 1",
                                                          "Set seek 0"} +
                                                  autoExecSent + QStringList{marker("Bob")};
    QTest::newRow("another server family gets neither extra")
        << 2 << true
        << QStringList{"Set style 12",   "Set highlight 0",
                       "Set autoflag 1", "Set interface Tolvaris 2.0 Quarndell",
                       "Set CShout 1",   "Set Seek 1",
                       "Set Shout 1",    "Set Chanoff 0",
                       "Set Open 1",     "Set seek 0"} +
               autoExecSent + QStringList{marker("Bob")};
}

void LoginStepsTest::setupByProtocol()
{
    QFETCH(int, protocol);
    QFETCH(bool, autoflag);
    QFETCH(QStringList, expected);
    m_steps->setAccount("Bob", "pw", ServerProtocol(protocol));
    m_steps->setAutoflag(autoflag);
    m_steps->setAutoExecCommands({"finger %handle%", "   ", "tell %HANDLE% case matters",
                                  "  say hi  ", "", "tell %handle% a^tell Bob b"});
    QString shown;
    m_steps->setTargetLabelHook([&shown](const QString& handle) { shown = handle; });
    feed("fics% ", true);
    QCOMPARE(m_sender.lines, expected);
    QCOMPARE(shown, QStringLiteral("Bob"));
}

void LoginStepsTest::loginCompletesOnIccMarkers_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("ICC events") << QByteArray("*** ICC EVENTS ***");
    QTest::newRow("move marker") << QByteArray("---> Move 12 of the day");
}

void LoginStepsTest::loginCompletesOnIccMarkers()
{
    QFETCH(QByteArray, line);
    m_steps->setAccount("g", QString(), ServerProtocol::Icc);
    feed(line);
    QCOMPARE(int(m_steps->loginState()), int(LoginState::Ready));
    QCOMPARE(m_sender.lines.first(), QStringLiteral("Set style 12"));
    QVERIFY(m_sender.lines.contains("Set prompt 1"));
}

void LoginStepsTest::rejectedLoginsUseGuestNames()
{
    m_steps->setAccount("alice", "wrong", ServerProtocol::Fics);
    m_questions.answers << LoginQuestions::Answer{"MyOwnName", true};
    QRandomGenerator expectedRandom(1234);
    feed("login: ");
    feed("password: ");
    QCOMPARE(m_sender.lines, (QStringList{"alice", "secret:wrong"}));

    for (int attempt = 1; attempt <= 11; ++attempt) {
        m_sender.lines.clear();
        feed("**** Invalid password! ****");
        feed("login: ");
        QString expected = "Tol" + GuestNamePool::pick(expectedRandom);
        if (attempt > 5)
            expected += GuestNamePool::pick(expectedRandom);
        if (attempt == 11) {
            QCOMPARE(m_questions.asked.size(), 1);
            QCOMPARE(m_questions.asked.first(),
                     (QStringList{"Logon", "Please enter handle.", expected, "plain"}));
            expected = "MyOwnName";
        }
        QCOMPARE(m_sender.lines, QStringList{expected});
        QCOMPARE(m_steps->guestAttempts(), attempt);
    }
    m_steps->resetGuestAttempts();
    QCOMPARE(m_steps->guestAttempts(), 0);
}

void LoginStepsTest::passwordAskedWhenMissing_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("sent");
    QTest::newRow("typed and confirmed") << true << "secret:typedpw";
    QTest::newRow("cancelled sends an empty line") << false << "secret:";
}

void LoginStepsTest::passwordAskedWhenMissing()
{
    QFETCH(bool, accepted);
    QFETCH(QString, sent);
    m_steps->setAccount("alice", QString(), ServerProtocol::Fics);
    m_questions.answers << LoginQuestions::Answer{"typedpw", accepted};
    feed("login: ");
    feed("password: ");
    QCOMPARE(m_questions.asked.size(), 1);
    QCOMPARE(m_questions.asked.first(),
             (QStringList{"Logon", "Please enter password.", "", "masked"}));
    QCOMPARE(m_sender.lines, (QStringList{"alice", sent}));
}

void LoginStepsTest::savedTogglesAreSent_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("silenceSet");
    QTest::addColumn<bool>("silenced");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("silenced and closed on FICS")
        << int(ServerProtocol::Fics) << 15 << true << true
        << QStringList{"Set CShout 0", "Set Seek 0", "Set Shout 0", "Set Chanoff 1", "Set Open 0"};
    QTest::newRow("silenced, only channels, open on ICC")
        << int(ServerProtocol::Icc) << int(InterfaceToggles::Channels) << true << false
        << QStringList{"Set CTell 0", "Set Open 1"};
    QTest::newRow("nothing in the silence set, closed")
        << int(ServerProtocol::Fics) << 0 << true << true << QStringList{"Set Open 0"};
}

void LoginStepsTest::savedTogglesAreSent()
{
    QFETCH(int, protocol);
    QFETCH(int, silenceSet);
    QFETCH(bool, silenced);
    QFETCH(bool, closed);
    QFETCH(QStringList, expected);
    m_steps->setAccount("Bob", QString(), ServerProtocol(protocol));
    m_steps->setToggleStates([&] {
        InterfaceToggles toggles;
        toggles.silenceSet = silenceSet;
        toggles.silencePressed = silenced;
        toggles.openPressed = closed;
        return toggles;
    });
    feed("", true);
    const int first = m_sender.lines.indexOf("Set interface Tolvaris 2.0 Quarndell") + 1;
    QCOMPARE(m_sender.lines.mid(first, expected.size() + 1), expected + QStringList{"Set seek 0"});
}

void LoginStepsTest::serverChosenGuestNameIsUsed_data()
{
    QTest::addColumn<QByteArray>("sessionLine");
    QTest::addColumn<QString>("handle");

    QTest::newRow("guest renamed, unregistered mark removed")
        << QByteArray("**** Starting FICS session as GuestXKQW(U) ****") << "GuestXKQW";
    QTest::newRow("several marks removed")
        << QByteArray("**** Starting FICS session as Anna(TM)(CA) ****") << "Anna";
    QTest::newRow("registered name without marks")
        << QByteArray("**** Starting FICS session as alice ****") << "alice";
    QTest::newRow("line without the name keeps the typed one")
        << QByteArray("**** Starting FICS session as ") << "guest";
}

void LoginStepsTest::serverChosenGuestNameIsUsed()
{
    QFETCH(QByteArray, sessionLine);
    QFETCH(QString, handle);
    QString shownTarget;
    m_steps->setTargetLabelHook([&](const QString& shown) { shownTarget = shown; });
    m_steps->setAutoExecCommands({"finger %handle%"});
    m_steps->setAccount("guest", QString(), ServerProtocol::Fics);
    feed("login: ");
    feed("Press return to enter the FICS as \"guest\":");
    feed(sessionLine);
    feed("", true);
    QCOMPARE(m_sender.lines.mid(m_sender.lines.size() - 2),
             (QStringList{"finger " + handle, marker(handle)}));
    QCOMPARE(shownTarget, handle);
}

void LoginStepsTest::nothingHappensAfterReady()
{
    m_steps->setAccount("Bob", "pw", ServerProtocol::Fics);
    feed("", true);
    const QStringList afterLogin = m_sender.lines;
    feed("login: ", true);
    feed("password: ");
    feed("Press return to enter the FICS as \"Bob\":");
    QCOMPARE(m_sender.lines, afterLogin);
    m_steps->reset();
    QCOMPARE(int(m_steps->loginState()), int(LoginState::Reset));
}

void LoginStepsTest::autoExecCommandsFromSection()
{
    // Keys "0" to count-1 in index order, wherever they stand; a missing key is empty.
    QCOMPARE(LoginSteps::autoExecCommands({"1=finger %handle%", "0=set bell 0", "7=late"}),
             (QStringList{"set bell 0", "finger %handle%", ""}));
    QCOMPARE(LoginSteps::autoExecCommands({"0=a=b"}), QStringList{"a=b"});
    QVERIFY(LoginSteps::autoExecCommands({}).isEmpty());
}

QTEST_GUILESS_MAIN(LoginStepsTest)
#include "LoginStepsTest.moc"
