// Throughput of the session pipeline and the line dispatcher over a large mixed
// stream built from the real server captures (plus block-mode replies), fed in
// 4096-byte chunks to no-op receivers. Prints MB/s for each of five runs and the median.
#include "session/NullReceivers.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/TraceLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray mixedStream(qsizetype target)
{
    const QDir dir(QStringLiteral(TOLVARIS_FIXTURES_DIR "/fics"));
    QByteArray sample;
    for (const QString& name : dir.entryList({QStringLiteral("*.raw")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            sample += file.readAll();
        sample += "\x15" "100\x16" "51\x16" "History for alice:\n\r  1: + 1558 W 1882 bob [ br  5   0] "
                  "C20 Res Thu Dec 10 03:50 UTC 2026\n\r\x17";
    }
    QByteArray stream;
    stream.reserve(target + sample.size());
    while (stream.size() < target)
        stream += sample;
    return stream;
}

double run(const QByteArray& stream)
{
    constexpr qsizetype Chunk = 4096;
    NullReceivers receivers;
    const TraceLog trace(false);
    SessionLog log;
    SessionPipeline pipeline(receivers.receivers(), trace, log);
    QElapsedTimer timer;
    timer.start();
    for (qsizetype at = 0; at < stream.size(); at += Chunk) {
        pipeline.chunkIntake(stream.mid(at, Chunk));
        QCoreApplication::sendPostedEvents();
    }
    return double(stream.size()) / 1e6 / (double(timer.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray stream = mixedStream(48 * 1024 * 1024);
    std::vector<double> rates;
    for (int i = 0; i < 5; ++i) {
        rates.push_back(run(stream));
        std::printf("run %d: %.1f MB/s\n", i + 1, rates.back());
    }
    std::sort(rates.begin(), rates.end());
    std::printf("median: %.1f MB/s over %.1f MB (target: at least 200 MB/s)\n", rates[2],
                double(stream.size()) / 1e6);
    return 0;
}
