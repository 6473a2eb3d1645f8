#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// The practice server for playing without internet: starts the project's "ficsim"
// program (kept beside the client's executable) on a free port of 127.0.0.1, with the
// bot "Sparring" when a UCI chess engine is installed, and reports the port once the
// server listens. The server runs until this object goes or the client ends.
class PracticeServer : public QObject
{
    Q_OBJECT

public:
    explicit PracticeServer(QObject* parent = nullptr);
    ~PracticeServer() override;

    // The program beside the executable; the engine from PATH or /usr/games, empty when
    // none is installed.
    static QString serverProgram(const QString& executableFolder);
    static QString installedEngine();
    static QStringList arguments(const QString& engine);

    // Emits ready() once the server listens (at once when it runs already), or failed().
    void start(const QString& program, const QString& engine);
    bool isRunning() const { return m_port != 0 && m_process.state() == QProcess::Running; }
    quint16 port() const { return m_port; }

Q_SIGNALS:
    void ready(quint16 port);
    void failed(const QString& message);

private:
    void onOutput();
    void onFinished();

    QProcess m_process;
    QByteArray m_output;
    QString m_program;
    quint16 m_port = 0;
};
