#include "ficsim/UciEngine.h"

#include "ficsim/chess/MoveNotation.h"

#include <QDeadlineTimer>

UciEngine::UciEngine(const QString& program, QObject* parent)
    : MoveChooser(parent), m_program(program)
{
}

UciEngine::~UciEngine()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.write("quit\n");
        if (!m_process.waitForFinished(2000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }
}

bool UciEngine::waitFor(const QByteArray& word, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const qsizetype end = m_pending.indexOf('\n');
        if (end >= 0) {
            const QByteArray line = m_pending.left(end).trimmed();
            m_pending.remove(0, end + 1);
            if (line == word)
                return true;
            continue;
        }
        if (!m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
        m_pending += m_process.readAllStandardOutput();
    }
    return false;
}

bool UciEngine::start(QString* error)
{
    m_process.setProgram(m_program);
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        *error = QStringLiteral("cannot start %1: %2").arg(m_program, m_process.errorString());
        return false;
    }
    m_process.write("uci\n");
    if (!waitFor("uciok", 10000)) {
        *error = QStringLiteral("%1 does not answer \"uci\" with \"uciok\"").arg(m_program);
        m_process.kill();
        return false;
    }
    m_process.write("isready\n");
    if (!waitFor("readyok", 10000)) {
        *error = QStringLiteral("%1 does not answer \"isready\"").arg(m_program);
        m_process.kill();
        return false;
    }
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &UciEngine::onOutput);
    connect(&m_process, &QProcess::finished, this, [this] {
        Q_EMIT failed(QStringLiteral("%1 stopped").arg(m_program));
    });
    return true;
}

void UciEngine::choose(const ChessPosition& position, qint64 remainingMs)
{
    if (m_process.state() != QProcess::Running) {
        Q_EMIT failed(QStringLiteral("%1 is not running").arg(m_program));
        return;
    }
    // A thirtieth of the clock, never more than the bound and never nothing.
    const qint64 think = qBound(qint64(50), remainingMs / 30, qint64(m_maxThinkMs));
    m_thinkingAbout = position;
    m_process.write("position fen " + position.fen() + "\ngo movetime " +
                    QByteArray::number(think) + '\n');
}

void UciEngine::onOutput()
{
    m_pending += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(end).trimmed();
        m_pending.remove(0, end + 1);
        if (!line.startsWith("bestmove ") || !m_thinkingAbout)
            continue;
        const QByteArray text = line.split(' ').value(1);
        const ChessPosition position = *std::exchange(m_thinkingAbout, std::nullopt);
        if (const auto move = MoveNotation::parse(position, text))
            Q_EMIT chosen(*move);
        else
            Q_EMIT failed(QStringLiteral("the engine's move %1 is not legal")
                              .arg(QString::fromLatin1(text)));
    }
}
