// Block extraction against flooding input, through the whole session pipeline with
// do-nothing receivers:
//   - 20 MB of dense block replies as one chunk, and in 64 KB chunks (target: under 0.3 s
//     as one chunk);
//   - a 1.2 MB block whose end never comes, fed one byte per chunk (target: under 1 s).
// Prints the time of each case; the first case also without the reply routing.
#include "session/BlockAssembler.h"
#include "session/NullReceivers.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/TraceLog.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

QByteArray denseBlocks(qsizetype target)
{
    const QByteArray block = "\x15" "100\x16" "51\x16" "History for alice:\n\r"
                             "  1: + 1558 W 1882 bob [ br  5   0] C20 Res\n\r\x17";
    QByteArray stream;
    stream.reserve(target + block.size());
    while (stream.size() < target)
        stream += block;
    return stream;
}

double seconds(const QByteArray& input, qsizetype chunk)
{
    NullReceivers receivers;
    const TraceLog trace(false);
    SessionLog log;
    SessionPipeline pipeline(receivers.receivers(), trace, log);
    QElapsedTimer timer;
    timer.start();
    for (qsizetype at = 0; at < input.size(); at += chunk) {
        pipeline.chunkIntake(input.mid(at, chunk));
        // The queued replies are handled as the event loop would between chunks.
        if (pipeline.queuedReplies() > 0)
            QCoreApplication::sendPostedEvents();
    }
    QCoreApplication::sendPostedEvents();
    return double(timer.nsecsElapsed()) / 1e9;
}

double extractionSeconds(const QByteArray& input)
{
    BlockAssembler assembler;
    QElapsedTimer timer;
    timer.start();
    const BlockAssembler::Result result = assembler.extract(input);
    const double elapsed = double(timer.nsecsElapsed()) / 1e9;
    std::printf("  (%lld blocks cut out)\n", static_cast<long long>(result.blocks.size()));
    return elapsed;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray dense = denseBlocks(20 * 1024 * 1024);
    std::printf("20 MB of dense blocks as one chunk: %.3f s (target: under 0.3 s)\n",
                seconds(dense, dense.size()));
    std::printf("the same, block extraction alone: %.3f s\n", extractionSeconds(dense));
    std::printf("20 MB of dense blocks in 64 KB chunks: %.3f s\n", seconds(dense, 64 * 1024));

    const QByteArray unfinished = "\x15" "100\x16" "51\x16" + QByteArray(1200 * 1000, 'x');
    std::printf("1.2 MB block without its end, 1 byte per chunk: %.3f s (target: under 1 s)\n",
                seconds(unfinished, 1));
    return 0;
}
