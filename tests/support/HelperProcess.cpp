#include "HelperProcess.h"

bool HelperProcess::start(const QString& program, const QStringList& arguments, QString* error)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, arguments);
    if (m_process.waitForStarted(10000))
        return true;
    if (error)
        *error = program + QStringLiteral(": ") + m_process.errorString();
    return false;
}

void HelperProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString HelperProcess::output()
{
    m_output += m_process.readAll();
    return QString::fromLocal8Bit(m_output);
}

bool HelperProcess::run(const QString& program, const QStringList& arguments, QString* error,
                        const QByteArray& input)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        if (error)
            *error = program + QStringLiteral(": ") + process.errorString();
        return false;
    }
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(60000);
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    if (error)
        *error = program + QStringLiteral(" ") + arguments.join(QLatin1Char(' ')) +
                 QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll());
    return false;
}
