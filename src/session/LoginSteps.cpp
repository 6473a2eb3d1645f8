#include "session/LoginSteps.h"

#include "session/GuestNamePool.h"
#include "session/LoginQuestions.h"
#include "session/SecretCommandSender.h"

namespace {

const QByteArray LoginWord = QByteArrayLiteral("LOGIN:");
const QByteArray PasswordWord = QByteArrayLiteral("PASSWORD:");
const QByteArray GuestOffer = QByteArrayLiteral("ress return");
const QByteArray IccLoginMarker = QByteArrayLiteral("ICC EVENTS");
const QByteArray MoveLoginMarker = QByteArrayLiteral("---> Move");
// The server may log a guest in under another name than the one typed ("guest" becomes
// "GuestXKQW"); this line names the handle of the session, with marks such as "(U)".
const QByteArray SessionStart = QByteArrayLiteral("**** Starting FICS session as ");
const QString HandlePlaceholder = QStringLiteral("%handle%");
constexpr int TwoNameAttempts = 5;  // from the sixth guest name on, two pool names
constexpr int AskUserAttempts = 10; // from the eleventh on, the user is asked

} // namespace

LoginSteps::LoginSteps(SecretCommandSender& sender, LoginQuestions& questions,
                       QRandomGenerator& random)
    : m_sender(sender), m_questions(questions), m_random(random)
{
}

void LoginSteps::setAccount(const QString& handle, const QString& password, ServerProtocol protocol)
{
    m_handle = handle;
    m_password = password;
    m_protocol = protocol;
}

QStringList LoginSteps::autoExecCommands(const QStringList& sectionLines)
{
    QStringList commands;
    for (int i = 0; i < sectionLines.size(); ++i) {
        const QString key = QString::number(i);
        QString value;
        for (const QString& line : sectionLines) {
            const int equals = line.indexOf(QLatin1Char('='));
            if (equals >= 0 && line.left(equals).trimmed() == key) {
                value = line.mid(equals + 1);
                break;
            }
        }
        commands << value;
    }
    return commands;
}

void LoginSteps::loginLine(const QByteArray& line, const QByteArray& firstWord, bool promptSeen)
{
    if (m_state == LoginState::Ready)
        return;
    if (firstWord == LoginWord)
        answerLoginPrompt();
    if (firstWord == PasswordWord)
        answerPasswordPrompt();
    takeHandleFromSessionStart(line);
    if (line.contains(GuestOffer))
        m_sender.sendCommand(QString());
    if (promptSeen || line.contains(IccLoginMarker) || line.contains(MoveLoginMarker)) {
        m_state = LoginState::Ready;
        sendInterfaceSetup();
    }
}

void LoginSteps::answerLoginPrompt()
{
    if (!m_handle.isEmpty() && m_state < LoginState::HandleSent)
        m_sender.sendCommand(m_handle);
    else
        m_sender.sendCommand(makeGuestName());
    raiseState(LoginState::HandleSent);
}

QString LoginSteps::makeGuestName()
{
    ++m_guestAttempts;
    QString name = GuestPrefix + GuestNamePool::pick(m_random);
    if (m_guestAttempts > TwoNameAttempts)
        name += GuestNamePool::pick(m_random);
    if (m_guestAttempts > AskUserAttempts)
        name = m_questions.ask(Caption, HandlePrompt, name, false).text;
    return name;
}

void LoginSteps::answerPasswordPrompt()
{
    if (!m_password.isEmpty() && m_state < LoginState::PasswordSent) {
        m_sender.sendSecretLine(m_password);
    } else {
        const auto answer = m_questions.ask(Caption, PasswordPrompt, QString(), true);
        m_sender.sendSecretLine(answer.accepted ? answer.text : QString());
    }
    raiseState(LoginState::PasswordSent);
}

void LoginSteps::sendInterfaceSetup()
{
    m_sender.sendCommand(QStringLiteral("Set style 12"));
    m_sender.sendCommand(QStringLiteral("Set highlight 0"));
    m_sender.sendCommand(QStringLiteral("Set autoflag %1").arg(m_autoflag ? 1 : 0));
    if (m_protocol == ServerProtocol::Fics) {
        m_sender.sendCommand(QStringLiteral("Set ptime 0"));
        m_sender.sendCommand(QStringLiteral("iSet gameinfo 1"));
    } else if (m_protocol == ServerProtocol::Icc) {
        m_sender.sendCommand(QStringLiteral("Set prompt 1"));
    }
    m_sender.sendCommand(QStringLiteral("Set interface ") + InterfaceName);
    sendToggles();
    m_sender.sendCommand(QStringLiteral("Set seek 0"));
    for (const QString& entry : std::as_const(m_autoExec)) {
        QString command = entry.trimmed();
        if (command.isEmpty())
            continue;
        command.replace(HandlePlaceholder, m_handle, Qt::CaseSensitive);
        m_sender.sendCommand(command);
    }
    m_sender.sendCommand(QStringLiteral("tell ") + m_handle +
                         QStringLiteral(" ------------------------ Battle Mode On "
                                        "------------------- "));
    if (m_showTarget)
        m_showTarget(m_handle);
}

void LoginSteps::sendToggles()
{
    const InterfaceToggles toggles = m_toggleStates ? m_toggleStates() : InterfaceToggles{};
    for (const QString& command : toggles.silenceCommands(m_protocol))
        m_sender.sendCommand(command);
    m_sender.sendCommand(toggles.openCommand());
}

void LoginSteps::takeHandleFromSessionStart(const QByteArray& line)
{
    const int start = line.indexOf(SessionStart);
    if (start < 0)
        return;
    const QByteArray rest = line.mid(start + SessionStart.size());
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '(')
        ++end;
    if (end > 0)
        m_handle = QString::fromLatin1(rest.left(end));
}

void LoginSteps::raiseState(LoginState reached)
{
    if (m_state < reached)
        m_state = reached;
}
