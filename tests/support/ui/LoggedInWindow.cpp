#include "support/ui/LoggedInWindow.h"

#include "ficsim/FakeFicsServer.h"
#include "session/ConnectionList.h"
#include "settings/SettingsFile.h"
#include "shell/ConnectionController.h"
#include "shell/TfrmMainChess.h"

#include <QDir>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTest>

namespace {

// The set-up's last step tells the user themself this marker.
const QByteArray Marker = " ------------------------ Battle Mode On ------------------- ";

} // namespace

LoggedInWindow::LoggedInWindow() : m_oldCurrent(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

LoggedInWindow::~LoggedInWindow()
{
    m_window.reset();
    m_server.reset();
    QDir::setCurrent(m_oldCurrent);
}

bool LoggedInWindow::logIn(const QString& handle, const QString& password)
{
    const QString folder = m_dir.path() + u'/';
    SharedSettingsFile(folder).writeBool("Profiles", "DoNotShow", true);
    m_server = std::make_unique<FakeFicsServer>();
    if (!m_server->listen())
        return false;

    ConnectionList list(SettingsFile(folder + QStringLiteral("Default.ini")),
                        *QRandomGenerator::global());
    list.load();
    list.setEntry(0, TConnection{QStringLiteral("127.0.0.1"), QString::number(m_server->port()),
                                 handle, password, false, QStringLiteral("Fics"), 0});
    list.setLastConnection(0);
    list.save();

    if (QGuiApplication::platformName() != u"xcb")
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    m_window = std::make_unique<TfrmMainChess>(folder);
    if (!m_window->isSetUp())
        return false;
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return false;
    m_window->connection().connectAtStart();
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
