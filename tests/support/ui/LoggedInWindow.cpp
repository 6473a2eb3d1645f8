#include "support/ui/LoggedInWindow.h"

#include "ficsim/FakeFicsServer.h"
#include "session/ConnectionList.h"
#include "session/ui/TfrmConnect.h"
#include "settings/SettingsFile.h"
#include "shell/ConnectionController.h"
#include "shell/TfrmMainChess.h"
#include "support/ModalAnswer.h"

#include <QDir>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QToolButton>

#include <optional>

namespace {

void saveEntry(const QString& profile, const TConnection& entry,
               const std::optional<FirewallSettings>& firewall)
{
    ConnectionList list(SettingsFile(profile), *QRandomGenerator::global());
    list.load();
    list.setEntry(0, entry);
    list.setLastConnection(0);
    if (firewall)
        list.setFirewall(*firewall);
    list.save();
}

} // namespace

const QByteArray LoggedInWindow::Marker =
    " ------------------------ Battle Mode On ------------------- ";

LoggedInWindow::LoggedInWindow()
    : m_oldCurrent(QDir::currentPath()), m_server(std::make_unique<FakeFicsServer>())
{
    QDir::setCurrent(m_dir.path());
    // The profile chooser would otherwise stop the window before it is shown.
    SharedSettingsFile(m_dir.path() + u'/').writeBool("Profiles", "DoNotShow", true);
    m_listening = m_server->listen();
}

LoggedInWindow::~LoggedInWindow()
{
    m_window.reset();
    m_server.reset();
    QDir::setCurrent(m_oldCurrent);
}

bool LoggedInWindow::isReady() const
{
    return m_dir.isValid() && m_listening;
}

TConnection LoggedInWindow::entry(const QString& handle, const QString& password) const
{
    return TConnection{QStringLiteral("127.0.0.1"),
                       QString::number(m_server->port()),
                       handle,
                       password,
                       false,
                       QStringLiteral("Fics"),
                       0};
}

void LoggedInWindow::writeEntry(const TConnection& entry)
{
    saveEntry(filePath(QStringLiteral("Default.ini")), entry, std::nullopt);
}

void LoggedInWindow::writeEntry(const TConnection& entry, const FirewallSettings& firewall)
{
    saveEntry(filePath(QStringLiteral("Default.ini")), entry, firewall);
}

bool LoggedInWindow::startWindow(QSize size)
{
    m_linesBeforeWindow = m_server->receivedLines().size();
    if (QGuiApplication::platformName() != u"xcb")
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    m_window = std::make_unique<TfrmMainChess>(m_dir.path() + u'/');
    if (!m_window->isSetUp())
        return false;
    if (size.isValid())
        m_window->resize(size);
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

void LoggedInWindow::closeWindow()
{
    m_window.reset();
}

void LoggedInWindow::connectAtStart()
{
    m_window->connection().connectAtStart();
}

void LoggedInWindow::connectThroughTheDialog()
{
    // The connection dialog is modal: OK is pressed from a timer that runs inside it.
    answerNextModal(m_window.get(), [](QWidget* modal) {
        if (auto* dialog = qobject_cast<TfrmConnect*>(modal))
            dialog->OKBtn->click();
    });
    m_window->toolBars.spdConnect->click();
}

bool LoggedInWindow::waitForLogin(const QByteArray& handle, int timeoutMs)
{
    const QByteArray loggedIn = "tell " + handle + Marker;
    return QTest::qWaitFor(
        [&] { return m_server->receivedLines().mid(m_linesBeforeWindow).contains(loggedIn); },
        timeoutMs);
}

bool LoggedInWindow::logIn(const QString& handle, const QString& password)
{
    if (!isReady())
        return false;
    writeEntry(entry(handle, password));
    if (!startWindow())
        return false;
    connectAtStart();
    return QTest::qWaitFor(
        [&] {
            for (const QByteArray& line : m_server->receivedLines()) {
                if (line.startsWith("tell ") && line.endsWith(Marker))
                    return true;
            }
            return false;
        },
        30000);
}

bool LoggedInWindow::waitForCommand(const QByteArray& line, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_server->receivedLines().contains(line); }, timeoutMs);
}
