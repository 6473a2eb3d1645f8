#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>

class MoveChooser;

// A bot account of the practice server ("Randy", "Sparring"): a real client on a TCP
// connection that logs in, posts a seek, accepts every challenge and every seek of a
// person, agrees to takeback and abort requests, and plays the moves its MoveChooser
// picks whenever a board says it is to move.
class BotPlayer : public QObject
{
    Q_OBJECT

public:
    BotPlayer(const QByteArray& handle, const QByteArray& password, MoveChooser* chooser,
              QObject* parent = nullptr);

    QByteArray handle() const { return m_handle; }
    void connectTo(quint16 port);
    // The seek posted after login and after each game ("5 0"); empty posts none.
    void setSeek(const QByteArray& seek) { m_seek = seek; }
    // Seeks of these players (the other bots) are left to people.
    void setIgnoredSeekers(const QList<QByteArray>& handles) { m_ignoredSeekers = handles; }
    void send(const QByteArray& command);
    bool isPlaying() const { return m_game != 0; }

Q_SIGNALS:
    void loggedIn();
    void gameStarted(int number);
    // The result line of the bot's game ("{Game 1 (Randy vs. Sparring) Randy checkmated} 0-1").
    void gameEnded(const QByteArray& result);
    void problem(const QString& why);

private:
    void onReadyRead();
    void handleLine(const QByteArray& line);
    void handleBoard(const QByteArray& line);
    void postSeek();

    QByteArray m_handle;
    QByteArray m_password;
    MoveChooser* m_chooser;
    QTcpSocket m_socket;
    QByteArray m_pending;
    bool m_ready = false;
    int m_game = 0;
    QByteArray m_seek = "5 0";
    QList<QByteArray> m_ignoredSeekers;
};
