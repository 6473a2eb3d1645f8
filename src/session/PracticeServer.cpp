#include "session/PracticeServer.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The server's first line: "ficsim listening on 127.0.0.1:40123".
const QByteArray ListeningMark = "ficsim listening on ";

} // namespace

PracticeServer::PracticeServer(QObject* parent) : QObject(parent)
{
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &PracticeServer::onOutput);
    connect(&m_process, &QProcess::finished, this, &PracticeServer::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            Q_EMIT failed(QStringLiteral("The practice server %1 could not be started: %2")
                              .arg(m_program, m_process.errorString()));
        }
    });
}

PracticeServer::~PracticeServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QString PracticeServer::serverProgram(const QString& executableFolder)
{
    return QDir(executableFolder).filePath(QStringLiteral("ficsim"));
}

QString PracticeServer::installedEngine()
{
    // Debian puts games, Stockfish among them, into /usr/games, which is often not on PATH.
    const QString found = QStandardPaths::findExecutable(QStringLiteral("stockfish"));
    if (!found.isEmpty())
        return found;
    return QStandardPaths::findExecutable(QStringLiteral("stockfish"),
                                          {QStringLiteral("/usr/games")});
}

QStringList PracticeServer::arguments(const QString& engine)
{
    QStringList list{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--quiet"),
                     QStringLiteral("--until-input-ends")};
    if (!engine.isEmpty())
        list << QStringLiteral("--engine") << engine;
    return list;
}

void PracticeServer::start(const QString& program, const QString& engine)
{
    if (isRunning()) {
        Q_EMIT ready(m_port);
        return;
    }
    m_program = program;
    if (!QFileInfo(program).isExecutable()) {
        Q_EMIT failed(QStringLiteral("The practice server was not found: %1").arg(program));
        return;
    }
    m_output.clear();
    m_port = 0;
    m_process.setProgram(program);
    m_process.setArguments(arguments(engine));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
}

void PracticeServer::onOutput()
{
    m_output += m_process.readAllStandardOutput();
    if (m_port)
        return;
    const qsizetype mark = m_output.indexOf(ListeningMark);
    const qsizetype end = m_output.indexOf('\n', mark);
    if (mark < 0 || end < 0)
        return;
    const QByteArray address = m_output.mid(mark + ListeningMark.size(), end - mark - ListeningMark.size());
    m_port = address.mid(address.lastIndexOf(':') + 1).trimmed().toUShort();
    m_output.clear();
    if (m_port)
        Q_EMIT ready(m_port);
    else
        Q_EMIT failed(QStringLiteral("The practice server gave no port: %1")
                          .arg(QString::fromLatin1(address)));
}

void PracticeServer::onFinished()
{
    const bool wasReady = m_port != 0;
    m_port = 0;
    if (!wasReady) {
        Q_EMIT failed(QStringLiteral("The practice server %1 stopped at once (exit code %2).")
                          .arg(m_program)
                          .arg(m_process.exitCode()));
    }
}
