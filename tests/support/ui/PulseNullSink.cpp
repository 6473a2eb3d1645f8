#include "support/ui/PulseNullSink.h"

#include <QTest>
#include <QtEndian>

#include <cstdlib>

namespace {

constexpr int StartPatience = 20000;
constexpr int SilenceThreshold = 300; // of 32767: above the dither of a quiet stream
constexpr qsizetype QuietSamples = 22050 / 4; // a quarter second

} // namespace

PulseNullSink::~PulseNullSink()
{
    m_recorder.kill();
    m_recorder.waitForFinished(3000);
    m_server.stop();
}

bool PulseNullSink::start(QString* error)
{
    if (!m_runtime.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    const QByteArray runtime = m_runtime.path().toLocal8Bit();
    qputenv("PULSE_RUNTIME_PATH", runtime);
    qputenv("PULSE_SERVER", "unix:" + runtime + "/native");
    qputenv("PULSE_SINK", "nullsink");
    if (!m_server.start(QStringLiteral("pulseaudio"),
                        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                         QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--load=module-null-sink sink_name=nullsink"),
                         QStringLiteral("--load=module-native-protocol-unix")},
                        error))
        return false;
    const bool up = QTest::qWaitFor(
        [] { return HelperProcess::run(QStringLiteral("pactl"), {QStringLiteral("info")}, nullptr); },
        StartPatience);
    if (!up)
        *error = QStringLiteral("pulseaudio did not answer: ") + m_server.output();
    return up;
}

bool PulseNullSink::listen(QString* error)
{
    m_recorder.kill();
    m_recorder.waitForFinished(3000);
    m_recorded.clear();
    m_recorder.start(QStringLiteral("parec"),
                     {QStringLiteral("-d"), QStringLiteral("nullsink.monitor"),
                      QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                      QStringLiteral("--channels=1"), QStringLiteral("--rate=22050"),
                      QStringLiteral("--latency-msec=20")});
    if (!m_recorder.waitForStarted(StartPatience)) {
        *error = QStringLiteral("parec did not start");
        return false;
    }
    // What an earlier test played must have ended: a quarter second of silence.
    const bool quiet = QTest::qWaitFor(
        [this] {
            m_recorded += m_recorder.readAllStandardOutput();
            if (m_recorded.size() < QuietSamples * 2)
                return false;
            const QByteArray tail = m_recorded.right(QuietSamples * 2);
            m_recorded = tail;
            for (qsizetype i = 0; i + 1 < tail.size(); i += 2) {
                if (std::abs(int(qFromLittleEndian<qint16>(tail.constData() + i))) >
                    SilenceThreshold)
                    return false;
            }
            return true;
        },
        StartPatience);
    m_recorded.clear();
    if (!quiet)
        *error = QStringLiteral("the sink did not fall silent");
    return quiet;
}

bool PulseNullSink::loudestAboveSilence()
{
    m_recorded += m_recorder.readAllStandardOutput();
    for (qsizetype i = 0; i + 1 < m_recorded.size(); i += 2) {
        const qint16 sample = qFromLittleEndian<qint16>(m_recorded.constData() + i);
        if (std::abs(int(sample)) > SilenceThreshold)
            return true;
    }
    return false;
}

bool PulseNullSink::heardSound(int timeoutMs)
{
    return QTest::qWaitFor([this] { return loudestAboveSilence(); }, timeoutMs);
}
