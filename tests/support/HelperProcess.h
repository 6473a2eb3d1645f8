#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A program a test starts in the background and stops again when it goes out of scope.
class HelperProcess
{
public:
    HelperProcess() = default;
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;
    ~HelperProcess() { stop(); }

    bool start(const QString& program, const QStringList& arguments, QString* error);
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Everything the program wrote so far, for failure messages.
    QString output();

    // Runs a short command to its end; false with its output in *error when it fails.
    static bool run(const QString& program, const QStringList& arguments, QString* error,
                    const QByteArray& input = {});

private:
    QProcess m_process;
    QByteArray m_output;
};
