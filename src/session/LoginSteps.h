#pragma once

#include "session/InterfaceToggles.h"
#include "session/LoginSink.h"
#include "settings/ProductName.h"
#include "net/ServerProtocol.h"

#include <QString>
#include <QStringList>

#include <functional>

class LoginQuestions;
class QRandomGenerator;
class SecretCommandSender;

// Answers the server's login prompts with the chosen account or a made-up guest name,
// then sends the interface set-up once the first prompt shows that the login is done.
// Runs on every line until the login is complete.
class LoginSteps : public LoginSink
{
public:
    static inline const QString Caption = QStringLiteral("Logon");
    static inline const QString HandlePrompt = QStringLiteral("Please enter handle.");
    static inline const QString PasswordPrompt = QStringLiteral("Please enter password.");
    static inline const QString InterfaceName = ProductName;
    static inline const QString GuestPrefix = QStringLiteral("Tol");

    LoginSteps(SecretCommandSender& sender, LoginQuestions& questions, QRandomGenerator& random);
    LoginSteps(const LoginSteps&) = delete;
    LoginSteps& operator=(const LoginSteps&) = delete;

    void setAccount(const QString& handle, const QString& password, ServerProtocol protocol);
    void setAutoflag(bool on) { m_autoflag = on; }
    // The auto-exec commands by their index in the settings section.
    void setAutoExecCommands(const QStringList& commands) { m_autoExec = commands; }
    // The values of the keys "0", "1", ... of the section's "key=value" lines, one per line.
    static QStringList autoExecCommands(const QStringList& sectionLines);
    // The Silence and Open states as the tool bar shows them when the set-up is sent;
    // the built-in states are used until set.
    void setToggleStates(std::function<InterfaceToggles()> states)
    {
        m_toggleStates = std::move(states);
    }
    // Shows the handle in the target label once the login is complete.
    void setTargetLabelHook(std::function<void(const QString&)> hook)
    {
        m_showTarget = std::move(hook);
    }

    void resetGuestAttempts() { m_guestAttempts = 0; }
    int guestAttempts() const { return m_guestAttempts; }
    void reset() { m_state = LoginState::Reset; }
    void sessionConnected() { m_state = LoginState::Connected; }

    LoginState loginState() const override { return m_state; }
    void loginLine(const QByteArray& line, const QByteArray& firstWord, bool promptSeen) override;

private:
    void answerLoginPrompt();
    void answerPasswordPrompt();
    QString makeGuestName();
    void sendInterfaceSetup();
    void sendToggles();
    void takeHandleFromSessionStart(const QByteArray& line);
    void raiseState(LoginState reached);

    SecretCommandSender& m_sender;
    LoginQuestions& m_questions;
    QRandomGenerator& m_random;
    QString m_handle;
    QString m_password;
    ServerProtocol m_protocol = ServerProtocol::Fics;
    bool m_autoflag = true;
    QStringList m_autoExec;
    std::function<InterfaceToggles()> m_toggleStates;
    std::function<void(const QString&)> m_showTarget;
    int m_guestAttempts = 0;
    LoginState m_state = LoginState::Reset;
};
