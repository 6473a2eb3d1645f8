#pragma once

#include "net/FirewallSettings.h"
#include "session/TConnection.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class FakeFicsServer;
class TfrmMainChess;

// The real main window in a fresh program folder (also the current folder, where the
// program looks for its helpers), beside its own practice server on a free loopback port:
// what an end-to-end test of a window needs before its first step. Each step is its own
// call so that a test can stop short of the login or put its own step in between.
class LoggedInWindow
{
public:
    // The set-up's last step tells the user themself this marker.
    static const QByteArray Marker;

    LoggedInWindow();
    ~LoggedInWindow();

    // False when the folder or the server could not be set up.
    bool isReady() const;

    // An entry for handle on the practice server; a guest when password is empty.
    TConnection entry(const QString& handle, const QString& password) const;
    // Makes entry the first and last used one of the default profile.
    void writeEntry(const TConnection& entry);
    void writeEntry(const TConnection& entry, const FirewallSettings& firewall);

    // Builds and shows the window, at size when that is valid.
    bool startWindow(QSize size = {});
    void closeWindow();
    void connectAtStart();
    // Connects with the toolbar button, answering the connection dialog with OK.
    void connectThroughTheDialog();
    // Waits for handle's marker sent since the window was last started.
    bool waitForLogin(const QByteArray& handle, int timeoutMs = 30000);

    // Starts the window and logs in as handle (a guest when password is empty), whatever
    // name the server gives. False when any step failed; the test then fails with what it
    // knows.
    bool logIn(const QString& handle = QStringLiteral("guest"), const QString& password = {});

    TfrmMainChess& window() { return *m_window; }
    FakeFicsServer& server() { return *m_server; }
    QString folder() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Waits until the server received line; false after the timeout.
    bool waitForCommand(const QByteArray& line, int timeoutMs = 20000);

private:
    QTemporaryDir m_dir;
    QString m_oldCurrent;
    std::unique_ptr<FakeFicsServer> m_server;
    bool m_listening = false;
    std::unique_ptr<TfrmMainChess> m_window;
    qsizetype m_linesBeforeWindow = 0;
};
