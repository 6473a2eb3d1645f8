#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class FakeFicsServer;
class TfrmMainChess;

// The real main window in a fresh program folder, logged in to its own practice server on a
// free loopback port: what an end-to-end test of a window needs before its first step.
class LoggedInWindow
{
public:
    LoggedInWindow();
    ~LoggedInWindow();

    // Starts the server and the window and logs in as handle (a guest when password is
    // empty). False when any step failed; the test then fails with what it knows.
    bool logIn(const QString& handle = QStringLiteral("guest"), const QString& password = {});

    TfrmMainChess& window() { return *m_window; }
    FakeFicsServer& server() { return *m_server; }
    QString folder() const { return m_dir.path(); }

    // Waits until the server received line; false after the timeout.
    bool waitForCommand(const QByteArray& line, int timeoutMs = 20000);

private:
    QTemporaryDir m_dir;
    QString m_oldCurrent;
    std::unique_ptr<FakeFicsServer> m_server;
    std::unique_ptr<TfrmMainChess> m_window;
};
