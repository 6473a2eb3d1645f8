#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class FakeFicsServer;
class QTcpSocket;

// One connection to the fake server: the login dialogue, then commands.
class FakeFicsSession : public QObject
{
    Q_OBJECT

public:
    enum class Stage
    {
        Login,
        Password,
        GuestOffer,
        LoggedIn,
        Closed
    };

    FakeFicsSession(QTcpSocket* socket, FakeFicsServer& server);

    Stage stage() const { return m_stage; }
    QByteArray handle() const { return m_handle; }
    QList<QByteArray> received() const { return m_received; }
    bool blockMode() const { return m_blockMode; }
    QByteArray variable(const QByteArray& name) const { return m_variables.value(name.toLower()); }

    // Output the user did not ask for: it starts on a fresh line and ends with a prompt.
    void deliver(const QList<QByteArray>& lines);
    // A line written straight after the last prompt, then a new prompt.
    void deliverRaw(const QByteArray& line);
    void resetConnection();
    void closeConnection();

Q_SIGNALS:
    void finished(FakeFicsSession* session);

private:
    void onReadyRead();
    void handleLine(const QByteArray& line);
    void handleLoginName(const QByteArray& name);
    void handlePassword(const QByteArray& password);
    void enter(const QByteArray& handle, bool newcomer);
    void handleCommandLine(const QByteArray& line);
    void answer(const QByteArray& identifier, int code, const QList<QByteArray>& lines);
    void write(const QByteArray& bytes);

    friend class FakeFicsCommands;
    FakeFicsServer& m_server;
    QPointer<QTcpSocket> m_socket;
    Stage m_stage = Stage::Login;
    QByteArray m_pending;
    QByteArray m_handle;
    QByteArray m_offeredName;
    QList<QByteArray> m_received;
    QHash<QByteArray, QByteArray> m_variables;
    bool m_blockMode = false;
};
